#include "modules_config.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#define FIELD(rec, f) offsetof(rec, f)
#define ENER(f) (offsetof(energyORV_cfg_t, module) + offsetof(ener_global_config_t, f))

namespace {
using T = ModKeyType;

// clang-format off
const ModuleKeyDef kMesV2Keys[] = {
    {115, "z2_CM_RS485_ID", T::U8, FIELD(cm_config_t, rs485_id), 1, -1},
    {116, "z2_CM_CONFIGURED", T::U8, FIELD(cm_config_t, configured), 0, -1},
    {117, "z2_CM_RADIO_ENABLED", T::U8, FIELD(cm_config_t, radioEnabled), 0, -1},
    {118, "z2_CM_JAUGE_TYPE", T::F32, FIELD(cm_config_t, jaugeType), 20.0, -1},
    {119, "z2_CM_JAUGE_mVV", T::F32, FIELD(cm_config_t, jaugeMvV), 2.0, -1},
    {120, "z2_CM_JAUGE_TARE_gr", T::F32, FIELD(cm_config_t, jaugeTare), 0.0, -1},
    {121, "z2_CM_PRESSURE_TYPE_BARmax", T::F32, FIELD(cm_config_t, pressureMax), 30.0, -1},
    {122, "z2_CM_PRESSURE_MINI_BARmin", T::F32, FIELD(cm_config_t, pressureMin), 0.0, -1},
    {123, "z2_CM_CABLE_OHMS_PT100_0", T::F32, FIELD(cm_config_t, cableOhmsPt100), 0.0, -1},
    {124, "z2_CM_CABLE_OHMS_PT100_1", T::F32, FIELD(cm_config_t, cableOhmsPt100) + 4, 0.0, -1},
    {125, "z2_CM_CABLE_OHMS_PT100_2", T::F32, FIELD(cm_config_t, cableOhmsPt100) + 8, 0.0, -1},
    {126, "z2_CM_CALIB_OHMS_PT100_0", T::F32, FIELD(cm_config_t, calibOhmsPt100), 0.0, -1},
    {127, "z2_CM_CALIB_OHMS_PT100_1", T::F32, FIELD(cm_config_t, calibOhmsPt100) + 4, 0.0, -1},
    {128, "z2_CM_CALIB_OHMS_PT100_2", T::F32, FIELD(cm_config_t, calibOhmsPt100) + 8, 0.0, -1},
    {129, "z2_CM_UART1_SPEED", T::U32, FIELD(cm_config_t, uart1Speed), 2400, -1},
    {130, "z2_CM_UART2_SPEED", T::U32, FIELD(cm_config_t, uart2Speed), 9600, -1},
};

// The V1 card's three keys of section "General", with their ids there.
const ModuleKeyDef kMesV1Keys[] = {
    {39, "CONFIG_UARTBAUDS_MESURE", T::U32, FIELD(cmV1_config_t, speed), 2400, -1},
    {1, "CONFIG_GAMME_PRESSION", T::F32, FIELD(cmV1_config_t, pressureFullScale), 30.0, -1},
    {2, "CONFIG_MIN_PRESSION", T::F32, FIELD(cmV1_config_t, pressureMin), 0.0, -1},
};

#define HPF(f) FIELD(hp_global_config_t, f)
const ModuleKeyDef kHpfKeys[] = {
    {133, "z0_HPF-CONFIG_ISCONFIGIRED", T::U8, HPF(isConfigured), 0, -1},
    {134, "z0_HPF_CONFIG_V_MP_Kw_0", T::I32, HPF(ventilPowerKw) + 0, 0, -1},
    {135, "z0_HPF_CONFIG_V_MP_Kw_1", T::I32, HPF(ventilPowerKw) + 4, 0, -1},
    {136, "z0_HPF_CONFIG_V_MP_Kw_2", T::I32, HPF(ventilPowerKw) + 8, 0, -1},
    {137, "z0_HPF_CONFIG_V_MP_Kw_3", T::I32, HPF(ventilPowerKw) + 12, 0, -1},
    {138, "z0_HPF_CONFIG_V_MP_Kw_4", T::I32, HPF(ventilPowerKw) + 16, 0, -1},
    {139, "z0_HPF_CONFIG_V_MP_Kw_5", T::I32, HPF(ventilPowerKw) + 20, 0, -1},
    {140, "z0_HPF_CONFIG_V_MP_Kw_6", T::I32, HPF(ventilPowerKw) + 24, 0, -1},
    {141, "z0_HPF_CONFIG_V_MP_Kw_7", T::I32, HPF(ventilPowerKw) + 28, 0, -1},
    {142, "z0_HPF_CONFIG_V_MP_Kw_8", T::I32, HPF(ventilPowerKw) + 32, 0, -1},
    {143, "z0_HPF_CONFIG_V_MP_Kw_9", T::I32, HPF(ventilPowerKw) + 36, 0, -1},
    {144, "z0_HPF_CONFIG_V_MP_Kw_10", T::I32, HPF(ventilPowerKw) + 40, 0, -1},
    {145, "z0_HPF_CONFIG_V_MP_Kw_11", T::I32, HPF(ventilPowerKw) + 44, 0, -1},
    {146, "z0_HPF-CONFIG_TES", T::F32, HPF(TES), 32.0, -1},
    {147, "z0_HPF-CONFIG_Dt", T::F32, HPF(Dt), 10.0, -1},
    {148, "z0_HPF-CONFIG_TCmini", T::F32, HPF(TCmini), 21.5, -1},
    {149, "z0_HPF-CONFIG_Const1M", T::F32, HPF(const1M), -5.0, -1},
    {150, "z0_HPF-CONFIG_Const2M", T::F32, HPF(const2M), 11.0, -1},
    {151, "z0_HPF-CONFIG_Const1D", T::F32, HPF(const1D), -2.0, -1},
    {152, "z0_HPF-CONFIG_Const2D", T::F32, HPF(const2D), 8.0, -1},
    {153, "z0_HPF-CONFIG_TVM", T::U32, HPF(TVM), 60, -1},
    {154, "z0_HPF-CONFIG_TVD", T::U32, HPF(TVD), 60, -1},
    {155, "z0_HPF-CONFIG_Const1mA", T::F32, HPF(const1mA), 0.2722, -1},
    {156, "z0_HPF-CONFIG_Const2mA", T::F32, HPF(const2mA), 0.6294, -1},
    {157, "z0_HPF-CONFIG_Const1volt", T::F32, HPF(const1volt), 0.2502, -1},
    {158, "z0_HPF-CONFIG_Const2volt", T::F32, HPF(const2volt), 0.4473, -1},
    {159, "z0_HPF-CONFIG_Variateur", T::U8, HPF(variateur), 0, -1},
    {160, "z0_HPF-CONFIG_Rinfovariateur", T::U8, HPF(rInfoVariateur), 0, -1},
    {161, "z0_HPF-CONFIG_Pmaxvaria", T::F32, HPF(pMaxVaria), 0.0, -1},
    {162, "z0_HPF-CONFIG_Autoadaptative", T::U8, HPF(autoAdaptative), 0, -1},
    {163, "z0_HPF-CONFIG_DifUp", T::F32, HPF(difUp), 1.0, -1},
    {164, "z0_HPF-CONFIG_DifDown", T::F32, HPF(difDown), 1.0, -1},
    {165, "z0_HPF-CONFIG_mA_Max", T::F32, HPF(mAMax), 8.0, -1},
    {166, "z0_HPF-CONFIG_volt_Max", T::F32, HPF(voltMax), 4.0, -1},
    {167, "z0_HPF-CONFIG_HP_Max", T::F32, HPF(hpMax), 45.0, -1},
    {168, "z0_HPF-CONFIG_CompON_InfoMode", T::U8, HPF(compOnInfoMode), 0, -1},
    {169, "z0_HPF-CONFIG_RegulMode", T::U8, HPF(regulMode), 0, -1},
    {170, "z0_HPF-CONFIG_uart1_cfg_speed", T::U32, HPF(uart1Speed), 9600, -1},
    {171, "z0_HPF-CONFIG_uart2_cfg_speed", T::U32, HPF(uart2Speed), 9600, -1},
};

// Offsets in energyORV_cfg_t; the last column is the measuring block of the block keys.
#define CFG(f) FIELD(energyORV_cfg_t, f)
const ModuleKeyDef kEnerKeys[] = {
    {202, "_ENER_survTension_ecart", T::I32, CFG(survTension_ecart), 5, -1},
    {203, "_ENER_survTension_reference", T::F32, CFG(survTension_reference), 0.0, -1},
    {185, "_ENER_puissance_affectation_percent_", T::I32, CFG(affectationPercent), 100, 0},
    {186, "_ENER_puissance_affectation_percent_", T::I32, CFG(affectationPercent) + 4, 100, 1},
    {187, "_ENER_puissance_affectation_percent_", T::I32, CFG(affectationPercent) + 8, 100, 2},
    {174, "_ENER_uart_rs485_id", T::U8, ENER(addr), 6, -1},
    {175, "_ENER_isConfigured", T::U8, ENER(isConfigured), 0, -1},
    {176, "_ENER_puissance_affectation_", T::U8, ENER(affectation), 0, 0},
    {177, "_ENER_puissance_affectation_", T::U8, ENER(affectation) + 1, 0, 1},
    {178, "_ENER_puissance_affectation_", T::U8, ENER(affectation) + 2, 0, 2},
    {179, "_ENER_puissance_puissanceTI_", T::U32, ENER(puissanceTI), 50, 0},
    {180, "_ENER_puissance_puissanceTI_", T::U32, ENER(puissanceTI) + 4, 50, 1},
    {181, "_ENER_puissance_puissanceTI_", T::U32, ENER(puissanceTI) + 8, 50, 2},
    {182, "_ENER_puissance_nombreTI_", T::U8, ENER(nombreTI), 3, 0},
    {183, "_ENER_puissance_nombreTI_", T::U8, ENER(nombreTI) + 1, 3, 1},
    {184, "_ENER_puissance_nombreTI_", T::U8, ENER(nombreTI) + 2, 3, 2},
    {188, "_ENER_pression_enabled", T::U8, ENER(pressionEnabled), 0, -1},
    {189, "_ENER_pression_type", T::F32, ENER(pressionType), 7.0, -1},
    {190, "_ENER_pression_mini", T::F32, ENER(pressionMini), -1.0, -1},
    {191, "_ENER_PT100_enabled", T::U8, ENER(pt100Enabled), 0, -1},
    {192, "_ENER_PT100_pt100_calbration", T::F32, ENER(pt100Calibration), 0.0, -1},
    {193, "_ENER_PT100_IrefCalib", T::F32, ENER(pt100IrefCalib), 0.0046, -1},
    {194, "_ENER_current_calibration_value", T::F32, ENER(currentCalib), 2.5, -1},
    {195, "_ENER_current_calibration_valueMin", T::F32, ENER(currentCalibMin), 0.0, -1},
    {196, "_ENER_voltage_calibration_value", T::F32, ENER(voltageCalib), 280.0, -1},
    {197, "_ENER_voltage_calibration_valueMin", T::F32, ENER(voltageCalibMin), 0.0, -1},
    {198, "_ENER_uart1_cfg_speed", T::U32, ENER(uart1Speed), 9600, -1},
    {199, "_ENER_uart2_cfg_speed", T::U32, ENER(uart2Speed), 9600, -1},
    {200, "_ENER_PT100_cableCorrection", T::F32, ENER(pt100CableCorrection), 0.0, -1},
    {201, "_ENER_pression_offset", T::F32, ENER(pressionOffset), 0.0, -1},
};
// clang-format on

template <size_t N>
constexpr ModuleKeyTable tableOf(const ModuleKeyDef (&keys)[N]) {
  return ModuleKeyTable{keys, N};
}
}  // namespace

