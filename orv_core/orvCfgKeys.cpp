#include "orvCfgKeys.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "orvSafeText.h"
#include "orvServerDefaults.h"
#include "orvVersion.h"

const char* const ORV_CFG_TAG[ORV_CFG_KEY_COUNT] = {
    "FLAG_PREM_DEMARRAGE",
    "CONFIG_GAMME_PRESSION",
    "CONFIG_MIN_PRESSION",
    "CONFIG_CYCLE_NBRE",
    "CONFIG_TEXT_CORRECTION",
    "CONFIG_TENT_CORRECTION",
    "CONFIG_TLIQ_CORRECTION",
    "CONFIG_TASP_CORRECTION",
    "CONFIG_TREF_CORRECTION",
    "CONFIG_TRES1_CORRECTION",
    "CONFIG_TRES2_CORRECTION",
    "REGLAGE_ALARM_3JOURS",
    "REGLAGE_ALARM_GPERIODE",
    "FLAG_ALARM",
    "FLAG_ALARM_CAPTEUR",
    "ANCIEN_PENTE",
    "FLAG_RECHARGE",
    "MOYENNE_REFERENCE",
    "LIGNE_DEBUT_ANALYSE",
    "NOMBRE_JOURS_APPRENTISSAGE",
    "CONFIG_DIAMETRE",
    "CONFIG_DIAM_TUBE",
    "CONFIG_HEIGHT",
    "CONFIG_TANK_TYPE",
    "CONFIG_TANK_NUMBER",
    "CONFIG_COLUMN_TARE",
    "CONFIG_COLUMN_TYPE",
    "CONFIG_FLUID",
    "CONFIG_LANGUE",
    "CONFIG_KERNEL_VER",
    "FLAG_DATE_INSTALLATION",
    "CONFIG_SRV_ID",
    "CONFIG_SRV_HOUR",
    "CONFIG_SRV_MIN",
    "ALARME_NIVEAU_MINI_G",
    "ALARME_TEMPORISATION",
    "STAT3J_CHECK",
    "STATLP_CHECK",
    "STAT103_CHECK",
    "CONFIG_UARTBAUDS_MESURE",
    "CONFIG_INCLINAISON_RESERVOIR",
    "z1_AJUSTE_POURCENT",
    "z1_AJUSTE_JOURS",
    "z2_CM_TYPE",
    "z1_VERROU_ORV",
    "CONFIG_SUBCRITIQUE",
    "CONFIG_TRANSCRITIQUE",
    "CONFIG_CONDENSEUR_TYPE",
    "CONFIG_CONDENSEUR_PUISSANCE",
    "CONFIG_ARRET_MACHINE",
    "CONFIG_CHARGE_FLUIDE",
    "CONFIG_CONSIGNE_BP",
    "CONFIG_PUISSANCE_CO2_TRANS",
    "CONFIG_PUISSANCE_CO2_SUB",
    "z11_CONFIG_TYPE_COMPRESSEUR",
    "z11_CONFIG_FUSEAU_HORRAIRE",
    "z5_CONFIG_HPFcorrection",
    "z5_CONFIG_HPF_H",
    "z5_CONFIG_HPF_J",
    "CONFIG_VERSION_MAJOR",
    "CONFIG_VERSION_MINOR",
    "CONFIG_VERSION_RELEASE",
    "CONFIG_TIMER_PERIOD",
    "CONFIG_CONS_TEMP",
    "CONFIG_MOY_REF_RECALCUL_HEURE",
    "CONFIG_TEXT_CORR_CAB3M",
    "CONFIG_TENT_CORR_CAB3M",
    "CONFIG_TLIQ_CORR_CAB3M",
    "CONFIG_TASP_CORR_CAB3M",
    "CONFIG_TREF_CORR_CAB3M",
    "CONFIG_TRES1_CORR_CAB3M",
    "CONFIG_TRES2_CORR_CAB3M",
    "CONFIG_HP_PRESSURE_CALIB",
    "CONFIG_BP_PRESSURE_CALIB",
    "CONFIG_HP_RES_PRESSURE_CALIB",
    "ALARME_NIVEAU_MINI_G_NUIT",
    "ALARME_TEMPORISATION_NUIT",
    "CONFIG_DM9000_VER",
    "CONFIG_MACADDR",
    "CONFIG_IFACE",
    "CONFIG_DHCP",
    "CONFIG_IP",
    "CONFIG_MASK",
    "CONFIG_GW",
    "CONFIG_WIFI_SSID",
    "CONFIG_WIFI_TYPE",
    "CONFIG_WIFI_KEY",
    "CONFIG_IP_VPN",
    "CONFIG_GTCSRV_PORT",
    "CONFIG_FLAG_REFOIDISSEUR",
    "CONFIG_MOY_REF_RECALCUL_CTRL",
    "CONFIG_REG_BP",
    "CONFIG_REG_HP",
    "CONFIG_CONSIGNE_HP",
    "CONFIG_VOLUME_CONDENSEUR",
    "CONFIG_VOLUME_RESERVOIR",
    "STAT103_VALUE",
    "STAT3J_VALUE",
    "STATLP_VALUE",
    "CONFIG_TEXT_MANUEL_CORRECTION",
    "CONFIG_TENT_MANUEL_CORRECTION",
    "CONFIG_TLIQ_MANUEL_CORRECTION",
    "CONFIG_TASP_MANUEL_CORRECTION",
    "CONFIG_TREF_MANUEL_CORRECTION",
    "CONFIG_TRES1_MANUEL_CORRECTION",
    "CONFIG_TRES2_MANUEL_CORRECTION",
    "ALARME_PUMPDOWN",
    "CONFIG_ORV_NAME",
    "",  // 108: no setting
    "INTERVENTION_TECH",
    "FLAG_RECALC_MOYREF",
    "CONFIG_STFP_IP",
    "CONFIG_NOM_CLIENT_DU_SITE",
    "CONFIG_TARE_DATE",
};

