// Configuration records of the bus modules, as they travel on the bus (packed,
// little-endian, IEEE-754 single floats) and as the configuration store keeps them in the
// module sections of config.conf. Each key table gives, per configuration key id, the key,
// its field in the record and the default the store inserts for a missing key.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "orvCfgKeys.h"

// V2 measurement card, section "Module_Mesure_V2" (ids 115..130).
struct __attribute__((packed)) cm_config_t {
  uint8_t rs485_id;         // 115 card's bus id (the client always talks to address 1)
  uint8_t configured;       // 116 1 = holds a commissioned configuration
  uint8_t radioEnabled;     // 117 radio thermometer
  float jaugeType;          // 118 strain gauge capacity
  float jaugeMvV;           // 119 gauge sensitivity, mV/V
  float jaugeTare;          // 120 tare, g
  float pressureMax;        // 121 pressure sensor full scale, bar
  float pressureMin;        // 122 pressure sensor minimum, bar
  float cableOhmsPt100[3];  // 123..125
  float calibOhmsPt100[3];  // 126..128
  uint32_t uart1Speed;      // 129
  uint32_t uart2Speed;      // 130 the speed the controller talks to the card at
};
static_assert(sizeof(cm_config_t) == 55, "cm_config_t is 55 bytes");

// V1 measurement card: three keys of section "General". Copied as 24 bytes; the last 12
// carry nothing.
struct __attribute__((packed)) cmV1_config_t {
  uint32_t speed;           // CONFIG_UARTBAUDS_MESURE
  float pressureFullScale;  // CONFIG_GAMME_PRESSION, bar
  float pressureMin;        // CONFIG_MIN_PRESSION, bar
  uint8_t unused[12];
};
static_assert(sizeof(cmV1_config_t) == 24, "cmV1_config_t is 24 bytes");

// HPF module, section "Module_HPF" (ids 133..171).
struct __attribute__((packed)) hp_global_config_t {
  uint8_t isConfigured;       // 133
  int32_t ventilPowerKw[12];  // 134..145 fan stage powers; 0 = stage unused
  float TES;                  // 146
  float Dt;                   // 147
  float TCmini;               // 148 degC
  float const1M;              // 149
  float const2M;              // 150
  float const1D;              // 151
  float const2D;              // 152
  uint32_t TVM;               // 153
  uint32_t TVD;               // 154
  float const1mA;             // 155
  float const2mA;             // 156
  float const1volt;           // 157
  float const2volt;           // 158
  uint8_t variateur;          // 159 0 voltage output, else current
  uint8_t rInfoVariateur;     // 160
  float pMaxVaria;            // 161
  uint8_t autoAdaptative;     // 162
  float difUp;                // 163
  float difDown;              // 164
  float mAMax;                // 165
  float voltMax;              // 166
  float hpMax;                // 167
  uint8_t compOnInfoMode;     // 168
  uint8_t regulMode;          // 169
  uint32_t uart1Speed;        // 170
  uint32_t uart2Speed;        // 171 the speed the controller talks to the module at
};
static_assert(sizeof(hp_global_config_t) == 138, "hp_global_config_t is 138 bytes");

// Plant values the controller sends the HPF module with every cyclic exchange.
struct __attribute__((packed)) orv_toHP_datas_t {
  uint8_t compressorsRunning;  // plant-running flag
  uint32_t puissanceComp[6];   // kW, truncated
  float tempExt;               // degC
  float tempCondensation;      // saturation temperature at HP, degC
  float pressionHP;            // bar gauge
};
static_assert(sizeof(orv_toHP_datas_t) == 37, "orv_toHP_datas_t is 37 bytes");

// ENERGIE module n, section "Module_Energie_<n>", keys "z<6+n><suffix>" (ids 174..201).
struct __attribute__((packed)) ener_global_config_t {
  uint8_t addr;                // 174 bus address, 6 + n
  uint8_t isConfigured;        // 175
  uint8_t affectation[3];      // 176..178 block assignment 0..8
  uint32_t puissanceTI[3];     // 179..181 current transformer rating, A
  uint8_t nombreTI[3];         // 182..184
  uint8_t pressionEnabled;     // 188
  float pressionType;          // 189 full scale, bar
  float pressionMini;          // 190 bar
  uint8_t pt100Enabled;        // 191
  float pt100Calibration;      // 192
  float pt100IrefCalib;        // 193
  float currentCalib;          // 194 the four calibration values = the '>' payload
  float currentCalibMin;       // 195
  float voltageCalib;          // 196
  float voltageCalibMin;       // 197
  uint32_t uart1Speed;         // 198
  uint32_t uart2Speed;         // 199 the speed the controller talks to the module at
  float pt100CableCorrection;  // 200 degC
  float pressionOffset;        // 201 bar
};
static_assert(sizeof(ener_global_config_t) == 70, "ener_global_config_t is 70 bytes");

