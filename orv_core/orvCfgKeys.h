// The key vocabulary of section "General": for every key id 0..113 its keyword, its value
// type and the default a read supplies when the file lacks it. Id 108 has no keyword.
#pragma once

#include <string>

// The record every key read returns: only the field of the key's type is set.
struct cfg_value_t {
  char charValue = 0;
  int intValue = 0;
  float floatValue = 0.0f;
  std::string stringValue;
};

enum CfgType { CFG_NONE = 0, CFG_CHAR = 1, CFG_INT = 2, CFG_FLOAT = 3, CFG_STRING = 4 };

constexpr int ORV_CFG_KEY_COUNT = 114;

// Keyword of each id; "" for 108, which names no setting.
extern const char* const ORV_CFG_TAG[ORV_CFG_KEY_COUNT];

struct CfgKeyDef {
  CfgType type;
  double number;     // default of a char (its code), int or float key
  const char* text;  // default of a string key; nullptr when computed at each read
};
// Type and default of each id.
extern const CfgKeyDef ORV_CFG_KEYS[ORV_CFG_KEY_COUNT];

// Type of a key id; CFG_NONE outside 0..113 and for 108.
CfgType cfgKeyType(int id);

// True when `text` is a value of `type`: a whole integer in the int range, a whole decimal
// number in the float range, exactly one visible character, or any text for a string key;
// false for CFG_NONE.
bool cfgTextFitsType(CfgType type, const std::string& text);

// True unless key `id` describes the plant with a number that the installation wizard
// keeps within a range (receiver geometry and count, condenser power, set points, volumes
// and charge) and `value` lies outside it; the key's default, the value of a plant never
// commissioned, is within.
bool cfgValueInWizardRange(int id, double value);

// Key ids that the code names directly.
enum CfgKeyId {
  CFG_FLAG_ALARM = 13,
  CFG_FLAG_ALARM_CAPTEUR = 14,
  CFG_ANCIEN_PENTE = 15,
  CFG_MOYENNE_REFERENCE = 17,
  CFG_COLUMN_TYPE = 26,
  CFG_FLUID = 27,
  CFG_KERNEL_VER = 29,
  CFG_SRV_ID = 31,
  CFG_SRV_HOUR = 32,
  CFG_SRV_MIN = 33,
  CFG_ALARME_TEMPORISATION = 35,
  CFG_SUBCRITIQUE = 45,
  CFG_TRANSCRITIQUE = 46,
  CFG_HPF_H = 57,
  CFG_HPF_J = 58,
  CFG_VERSION_MAJOR = 59,
  CFG_VERSION_MINOR = 60,
  CFG_VERSION_RELEASE = 61,
  CFG_ALARME_TEMPORISATION_NUIT = 76,
  CFG_DM9000_VER = 77,
  CFG_MACADDR = 78,
  CFG_IFACE = 79,
  CFG_DHCP = 80,
  CFG_IP = 81,
  CFG_MASK = 82,
  CFG_GW = 83,
  CFG_WIFI_SSID = 84,
  CFG_WIFI_TYPE = 85,
  CFG_WIFI_KEY = 86,
  CFG_FLAG_REFOIDISSEUR = 89,
  CFG_ORV_NAME = 107,
  CFG_STFP_IP = 111,
  CFG_NOM_CLIENT_DU_SITE = 112,
  CFG_TARE_DATE = 113,
};