const ModuleKeyTable MESV2_KEY_TABLE = tableOf(kMesV2Keys);
const ModuleKeyTable MESV1_KEY_TABLE = tableOf(kMesV1Keys);
const ModuleKeyTable HPF_KEY_TABLE = tableOf(kHpfKeys);
const ModuleKeyTable ENER_KEY_TABLE = tableOf(kEnerKeys);

const char* const MESV2_SECTION = "Module_Mesure_V2";
const char* const HPF_SECTION = "Module_HPF";
const char* const MESV2_VERSION_KEY = "z2_CM_VERSION";
const char* const HPF_VERSION_KEY = "z0_HPF-CONFIG_VERSION";
const char* const HPF_ID_KEY = "z0_HPF-CONFIG_uart_rs485_id";
const char* const HPF_RELAYS_KEY = "z0_HPF-CONFIG_RelayCardNum";
const char* const ENER_VERSION_SUFFIX = "_ENER_VERSION";

const ModuleKeyDef* ModuleKeyTable::find(int id) const {
  for (size_t i = 0; i < count; ++i)
    if (keys[i].id == id) return &keys[i];
  return nullptr;
}

bool moduleKeyType(const std::string& keyword, ModKeyType* type, int* id) {
  auto found = [type, id](ModKeyType t, int keyId) {
    *type = t;
    if (id) *id = keyId;
    return true;
  };
  for (const ModuleKeyTable* table : {&MESV2_KEY_TABLE, &HPF_KEY_TABLE})
    for (size_t i = 0; i < table->count; ++i)
      if (keyword == table->keys[i].key) return found(table->keys[i].type, table->keys[i].id);
  if (keyword == MESV2_VERSION_KEY) return found(ModKeyType::F32, 114);
  if (keyword == HPF_VERSION_KEY) return found(ModKeyType::F32, 131);
  if (keyword == HPF_ID_KEY) return found(ModKeyType::U8, 132);
  if (keyword == HPF_RELAYS_KEY) return found(ModKeyType::U8, 172);
  for (int n = 0; n < 3; ++n) {
    for (size_t i = 0; i < ENER_KEY_TABLE.count; ++i)
      if (keyword == enerKey(n, ENER_KEY_TABLE.keys[i]))
        return found(ENER_KEY_TABLE.keys[i].type, ENER_KEY_TABLE.keys[i].id);
    if (keyword == "z" + std::to_string(6 + n) + ENER_VERSION_SUFFIX) return found(ModKeyType::F32, 173);
  }
  return false;
}