// The four calibration values of an ENERGIE module (payload of command '>').
struct __attribute__((packed)) puissance_rms_calbration_config_t {
  float currentCalib;
  float currentCalibMin;
  float voltageCalib;
  float voltageCalibMin;
};
static_assert(sizeof(puissance_rms_calbration_config_t) == 16, "16 bytes");

// Controller-side configuration of one ENERGIE module.
struct __attribute__((packed)) energyORV_cfg_t {
  int32_t survTension_ecart;      // 202 voltage tolerance, %; negative: watch off
  float survTension_reference;    // 203 V; 0 = not learned yet
  int32_t affectationPercent[3];  // 185..187 share of each block, %
  ener_global_config_t module;
};

// ---- Key tables ------------------------------------------------------------------------

enum class ModKeyType { U8, I32, U32, F32 };

struct ModuleKeyDef {
  int id;
  const char* key;  // whole key; for ENERGIE the suffix after "z<6+n>"
  ModKeyType type;
  size_t offset;  // field offset in the record
  double def;     // default inserted for a missing key
  int block;      // ENERGIE measuring block 0..2 ("BP<block>" ends the key), else -1
};

struct ModuleKeyTable {
  const ModuleKeyDef* keys;
  size_t count;
  // Definition of `id`, or nullptr.
  const ModuleKeyDef* find(int id) const;
};

extern const ModuleKeyTable MESV2_KEY_TABLE;  // offsets in cm_config_t, "Module_Mesure_V2"
extern const ModuleKeyTable MESV1_KEY_TABLE;  // offsets in cmV1_config_t, "General"
extern const ModuleKeyTable HPF_KEY_TABLE;    // offsets in hp_global_config_t, "Module_HPF"
extern const ModuleKeyTable ENER_KEY_TABLE;   // offsets in energyORV_cfg_t

extern const char* const MESV2_SECTION;        // "Module_Mesure_V2"
extern const char* const HPF_SECTION;          // "Module_HPF"
extern const char* const MESV2_VERSION_KEY;    // id 114 "z2_CM_VERSION"
extern const char* const HPF_VERSION_KEY;      // id 131
extern const char* const HPF_ID_KEY;           // id 132
extern const char* const HPF_RELAYS_KEY;       // id 172
extern const char* const ENER_VERSION_SUFFIX;  // id 173 "_ENER_VERSION"

// Type of a key of a module section by its whole keyword: the V2 card's, the HPF module's
// and those of ENERGIE modules 0..2, their version and address keys included, and its key
// id when `id` is given. False when no module section has such a key.
bool moduleKeyType(const std::string& keyword, ModKeyType* type, int* id = nullptr);

// True when `value` is finite and one that the module screens offer for key `id`: the
// flags, modes, block assignments, transformer ratings and counts, shares and serial
// speeds of their lists, the ENERGIE addresses and pressure probe ranges. Other keys take
// any finite value.
bool moduleValueAllowed(int id, double value);

// "Module_Energie_<n>".
std::string enerSection(int n);
// Full key of an ENERGIE key for module n: "z", 6 + n, the suffix, then "BP<block>" for
// the block keys.
std::string enerKey(int n, const ModuleKeyDef& def);
// Default of an ENERGIE key for module n (the bus address default is 6 + n).
double enerDefault(int n, const ModuleKeyDef& def);

// A record field as a number, and back (narrowed to the field's type).
double moduleField(const void* record, const ModuleKeyDef& def);
void setModuleField(void* record, const ModuleKeyDef& def, double value);
// A record field in the typed value the clients give out: bytes in charValue, integers in
// intValue, floats in floatValue.
cfg_value_t moduleFieldValue(const void* record, const ModuleKeyDef& def);
// Stores the value `value` points at (a byte, an i32, a u32 or a float by the field's
// type) into the field; true when the field changed.
bool storeModuleField(void* record, const ModuleKeyDef& def, const void* value);
// The text a single-key write records: "%d" of integers and bytes, "%f" of floats.
std::string moduleFieldText(const cfg_value_t& value, ModKeyType type);
