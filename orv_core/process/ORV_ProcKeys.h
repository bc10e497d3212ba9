// Configuration key ids and measurement indexes that the processing thread reads and
// writes, by the names of the key vocabulary and of the measurement record.
#pragma once

namespace prockey {
enum : int {
  FLAG_PREM_DEMARRAGE = 0,
  CONFIG_CYCLE_NBRE = 3,
  REGLAGE_ALARM_3JOURS = 11,
  REGLAGE_ALARM_GPERIODE = 12,
  FLAG_ALARM = 13,
  FLAG_ALARM_CAPTEUR = 14,
  ANCIEN_PENTE = 15,
  MOYENNE_REFERENCE = 17,
  NOMBRE_JOURS_APPRENTISSAGE = 19,
  CONFIG_DIAMETRE = 20,
  CONFIG_DIAM_TUBE = 21,
  CONFIG_HEIGHT = 22,
  CONFIG_TANK_TYPE = 23,
  CONFIG_TANK_NUMBER = 24,
  CONFIG_COLUMN_TARE = 25,
  CONFIG_FLUID = 27,
  ALARME_NIVEAU_MINI_G = 34,
  ALARME_TEMPORISATION = 35,
  STAT3J_CHECK = 36,
  STATLP_CHECK = 37,
  CONFIG_INCLINAISON_RESERVOIR = 40,
  z1_AJUSTE_POURCENT = 41,
  z1_AJUSTE_JOURS = 42,
  CONFIG_SUBCRITIQUE = 45,
  CONFIG_TRANSCRITIQUE = 46,
  CONFIG_CONDENSEUR_TYPE = 47,
  CONFIG_CONDENSEUR_PUISSANCE = 48,
  CONFIG_CHARGE_FLUIDE = 50,
  CONFIG_CONSIGNE_BP = 51,
  z5_CONFIG_HPFcorrection = 56,
  CONFIG_CONS_TEMP = 63,
  CONFIG_MOY_REF_RECALCUL_HEURE = 64,
  ALARME_NIVEAU_MINI_G_NUIT = 75,
  ALARME_TEMPORISATION_NUIT = 76,
  CONFIG_MOY_REF_RECALCUL_CTRL = 90,
  ALARME_PUMPDOWN = 106,
  FLAG_RECALC_MOYREF = 110,
};
}  // namespace prockey

// ENERGIE module configuration ids read by the pass.
namespace enerkey {
enum : int {
  PressureInputEnabled = 188,
  Pt100InputEnabled = 191,
};
}  // namespace enerkey

namespace procmes {
enum : int {
  MassFlow = 500,               // kg/s
  RefrigerationCapacity = 503,  // kW
  RefrigerantMass = 504,        // kg, 999.0 invalid
  ColumnWeight = 505,           // g, 999 invalid
  NetWeight = 506,              // g
  LiquidLevel = 507,            // mm, 999 invalid
  SensorAlarmBits = 509,
  SensorFaultFlags = 510,
  LeakState = 511,
  LeakStateCopy = 512,
  LowLevelDetected = 513,
  LowLevelAlarm = 514,
  LowLevelDuration = 515,       // s
  Slope3Days = 516,
  SlopeLongPeriod = 517,
  ReferenceMass = 518,          // kg
  PlantRunning = 523,
  InputPORTB9 = 525,
  InputPORTB10 = 526,
  Ratio1 = 527,
  Ratio2 = 528,
  Ratio3 = 529,
  Ratio4 = 530,
  CondenserCapacity = 559,      // kW
  HeatToReject = 560,           // kW
  LowLevelStartTime = 561,      // s since 1970
  IsentropicDischargeTemp = 562,
};
}  // namespace procmes