// Keys 29, 77 and 78 (kernel, Ethernet chip, MAC address) compute their default at each
// read; 57 and 58 are never read.
const CfgKeyDef ORV_CFG_KEYS[ORV_CFG_KEY_COUNT] = {
    {CFG_INT, 0, nullptr},  // 0 FLAG_PREM_DEMARRAGE
    {CFG_INT, 30, nullptr},  // 1 CONFIG_GAMME_PRESSION
    {CFG_INT, 0, nullptr},  // 2 CONFIG_MIN_PRESSION
    {CFG_INT, 5, nullptr},  // 3 CONFIG_CYCLE_NBRE
    {CFG_FLOAT, 0.0, nullptr},  // 4 CONFIG_TEXT_CORRECTION
    {CFG_FLOAT, 0.0, nullptr},  // 5 CONFIG_TENT_CORRECTION
    {CFG_FLOAT, 0.0, nullptr},  // 6 CONFIG_TLIQ_CORRECTION
    {CFG_FLOAT, 0.0, nullptr},  // 7 CONFIG_TASP_CORRECTION
    {CFG_FLOAT, 0.0, nullptr},  // 8 CONFIG_TREF_CORRECTION
    {CFG_FLOAT, 0.0, nullptr},  // 9 CONFIG_TRES1_CORRECTION
    {CFG_FLOAT, 0.0, nullptr},  // 10 CONFIG_TRES2_CORRECTION
    {CFG_FLOAT, -5.0, nullptr},  // 11 REGLAGE_ALARM_3JOURS
    {CFG_FLOAT, -1.0, nullptr},  // 12 REGLAGE_ALARM_GPERIODE
    {CFG_INT, 1, nullptr},  // 13 FLAG_ALARM
    {CFG_INT, 0, nullptr},  // 14 FLAG_ALARM_CAPTEUR
    {CFG_FLOAT, 0.0, nullptr},  // 15 ANCIEN_PENTE
    {CFG_INT, 0, nullptr},  // 16 FLAG_RECHARGE
    {CFG_FLOAT, 0.0, nullptr},  // 17 MOYENNE_REFERENCE
    {CFG_INT, 2, nullptr},  // 18 LIGNE_DEBUT_ANALYSE
    {CFG_INT, 7, nullptr},  // 19 NOMBRE_JOURS_APPRENTISSAGE
    {CFG_FLOAT, 500.0, nullptr},  // 20 CONFIG_DIAMETRE
    {CFG_FLOAT, 38.22, nullptr},  // 21 CONFIG_DIAM_TUBE
    {CFG_INT, 1500, nullptr},  // 22 CONFIG_HEIGHT
    {CFG_CHAR, 'V', nullptr},  // 23 CONFIG_TANK_TYPE
    {CFG_INT, 1, nullptr},  // 24 CONFIG_TANK_NUMBER
    {CFG_INT, 0, nullptr},  // 25 CONFIG_COLUMN_TARE
    {CFG_STRING, 0, "1 5/8"},  // 26 CONFIG_COLUMN_TYPE
    {CFG_STRING, 0, "R404A"},  // 27 CONFIG_FLUID
    {CFG_STRING, 0, "fr"},  // 28 CONFIG_LANGUE
    {CFG_STRING, 0, nullptr},  // 29 CONFIG_KERNEL_VER
    {CFG_INT, 0, nullptr},  // 30 FLAG_DATE_INSTALLATION
    {CFG_INT, 0, nullptr},  // 31 CONFIG_SRV_ID
    {CFG_INT, 0, nullptr},  // 32 CONFIG_SRV_HOUR
    {CFG_INT, 0, nullptr},  // 33 CONFIG_SRV_MIN
    {CFG_INT, 0, nullptr},  // 34 ALARME_NIVEAU_MINI_G
    {CFG_INT, 20, nullptr},  // 35 ALARME_TEMPORISATION
    {CFG_INT, 1, nullptr},  // 36 STAT3J_CHECK
    {CFG_INT, 1, nullptr},  // 37 STATLP_CHECK
    {CFG_INT, 1, nullptr},  // 38 STAT103_CHECK
    {CFG_INT, 2400, nullptr},  // 39 CONFIG_UARTBAUDS_MESURE
    {CFG_INT, 0, nullptr},  // 40 CONFIG_INCLINAISON_RESERVOIR
    {CFG_INT, 300, nullptr},  // 41 z1_AJUSTE_POURCENT
    {CFG_INT, 7, nullptr},  // 42 z1_AJUSTE_JOURS
    {CFG_INT, 1, nullptr},  // 43 z2_CM_TYPE
    {CFG_INT, 0, nullptr},  // 44 z1_VERROU_ORV
    {CFG_INT, 0, nullptr},  // 45 CONFIG_SUBCRITIQUE
    {CFG_INT, 1, nullptr},  // 46 CONFIG_TRANSCRITIQUE
    {CFG_INT, 1, nullptr},  // 47 CONFIG_CONDENSEUR_TYPE
    {CFG_INT, 150, nullptr},  // 48 CONFIG_CONDENSEUR_PUISSANCE
    {CFG_INT, 0, nullptr},  // 49 CONFIG_ARRET_MACHINE
    {CFG_INT, 0, nullptr},  // 50 CONFIG_CHARGE_FLUIDE
    {CFG_INT, -12, nullptr},  // 51 CONFIG_CONSIGNE_BP
    {CFG_INT, 0, nullptr},  // 52 CONFIG_PUISSANCE_CO2_TRANS
    {CFG_INT, 0, nullptr},  // 53 CONFIG_PUISSANCE_CO2_SUB
    {CFG_INT, 0, nullptr},  // 54 z11_CONFIG_TYPE_COMPRESSEUR
    {CFG_INT, 1, nullptr},  // 55 z11_CONFIG_FUSEAU_HORRAIRE
    {CFG_FLOAT, 0.0, nullptr},  // 56 z5_CONFIG_HPFcorrection
    {CFG_INT, 0, nullptr},  // 57 z5_CONFIG_HPF_H
    {CFG_INT, 0, nullptr},  // 58 z5_CONFIG_HPF_J
    {CFG_INT, VERSION_MAJOR, nullptr},  // 59 CONFIG_VERSION_MAJOR
    {CFG_INT, VERSION_MINOR, nullptr},  // 60 CONFIG_VERSION_MINOR
    {CFG_INT, VERSION_RELEASE, nullptr},  // 61 CONFIG_VERSION_RELEASE
    {CFG_INT, 1200, nullptr},  // 62 CONFIG_TIMER_PERIOD
    {CFG_FLOAT, 2.0, nullptr},  // 63 CONFIG_CONS_TEMP
    {CFG_FLOAT, 12.0, nullptr},  // 64 CONFIG_MOY_REF_RECALCUL_HEURE
    {CFG_FLOAT, 3.6, nullptr},  // 65 CONFIG_TEXT_CORR_CAB3M
    {CFG_FLOAT, 3.6, nullptr},  // 66 CONFIG_TENT_CORR_CAB3M
    {CFG_FLOAT, 3.6, nullptr},  // 67 CONFIG_TLIQ_CORR_CAB3M
    {CFG_FLOAT, 3.6, nullptr},  // 68 CONFIG_TASP_CORR_CAB3M
    {CFG_FLOAT, 3.6, nullptr},  // 69 CONFIG_TREF_CORR_CAB3M
    {CFG_FLOAT, 3.6, nullptr},  // 70 CONFIG_TRES1_CORR_CAB3M
    {CFG_FLOAT, 3.6, nullptr},  // 71 CONFIG_TRES2_CORR_CAB3M
    {CFG_FLOAT, 0.0, nullptr},  // 72 CONFIG_HP_PRESSURE_CALIB
    {CFG_FLOAT, 0.0, nullptr},  // 73 CONFIG_BP_PRESSURE_CALIB
    {CFG_FLOAT, 0.0, nullptr},  // 74 CONFIG_HP_RES_PRESSURE_CALIB
    {CFG_INT, 50000, nullptr},  // 75 ALARME_NIVEAU_MINI_G_NUIT
    {CFG_INT, 30, nullptr},  // 76 ALARME_TEMPORISATION_NUIT
    {CFG_STRING, 0, nullptr},  // 77 CONFIG_DM9000_VER
    {CFG_STRING, 0, nullptr},  // 78 CONFIG_MACADDR
    {CFG_STRING, 0, "eth0"},  // 79 CONFIG_IFACE
    {CFG_INT, 0, nullptr},  // 80 CONFIG_DHCP
    {CFG_STRING, 0, "192.168.1.48"},  // 81 CONFIG_IP
    {CFG_STRING, 0, "255.255.255.0"},  // 82 CONFIG_MASK
    {CFG_STRING, 0, "192.168.1.1"},  // 83 CONFIG_GW
    {CFG_STRING, 0, "norvale_wifi"},  // 84 CONFIG_WIFI_SSID
    {CFG_INT, 1, nullptr},  // 85 CONFIG_WIFI_TYPE
    {CFG_STRING, 0, "5820194736615093827401"},  // 86 CONFIG_WIFI_KEY
    {CFG_STRING, 0, "0.0.0.0"},  // 87 CONFIG_IP_VPN
    {CFG_INT, 8888, nullptr},  // 88 CONFIG_GTCSRV_PORT
    {CFG_INT, 0, nullptr},  // 89 CONFIG_FLAG_REFOIDISSEUR
    {CFG_INT, -1, nullptr},  // 90 CONFIG_MOY_REF_RECALCUL_CTRL
    {CFG_INT, 0, nullptr},  // 91 CONFIG_REG_BP
    {CFG_INT, 0, nullptr},  // 92 CONFIG_REG_HP
    {CFG_INT, 40, nullptr},  // 93 CONFIG_CONSIGNE_HP
    {CFG_INT, 0, nullptr},  // 94 CONFIG_VOLUME_CONDENSEUR
    {CFG_INT, 0, nullptr},  // 95 CONFIG_VOLUME_RESERVOIR
    {CFG_FLOAT, 0.0, nullptr},  // 96 STAT103_VALUE
    {CFG_FLOAT, 200.0, nullptr},  // 97 STAT3J_VALUE
    {CFG_FLOAT, 0.0, nullptr},  // 98 STATLP_VALUE
    {CFG_FLOAT, 0.0, nullptr},  // 99 CONFIG_TEXT_MANUEL_CORRECTION
    {CFG_FLOAT, 0.0, nullptr},  // 100 CONFIG_TENT_MANUEL_CORRECTION
    {CFG_FLOAT, 0.0, nullptr},  // 101 CONFIG_TLIQ_MANUEL_CORRECTION
    {CFG_FLOAT, 0.0, nullptr},  // 102 CONFIG_TASP_MANUEL_CORRECTION
    {CFG_FLOAT, 0.0, nullptr},  // 103 CONFIG_TREF_MANUEL_CORRECTION
    {CFG_FLOAT, 0.0, nullptr},  // 104 CONFIG_TRES1_MANUEL_CORRECTION
    {CFG_FLOAT, 0.0, nullptr},  // 105 CONFIG_TRES2_MANUEL_CORRECTION
    {CFG_INT, 0, nullptr},  // 106 ALARME_PUMPDOWN
    {CFG_STRING, 0, "Nom_du_ORV"},  // 107 CONFIG_ORV_NAME
    {CFG_NONE, 0, nullptr},  // 108
    {CFG_INT, 0, nullptr},  // 109 INTERVENTION_TECH
    {CFG_INT, 0, nullptr},  // 110 FLAG_RECALC_MOYREF
    {CFG_STRING, 0, ORV_DEFAULT_SFTP_SERVER},  // 111 CONFIG_STFP_IP
    {CFG_STRING, 0, "Nom_du_client_sur_site"},  // 112 CONFIG_NOM_CLIENT_DU_SITE
    {CFG_STRING, 0, "NC"},  // 113 CONFIG_TARE_DATE
};

