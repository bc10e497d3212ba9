// The live energy view fed with ENERGIE bundles: inputs grouped by allocation into rows
// and sums, the COPs, the voltages, power factors and share markers, the four menus (the
// energies since midnight summed per group, no data since 1 January), and the exit tap.
#include <gtest/gtest.h>

#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest/QTest>

#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>

#include "enerInfo_Display.h"
#include "support/orvqt_workdir.h"
#include "support/page_driving.h"

namespace {

std::string text(const QWidget& page, const std::string& name) {
  auto* label = page.findChild<QLabel*>(QString::fromStdString(name));
  return label ? label->text().toStdString() : "<no " + name + ">";
}

bool shown(const QWidget& page, const std::string& name) {
  auto* w = page.findChild<QWidget*>(QString::fromStdString(name));
  return w && w->isVisible();
}

// One power input: allocation code and share, and its readings.
struct Input {
  int module, input, allocation, share;
  ener_block_t values;
};

ener_block_t power(float p, float s = 0.0f, float q = 0.0f) {
  ener_block_t b{};
  b.P_kW = p, b.S_kVA = s, b.Q_kVAR = q;
  return b;
}

class EnergyView : public testing::Test {
protected:
  EnergyView() {
    testApplication();
    std::memset(&config, 0, sizeof config);
    std::memset(&data, 0, sizeof data);
    // Every input not set up below lights something that is not shown.
    for (auto& module : config.cfg)
      for (int c = 0; c < 3; ++c)
        module.module.affectation[c] = 7, module.affectationPercent[c] = 100;
    page.reset(new enerInfo_Display(nullptr));
    page->resize(640, 480);
    page->show();
  }
  void plant(std::initializer_list<Input> inputs, float capacity) {
    for (const Input& in : inputs) {
      config.connectState[in.module] = 1;
      config.cfg[in.module].module.affectation[in.input] = static_cast<uint8_t>(in.allocation);
      config.cfg[in.module].affectationPercent[in.input] = in.share;
      data.module[in.module].block[in.input] = in.values;
    }
    page->Update_AllENER_Config(config);
    page->Update_AllENER_Datas(data, capacity);
  }
  void chooseMenu(const char* name) {
    auto* button = page->findChild<QRadioButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, button->height() / 2));
  }
  energyORV_config_t config;
  energyORV_data_t data;
  std::unique_ptr<enerInfo_Display> page;
};

TEST_F(EnergyView, PowersGroupedWithCopsAndVoltages) {
  ener_block_t all = power(10.0f, 12.0f, 6.0f);
  all.V1 = 231.4f, all.V2 = 229.6f, all.V3 = 230.0f;
  plant({{0, 0, 1, 100, all}, {0, 1, 2, 100, power(2.0f)}, {0, 2, 3, 100, power(3.0f)}}, 30.0f);
  EXPECT_EQ(text(*page, "label_ACT_compCumul"), "10.0");
  EXPECT_EQ(text(*page, "label_APP_compCumul"), "12.0");
  EXPECT_EQ(text(*page, "label_ACT_VentCond"), "2.0");
  EXPECT_EQ(text(*page, "label_ACT_VentCondCumul"), "12.0");
  EXPECT_EQ(text(*page, "label_ACT_Pompe"), "3.0");
  EXPECT_EQ(text(*page, "label_ACT_PompeCumul"), "15.0");
  EXPECT_EQ(text(*page, "label_COPcomp"), "3.0");
  EXPECT_EQ(text(*page, "label_COPventCond"), "2.5");
  EXPECT_EQ(text(*page, "label_COPpompe"), "2.0");
  EXPECT_EQ(text(*page, "label_PuissangeFrigo"), "30.0");
  EXPECT_EQ(text(*page, "label_Tension_PH0"), "231");
  EXPECT_EQ(text(*page, "label_Tension_PH1"), "230");
  EXPECT_EQ(text(*page, "label_Tension_PH2"), "230");
  EXPECT_EQ(text(*page, "label_ACT_comp1"), "0.0");  // no individual compressor
  EXPECT_EQ(text(*page, "label_Ventil_sharedPercent"), "");
  saveSettledScreen(*page, "enerInfo_Display-powers");

  // Without cooling capacity there is no COP.
  page->Update_AllENER_Datas(data, 0.0f);
  EXPECT_EQ(text(*page, "label_COPcomp"), "0.0");
  EXPECT_EQ(text(*page, "label_COPventCond"), "0.0");
  EXPECT_EQ(text(*page, "label_COPpompe"), "0.0");
  EXPECT_EQ(text(*page, "label_ACT_PompeCumul"), "15.0");
}

