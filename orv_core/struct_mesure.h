// The one record of live values of the program: measured and computed plant values,
// alarm and network states, three refrigerant states, power cumuls and module readings.
// The configuration store holds the only instance under its record lock; single fields
// are addressed by a measurement index 500..634 (see orvDatas::getMES_struct).
#pragma once

#include <cstdint>

#include "modules_exchange.h"

// One field's value: floatValue for a float, intValue for an int or a byte (zero-extended),
// charValue for a char; the other two stay 0.
struct mes_value_t {
  char charValue = 0;
  int intValue = 0;
  float floatValue = 0.0f;
};

// Values 0..10 of the refrigeration cycle (indexes 567..577): 0 isentropic end enthalpy,
// 1 real discharge enthalpy (kJ/kg), 2 compressor power (W), 3..5 efficiency ratios,
// 6 discharge temperature (999.0 when not computable), 7 mass flow (g/s),
// 8 refrigeration capacity (W), 9 compression ratio, 10 isentropic efficiency (%).
struct __attribute__((packed)) struct_valeurs_calculees {
  float val[11];
};

// One refrigerant state by two state points: values 0..6 the first point (temperature,
// density/1000, volume*1000, speed of sound, vapour %, entropy, enthalpy), 7..13 the second
// (pressure first), 14 the kinematic viscosity of the second point.
struct __attribute__((packed)) struct_fluid_datas {
  float val[15];
};

struct __attribute__((packed)) struct_mesure {
  float massFlow;              // 500: kg/s; 999.0 at start
  float spare501;              // 501: 999.0 from the start
  float spare502;              // 502
  float refrigerationCapacity; // 503: kW
  float refrigerantMass;       // 504: kg; 999.0 when the weight is invalid
  int32_t columnWeight;        // 505: g; 999 when invalid
  int32_t netWeight;           // 506: g
  int32_t liquidLevel;         // 507: mm; 999 when invalid
  float spare508;              // 508
  uint8_t sensorAlarmBits;     // 509: sensors alarmed in the current episode
  uint8_t sensorFaultFlags;    // 510: as stored in FLAG_ALARM_CAPTEUR
  uint8_t leakState;           // 511: FLAG_ALARM
  uint8_t leakStateCopy;       // 512: always equal to 511
  uint8_t lowLevelDetected;    // 513
  uint8_t lowLevelAlarm;       // 514
  int32_t lowLevelDuration;    // 515: s below the low-level threshold
  float slope3Days;            // 516
  float slopeLongPeriod;       // 517
  float referenceMass;         // 518: kg
  uint8_t spare520;            // 520
  int32_t spare521;            // 521
  float spare522;              // 522
  int8_t plantRunning;         // 523
  uint8_t machineStop;         // no index; never written
  int8_t inputPORTB9;          // 525
  int8_t inputPORTB10;         // 526
  float ratio[4];              // 527..530
  float condenserCapacity;     // 559: kW
  float heatToReject;          // 560: kW
  int32_t lowLevelStartTime;   // 561: seconds since 1970
  uint8_t spare4[4];           // no index
  float isentropicDischargeTemp;  // 562: degC
  uint8_t spare563;            // 563
  uint8_t spare564;            // 564
  uint8_t spareByte;           // no index
  uint8_t networkLink;         // 565: 1 link up
  uint8_t serverReachable;     // 566: 1 server answered on its SFTP port
  struct_valeurs_calculees valCalcul;  // 567..577
  struct_fluid_datas fluid[3];         // 578..592, 593..607, 608..622
  struct_cumul_puissanse cumuls;       // 536..558 (selected values)
  modules_exchange_t modules;          // 623..634: values 0..11
};
static_assert(sizeof(struct_valeurs_calculees) == 44, "11 floats");
static_assert(sizeof(struct_fluid_datas) == 60, "15 floats");
static_assert(sizeof(struct_mesure) == 598, "struct_mesure is 598 bytes");

// Type of the field a measurement index 500..634 names (MES_NONE for 519, 524 and any
// index outside the range); it decides what orvDatas::setMES_struct reads.
enum MesType { MES_NONE, MES_FLOAT, MES_INT, MES_BYTE, MES_CHAR };
MesType mesIndexType(int index);