CfgType cfgKeyType(int id) {
  if (id < 0 || id >= ORV_CFG_KEY_COUNT) return CFG_NONE;
  return ORV_CFG_KEYS[id].type;
}

bool cfgValueInWizardRange(int id, double value) {
  // The ranges of the wizard's spin boxes and scroll bars for these settings.
  static const struct {
    int id;
    double lowest, highest;
  } kRanges[] = {
      {20, 100, 2000},  // CONFIG_DIAMETRE, mm
      {22, 150, 5000},  // CONFIG_HEIGHT, mm (column height or receiver length)
      {24, 1, 4},       // CONFIG_TANK_NUMBER
      {40, 0, 300},     // CONFIG_INCLINAISON_RESERVOIR, mm
      {48, 0, 9999},    // CONFIG_CONDENSEUR_PUISSANCE, kW
      {50, 10, 2000},   // CONFIG_CHARGE_FLUIDE, kg
      {51, -50, 10},    // CONFIG_CONSIGNE_BP, degC
      {93, 0, 50},      // CONFIG_CONSIGNE_HP, degC
      {94, 10, 1200},   // CONFIG_VOLUME_CONDENSEUR, dm3
      {95, 10, 1200},   // CONFIG_VOLUME_RESERVOIR, dm3
  };
  // The default is what a plant never commissioned holds (no charge, no volumes yet).
  if (id >= 0 && id < ORV_CFG_KEY_COUNT && value == ORV_CFG_KEYS[id].number) return true;
  for (const auto& r : kRanges)
    if (r.id == id) return value >= r.lowest && value <= r.highest;
  return true;
}

bool cfgTextFitsType(CfgType type, const std::string& text) {
  switch (type) {
    case CFG_INT: return isIntegerText(text, INT_MIN, INT_MAX);
    case CFG_FLOAT:  // read as a double, kept as a float
      return isDecimalText(text) && std::fabs(std::strtod(text.c_str(), nullptr)) <= FLT_MAX;
    case CFG_CHAR: return text.size() == 1 && text[0] > ' ' && text[0] < 127;
    case CFG_STRING: return true;
    case CFG_NONE: break;
  }
  return false;
}