TEST_F(EnergyView, CompressorRowsAndTheirSums) {
  // Module 0: two individual compressors, then the input of all compressors, which takes
  // the place of what came before it; module 1: an individual compressor added after it,
  // one input not shown, and a parallel compressor outside every sum.
  plant({{0, 0, 0, 100, power(1.0f, 2.0f, 1.0f)},
         {0, 1, 0, 100, power(2.0f, 0.0f, 1.0f)},
         {0, 2, 1, 100, power(20.0f, 25.0f, 5.0f)},
         {1, 0, 0, 100, power(4.0f, 5.0f, 2.0f)},
         {1, 1, 5, 100, power(99.0f, 99.0f, 99.0f)},
         {1, 2, 8, 100, power(7.0f, 8.0f, 3.0f)}},
        48.0f);
  EXPECT_EQ(text(*page, "label_ACT_comp1"), "1.0");
  EXPECT_EQ(text(*page, "label_COSphi_comp1"), "0.5");
  EXPECT_EQ(text(*page, "label_ACT_comp2"), "2.0");
  EXPECT_EQ(text(*page, "label_COSphi_comp2"), "0.0");  // no apparent power
  EXPECT_EQ(text(*page, "label_ACT_comp3"), "4.0");
  EXPECT_EQ(text(*page, "label_COSphi_comp3"), "0.8");
  EXPECT_EQ(text(*page, "label_ACT_comp4"), "0.0");
  EXPECT_EQ(text(*page, "label_ACT_compCumul"), "24.0");
  EXPECT_EQ(text(*page, "label_APP_compCumul"), "30.0");
  EXPECT_EQ(text(*page, "label_ACT_CompP"), "7.0");
  EXPECT_EQ(text(*page, "label_ACT_PompeCumul"), "24.0");
  EXPECT_EQ(text(*page, "label_COPcomp"), "2.0");
  EXPECT_EQ(text(*page, "label_COPventCond"), "2.0");
  saveSettledScreen(*page, "enerInfo_Display-compressors");

  // Seven individual compressors: six rows, the fifth with two decimals; the seventh
  // counts in the sums only. An absent module contributes nothing.
  std::memset(&config, 0, sizeof config);
  for (int i = 0; i < 3; ++i)
    for (int c = 0; c < 3; ++c) config.cfg[i].module.affectation[c] = 0;
  config.connectState[0] = config.connectState[1] = config.connectState[2] = 1;
  for (int k = 0; k < 9; ++k) data.module[k / 3].block[k % 3] = power(k < 7 ? 1.25f : 0.0f, 2.5f);
  config.connectState[2] = 0;
  data.module[2].block[0] = power(100.0f, 100.0f);
  page->Update_AllENER_Config(config);
  page->Update_AllENER_Datas(data, 0.0f);
  EXPECT_EQ(text(*page, "label_ACT_comp4"), "1.3");
  EXPECT_EQ(text(*page, "label_ACT_comp5"), "1.25");
  EXPECT_EQ(text(*page, "label_COSphi_comp5"), "0.50");
  EXPECT_EQ(text(*page, "label_ACT_comp6"), "1.3");
  EXPECT_EQ(text(*page, "label_ACT_compCumul"), "7.5");  // 6 x 1.25 (module 2 absent)
}

TEST_F(EnergyView, ShareMarkers) {
  plant({{0, 0, 2, 100, power(1.0f)}, {0, 1, 3, 100, power(1.0f)}}, 0.0f);
  EXPECT_EQ(text(*page, "label_Ventil_sharedPercent"), "");
  EXPECT_EQ(text(*page, "label_Pompe_sharedPercent"), "");
  plant({{0, 0, 2, 50, power(1.0f)}, {1, 2, 3, 99, power(1.0f)}}, 0.0f);
  EXPECT_EQ(text(*page, "label_Ventil_sharedPercent"), "%");
  EXPECT_EQ(text(*page, "label_Pompe_sharedPercent"), "%");
  // Values are shown unscaled.
  EXPECT_EQ(text(*page, "label_ACT_VentCond"), "1.0");
}

