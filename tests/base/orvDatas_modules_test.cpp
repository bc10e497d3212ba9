// The store's module sections: defaults of a missing section, a written record read back
// whole, the number forms in the file, and the clean-up of the sections in memory.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "orvDatas.h"
#include "orv_test_sandbox.h"

namespace {

const char kLive[] = "/home/ORV/config.conf";

bool fileHasLine(const std::string& text, const std::string& line) {
  return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

}  // namespace

// A missing section reads as the defaults of its key table, inserted in memory only.
TEST(OrvDatasModules, MissingSectionsReadAsTheirDefaults) {
  TestSandbox box;
  orvDatas store;
  cm_config_t v2;
  std::memset(&v2, 0xAB, sizeof v2);
  ASSERT_EQ(store.readMESv2_Config_fromFile(v2), 1);
  EXPECT_EQ(v2.rs485_id, 1);
  EXPECT_EQ(v2.configured, 0);
  EXPECT_FLOAT_EQ(v2.jaugeType, 20.0f);
  EXPECT_FLOAT_EQ(v2.pressureMax, 30.0f);
  EXPECT_EQ(v2.uart1Speed, 2400u);
  EXPECT_EQ(v2.uart2Speed, 9600u);
  hp_global_config_t hpf;
  std::memset(&hpf, 0xAB, sizeof hpf);
  ASSERT_EQ(store.readHPF_Config_fromFile(&hpf), 1);
  EXPECT_EQ(hpf.ventilPowerKw[11], 0);
  EXPECT_FLOAT_EQ(hpf.TCmini, 21.5f);
  EXPECT_FLOAT_EQ(hpf.const1mA, 0.2722f);
  EXPECT_EQ(hpf.TVD, 60u);
  EXPECT_FLOAT_EQ(hpf.hpMax, 45.0f);
  for (int n = 0; n < 3; ++n) {
    energyORV_cfg_t ener;
    std::memset(&ener, 0xAB, sizeof ener);
    ASSERT_EQ(store.readENER_Config_fromFile(n, &ener), 1);
    EXPECT_EQ(ener.module.addr, 6 + n);
    EXPECT_EQ(ener.survTension_ecart, 5);
    EXPECT_EQ(ener.affectationPercent[2], 100);
    EXPECT_EQ(ener.module.puissanceTI[1], 50u);
    EXPECT_EQ(ener.module.nombreTI[0], 3);
    EXPECT_FLOAT_EQ(ener.module.pressionMini, -1.0f);
    EXPECT_FLOAT_EQ(ener.module.pt100IrefCalib, 0.0046f);
  }
  EXPECT_EQ(store.readENER_Config_fromFile(3, nullptr), 0);
  EXPECT_EQ(box.read(kLive).find("Module_HPF"), std::string::npos) << "defaults stay in memory";
}

// A record written to its section is in the file in the typed-setter forms and reads
// back whole.
TEST(OrvDatasModules, WrittenSectionsReadBackWhole) {
  TestSandbox box;
  orvDatas store;
  cm_config_t v2;
  store.readMESv2_Config_fromFile(v2);
  v2.configured = 1;
  v2.jaugeTare = 123.5f;
  v2.calibOhmsPt100[2] = 100.25f;
  v2.uart2Speed = 19200;
  ASSERT_EQ(store.writeMESv2_Config_toFile(v2), 1);
  hp_global_config_t hpf;
  store.readHPF_Config_fromFile(&hpf);
  hpf.ventilPowerKw[3] = -2;
  hpf.TVM = 4000000000u;
  hpf.difUp = 1e-05f;
  ASSERT_EQ(store.writeHPF_Config_toFile(&hpf), 1);
  energyORV_cfg_t ener;
  store.readENER_Config_fromFile(2, &ener);
  ener.module.affectation[1] = 8;
  ener.survTension_reference = 229.5f;
  ASSERT_EQ(store.writeENER_Config_toFile(2, &ener), 1);
  cmV1_config_t v1;
  store.readMESv1_Config_fromFile(&v1);
  v1.pressureFullScale = 25.0f;
  ASSERT_EQ(store.writeMESv1_Config_toFile(&v1), 1);

  std::string text = box.read(kLive);
  for (const char* line :
       {"z2_CM_CONFIGURED=1", "z2_CM_JAUGE_TARE_gr=123.5", "z2_CM_CALIB_OHMS_PT100_2=100.25",
        "z2_CM_UART2_SPEED=19200", "z0_HPF_CONFIG_V_MP_Kw_3=-2", "z0_HPF-CONFIG_TVM=4000000000",
        "z0_HPF-CONFIG_DifUp=1e-05", "z8_ENER_puissance_affectation_BP1=8",
        "z8_ENER_survTension_reference=229.5", "z8_ENER_uart_rs485_id=8",
        "CONFIG_GAMME_PRESSION=25"})
    EXPECT_TRUE(fileHasLine(text, line)) << line << "\n" << text;

  orvDatas again;
  cm_config_t v2back;
  hp_global_config_t hpfBack;
  energyORV_cfg_t enerBack;
  ASSERT_EQ(again.readMESv2_Config_fromFile(v2back), 1);
  ASSERT_EQ(again.readHPF_Config_fromFile(&hpfBack), 1);
  ASSERT_EQ(again.readENER_Config_fromFile(2, &enerBack), 1);
  EXPECT_EQ(std::memcmp(&v2back, &v2, sizeof v2), 0);
  EXPECT_EQ(hpfBack.ventilPowerKw[3], -2);
  EXPECT_EQ(hpfBack.TVM, 4000000000u) << "an unsigned value above INT_MAX";
  EXPECT_FLOAT_EQ(hpfBack.difUp, 1e-05f);
  EXPECT_EQ(std::memcmp(&enerBack, &ener, sizeof ener), 0);
}

// A value of a module section that the module screens would not offer (beyond the
// field's type, not finite, not whole for an integer field, not one of the key's choices)
// reads as the key's default, and the console names the section, the key and the value.
TEST(OrvDatasModules, ValuesNoModuleScreenOffersReadAsTheDefault) {
  struct Case {
    const char* section;
    const char* key;
    const char* text;
  } cases[] = {
      {"Module_HPF", "z0_HPF-CONFIG_TES", "1e300"},
      {"Module_HPF", "z0_HPF-CONFIG_TCmini", "-1e39"},
      {"Module_HPF", "z0_HPF-CONFIG_TVM", "1e300"},
      {"Module_HPF", "z0_HPF-CONFIG_Dt", "nan"},
      {"Module_HPF", "z0_HPF_CONFIG_V_MP_Kw_2", "2.5"},
      {"Module_HPF", "z0_HPF-CONFIG_Variateur", "7"},
      {"Module_Mesure_V2", "z2_CM_JAUGE_TYPE", "inf"},
      {"Module_Mesure_V2", "z2_CM_UART2_SPEED", "-1"},
      {"Module_Energie_1", "z7_ENER_puissance_puissanceTI_BP0", "75"},
      {"Module_Energie_1", "z7_ENER_uart_rs485_id", "300"},
  };
  std::string config, section;
  for (const Case& c : cases) {
    if (section != c.section) config += "[" + (section = c.section) + "]\n";
    config += std::string(c.key) + "=" + c.text + "\n";
  }
  TestSandbox box;
  box.write(kLive, config);
  orvDatas store;
  hp_global_config_t hpf;
  cm_config_t v2;
  energyORV_cfg_t ener;
  testing::internal::CaptureStdout();
  ASSERT_EQ(store.readHPF_Config_fromFile(&hpf), 1);
  ASSERT_EQ(store.readMESv2_Config_fromFile(v2), 1);
  ASSERT_EQ(store.readENER_Config_fromFile(1, &ener), 1);
  const std::string out = testing::internal::GetCapturedStdout();

  struct Read {
    const char* section;
    const ModuleKeyTable& table;
    const void* record;
  } const reads[] = {{"Module_HPF", HPF_KEY_TABLE, &hpf},
                     {"Module_Mesure_V2", MESV2_KEY_TABLE, &v2},
                     {"Module_Energie_1", ENER_KEY_TABLE, &ener}};
  for (const Case& c : cases) {
    int checked = 0;
    for (const Read& r : reads) {
      if (std::string(r.section) != c.section) continue;
      const bool ener1 = &r.table == &ENER_KEY_TABLE;
      for (size_t i = 0; i < r.table.count; ++i) {
        const ModuleKeyDef& def = r.table.keys[i];
        if ((ener1 ? enerKey(1, def) : std::string(def.key)) != c.key) continue;
        const float fallback = static_cast<float>(ener1 ? enerDefault(1, def) : def.def);
        EXPECT_EQ(moduleField(r.record, def), fallback) << c.key << "=" << c.text;
        ++checked;
      }
    }
    EXPECT_EQ(checked, 1) << c.key;
    const std::string trace = std::string(c.section) + " " + c.key + "=" + c.text + " refuse";
    EXPECT_NE(out.find(trace), std::string::npos) << trace << "\n" << out;
  }
}

// The V1 card's keys sit in "General": a number its field cannot hold reads as the default.
TEST(OrvDatasModules, V1ValuesBeyondTheirFieldReadAsTheDefault) {
  TestSandbox box;
  box.write(kLive,
            "[General]\nCONFIG_UARTBAUDS_MESURE=1e300\nCONFIG_GAMME_PRESSION=1e39\n"
            "CONFIG_MIN_PRESSION=nan\n");
  orvDatas store;
  cmV1_config_t v1;
  testing::internal::CaptureStdout();
  ASSERT_EQ(store.readMESv1_Config_fromFile(&v1), 1);
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(v1.speed, 2400u);
  EXPECT_EQ(v1.pressureFullScale, 30.0f);
  EXPECT_EQ(v1.pressureMin, 0.0f);
  for (const char* trace : {"CONFIG_UARTBAUDS_MESURE=1e300 hors limites",
                            "CONFIG_GAMME_PRESSION=1e39 hors limites"})
    EXPECT_NE(out.find(trace), std::string::npos) << trace << "\n" << out;
}

// The clean-ups drop sections (or the V1 keys) from memory; the file keeps them until
// the next write.
TEST(OrvDatasModules, CleaningDropsTheSectionsFromMemory) {
  TestSandbox box;
  orvDatas store;
  cm_config_t v2;
  store.readMESv2_Config_fromFile(v2);
  store.writeMESv2_Config_toFile(v2);
  hp_global_config_t hpf;
  store.readHPF_Config_fromFile(&hpf);
  energyORV_cfg_t ener;
  for (int n = 0; n < 3; ++n) {
    store.readENER_Config_fromFile(n, &ener);
    store.writeENER_Config_toFile(n, &ener);
  }
  store.cleanMESv2_Config();
  store.cleanHPF_Config();
  store.cleanENER_id_Config(1);
  store.cleanMESv1_Config();
  std::string memory = store.ORV_FileConfig_ptr()->fileText();
  EXPECT_EQ(memory.find("[Module_Mesure_V2]"), std::string::npos);
  EXPECT_EQ(memory.find("[Module_HPF]"), std::string::npos);
  EXPECT_EQ(memory.find("[Module_Energie_1]"), std::string::npos);
  EXPECT_NE(memory.find("[Module_Energie_2]"), std::string::npos);
  EXPECT_EQ(memory.find("CONFIG_GAMME_PRESSION="), std::string::npos);
  EXPECT_NE(box.read(kLive).find("[Module_Mesure_V2]"), std::string::npos);
  store.cleanENER_Config();
  EXPECT_EQ(store.ORV_FileConfig_ptr()->fileText().find("Module_Energie"), std::string::npos);
}

TEST(OrvDatasModules, PlantValuesForTheHpfModuleComeFromTheRecord) {
  TestSandbox box;
  orvDatas store;
  struct_mesure rec = store.getS_ORVmesure();
  rec.plantRunning = 1;
  rec.cumuls.puissComp[0] = 3.7f;
  rec.cumuls.puissComp[1] = -1.0f;
  rec.cumuls.puissComp[5] = 12.99f;
  rec.modules.value[modval::TempEXT] = 20.0f;
  rec.modules.value[modval::HP] = 12.5f;
  rec.fluid[0].val[0] = 35.0f;
  store.set_ORVmesure(&rec);
  orv_toHP_datas_t out{};
  store.get_ORVtoHPFdatas(out);
  EXPECT_EQ(out.compressorsRunning, 1);
  EXPECT_EQ(out.puissanceComp[0], 3u);
  EXPECT_EQ(out.puissanceComp[1], 0u) << "a negative power is no power";
  EXPECT_EQ(out.puissanceComp[5], 12u);
  EXPECT_FLOAT_EQ(out.tempExt, 20.0f);
  EXPECT_FLOAT_EQ(out.tempCondensation, 35.0f);
  EXPECT_FLOAT_EQ(out.pressionHP, 12.5f);
}