bool moduleValueAllowed(int id, double value) {
  auto oneOf = [value](std::initializer_list<double> choices) {
    return std::find(choices.begin(), choices.end(), value) != choices.end();
  };
  auto within = [value](double lowest, double highest) { return value >= lowest && value <= highest; };
  if (!std::isfinite(value)) return false;
  switch (id) {
    case 116: case 117:             // card configured, radio thermometer
    case 133: case 159: case 160:   // HPF configured, variator signal, power feedback
    case 162:                       // HPF auto-adaptive
    case 175: case 188: case 191:   // ENERGIE configured, pressure and PT100 probes
      return oneOf({0, 1});
    case 168: case 169: return within(0, 2);  // compressor information source, regulation
    case 174: return within(6, 8);            // ENERGIE bus address
    case 176: case 177: case 178: return within(0, 8);  // block assignment codes
    case 179: case 180: case 181: return oneOf({0, 50, 100, 150, 300});  // TI rating, A
    case 182: case 183: case 184: return oneOf({0, 1, 3});               // TI count
    case 185: case 186: case 187: return within(0, 100);  // share of a block, %
    case 189: return within(0, 300);  // pressure probe full scale, bar
    case 190: return within(-1, 0);   // pressure probe minimum, bar
    case 129: case 130: case 170: case 171: case 198: case 199:  // serial speeds, Bd
      return oneOf({2400, 4800, 9600, 19200, 38400, 57600, 115200});
    default: return true;
  }
}