TEST_F(EnergyView, Menus) {
  auto currents = [](float e, float i1, float i2, float i3) {
    ener_block_t b = power(1.0f, 1.0f);
    b.E_kWh = e, b.I1 = i1, b.I2 = i2, b.I3 = i3;
    return b;
  };
  plant({{0, 0, 2, 100, currents(4.0f, 1.0f, 2.0f, 3.0f)},
         {0, 1, 2, 100, currents(6.0f, 1.5f, 2.5f, 3.5f)},
         {1, 0, 0, 100, currents(1.0f, 10.0f, 11.0f, 12.0f)},
         {1, 1, 0, 100, currents(2.0f, 20.0f, 21.0f, 22.0f)}},
        30.0f);
  const char* const hiddenInCurrents[] = {"label_CosPhi_title", "label_COSphi_comp1",
                                          "label_COSphi_comp6", "label_COPcomp",
                                          "label_COPventCond",  "label_COPpompe"};

  chooseMenu("menuIntensite");
  EXPECT_EQ(text(*page, "label_U1"), "Phase1(A)");
  EXPECT_EQ(text(*page, "label_U2"), "Phase2(A)");
  EXPECT_EQ(text(*page, "label_U3"), "Phase3(A)");
  for (const char* name : hiddenInCurrents) EXPECT_FALSE(shown(*page, name)) << name;
  EXPECT_EQ(text(*page, "label_ACT_comp2"), "20.0");
  EXPECT_EQ(text(*page, "label_REA_compCumul"), "34.0");
  EXPECT_EQ(text(*page, "label_APP_VentCond"), "4.5");
  EXPECT_EQ(text(*page, "label_REA_VentCondCumul"), "40.5");
  saveSettledScreen(*page, "enerInfo_Display-currents");
  // The chosen menu again changes nothing.
  page->Update_AllENER_Datas(data, 30.0f);
  chooseMenu("menuIntensite");
  EXPECT_EQ(text(*page, "label_U1"), "Phase1(A)");
  EXPECT_EQ(text(*page, "label_ACT_comp2"), "20.0");

  chooseMenu("menuKWHminuit");
  EXPECT_EQ(text(*page, "label_U1"), "kW/h");
  EXPECT_EQ(text(*page, "label_U3"), "kW/h");
  EXPECT_EQ(text(*page, "label_ACT_comp1"), "1.0");
  EXPECT_EQ(text(*page, "label_ACT_comp2"), "2.0");
  EXPECT_EQ(text(*page, "label_APP_comp2"), "0.0");
  EXPECT_EQ(text(*page, "label_ACT_compCumul"), "3.0");
  EXPECT_EQ(text(*page, "label_ACT_VentCond"), "10.0");
  EXPECT_EQ(text(*page, "label_ACT_VentCondCumul"), "13.0");
  EXPECT_EQ(text(*page, "label_ACT_PompeCumul"), "13.0");
  saveSettledScreen(*page, "enerInfo_Display-energy-today");

  chooseMenu("menuKWHjanvier");
  for (const char* name :
       {"label_ACT_comp1", "label_REA_comp6", "label_ACT_compCumul", "label_APP_VentCond",
        "label_REA_VentCondCumul", "label_ACT_Pompe", "label_ACT_CompP", "label_APP_PompeCumul"})
    EXPECT_EQ(text(*page, name), "---") << name;
  EXPECT_EQ(text(*page, "label_PuissangeFrigo"), "30.0");
  saveSettledScreen(*page, "enerInfo_Display-energy-year");

  chooseMenu("menuPuissance");
  EXPECT_EQ(text(*page, "label_U1"), "Active(kW)");
  EXPECT_EQ(text(*page, "label_U2"), "Apparente(kVA)");
  EXPECT_EQ(text(*page, "label_U3"), "Reactive(kVAR)");
  for (const char* name : hiddenInCurrents) EXPECT_TRUE(shown(*page, name)) << name;
  EXPECT_EQ(text(*page, "label_ACT_compCumul"), "2.0");
}

TEST_F(EnergyView, ShowBlanksAndExitTap) {
  plant({{0, 0, 2, 100, power(2.0f)}}, 30.0f);
  EXPECT_TRUE(page->pageShown);
  page->hide();
  EXPECT_FALSE(page->pageShown);
  page->show();
  EXPECT_TRUE(page->pageShown);
  EXPECT_EQ(text(*page, "label_ACT_VentCond"), "0.0");
  EXPECT_EQ(text(*page, "label_PuissangeFrigo"), "0.0");

  QSignalSpy exits(page.get(), &enerInfo_Display::OnENERinfoExit);
  tapAt(*page, QPoint(320, 30));  // the menu row is not the exit
  EXPECT_EQ(exits.count(), 0);
  tapAt(*page, QPoint(320, 300));
  EXPECT_EQ(exits.count(), 1);
}

}  // namespace