std::string enerSection(int n) { return "Module_Energie_" + std::to_string(n); }

std::string enerKey(int n, const ModuleKeyDef& def) {
  std::string key = "z" + std::to_string(6 + n) + def.key;
  if (def.block >= 0) key += "BP" + std::to_string(def.block);
  return key;
}

double enerDefault(int n, const ModuleKeyDef& def) { return def.id == 174 ? 6 + n : def.def; }

double moduleField(const void* record, const ModuleKeyDef& def) {
  const unsigned char* p = static_cast<const unsigned char*>(record) + def.offset;
  switch (def.type) {
    case ModKeyType::U8: return *p;
    case ModKeyType::I32: {
      int32_t v;
      std::memcpy(&v, p, 4);
      return v;
    }
    case ModKeyType::U32: {
      uint32_t v;
      std::memcpy(&v, p, 4);
      return v;
    }
    case ModKeyType::F32: {
      float v;
      std::memcpy(&v, p, 4);
      return v;
    }
  }
  return 0;
}

void setModuleField(void* record, const ModuleKeyDef& def, double value) {
  unsigned char* p = static_cast<unsigned char*>(record) + def.offset;
  switch (def.type) {
    case ModKeyType::U8: *p = static_cast<uint8_t>(static_cast<int>(value)); break;
    case ModKeyType::I32: {
      int32_t v = static_cast<int32_t>(value);
      std::memcpy(p, &v, 4);
      break;
    }
    case ModKeyType::U32: {
      // Through a signed 64-bit value: a "-1" in the file wraps as it would in C.
      uint32_t v = static_cast<uint32_t>(static_cast<int64_t>(value));
      std::memcpy(p, &v, 4);
      break;
    }
    case ModKeyType::F32: {
      float v = static_cast<float>(value);
      std::memcpy(p, &v, 4);
      break;
    }
  }
}

cfg_value_t moduleFieldValue(const void* record, const ModuleKeyDef& def) {
  cfg_value_t r;
  const unsigned char* p = static_cast<const unsigned char*>(record) + def.offset;
  switch (def.type) {
    case ModKeyType::U8: r.charValue = static_cast<char>(*p); break;
    case ModKeyType::I32:
    case ModKeyType::U32: std::memcpy(&r.intValue, p, 4); break;
    case ModKeyType::F32: std::memcpy(&r.floatValue, p, 4); break;
  }
  return r;
}

bool storeModuleField(void* record, const ModuleKeyDef& def, const void* value) {
  unsigned char* p = static_cast<unsigned char*>(record) + def.offset;
  size_t width = def.type == ModKeyType::U8 ? 1 : 4;
  if (std::memcmp(p, value, width) == 0) return false;
  std::memcpy(p, value, width);
  return true;
}

std::string moduleFieldText(const cfg_value_t& value, ModKeyType type) {
  char text[64];
  switch (type) {
    case ModKeyType::U8:
      std::snprintf(text, sizeof text, "%d", static_cast<unsigned char>(value.charValue));
      break;
    case ModKeyType::I32:
    case ModKeyType::U32: std::snprintf(text, sizeof text, "%d", value.intValue); break;
    case ModKeyType::F32:
      std::snprintf(text, sizeof text, "%f", static_cast<double>(value.floatValue));
      break;
  }
  return text;
}
