// The COP view fed with measurement records: the BP pressure with and without ENERGIE
// module 0, the glide, the HP gas column in transcritical CO2, the powers and the three
// COPs with the pumps' title, the compressor count, and a record that names an ENERGIE
// module while the centre has no ENERGIE client.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest/QTest>

#include <cstring>
#include <memory>
#include <string>

#include "../bus/support/module_bench.h"
#include "ModulsCenter.h"
#include "cp_InfoDisplay.h"
#include "orv_classPtr.h"
#include "support/orvqt_workdir.h"
#include "support/page_driving.h"

namespace {

std::string text(const QWidget& page, const char* name) {
  auto* label = page.findChild<QLabel*>(QString::fromLatin1(name));
  return label ? label->text().toStdString() : std::string("<no ") + name + ">";
}

// A plant at 15 bar HP and 3 bar BP, running, whose HP gas is at 45.0 degC over a liquid
// at 40.75 degC.
struct_mesure plantRecord() {
  struct_mesure m;
  std::memset(&m, 0, sizeof m);
  m.modules.value[modval::HP] = 15.0f;
  m.modules.value[modval::BP] = 3.0f;
  m.fluid[1].val[0] = 45.0f;    // 593 HP gas temperature
  m.fluid[0].val[0] = 40.75f;   // 578 HP liquid temperature
  m.fluid[1].val[1] = 0.0712f;  // 594 HP gas density
  m.plantRunning = 1;
  return m;
}

class CopView : public testing::Test {
protected:
  CopView() {
    testApplication();
    page.reset(new cp_InfoDisplay(nullptr));
    page->resize(640, 480);
    page->show();
  }
  std::unique_ptr<cp_InfoDisplay> page;
};

TEST_F(CopView, WithoutEnergieModule0) {
  page->onSet_FluidName("R404A", 0);
  struct_mesure m = plantRecord();
  page->UpdateMesureValues(m);
  EXPECT_EQ(text(*page, "label_fluide_name"), "R404A\n ");
  EXPECT_EQ(text(*page, "label_pressionHPL"), "15.0");
  EXPECT_EQ(text(*page, "label_pressionBPG"), "2.0");  // absolute, shown as gauge
  EXPECT_EQ(text(*page, "label_glissement"), "4.25 K");
  EXPECT_EQ(text(*page, "titre_glissement"), "Glide");
  EXPECT_EQ(text(*page, "label_pressionHPG"), "15.0");
  EXPECT_EQ(text(*page, "label_tempFluideHPG"), "45.0");
  for (const char* name :
       {"label_puissanceAbsorbComp", "label_puissanceAbsorbVentil", "label_puissanceAbsorbPompes",
        "label_COP_comps", "label_COP_ventil", "label_COP_pompes"})
    EXPECT_EQ(text(*page, name), "0.0") << name;
  EXPECT_EQ(text(*page, "label_numCompresseur"), "1");
  saveSettledScreen(*page, "cp_InfoDisplay-without-energie");

  // Glide is never negative; a stopped plant counts no compressor.
  m.fluid[1].val[0] = 40.0f;
  m.plantRunning = 0;
  page->UpdateMesureValues(m);
  EXPECT_EQ(text(*page, "label_glissement"), "0.75 K");
  EXPECT_EQ(text(*page, "label_numCompresseur"), "0");
  EXPECT_EQ(text(*page, "label_Ventil_SharedPercent"), "");
  EXPECT_EQ(text(*page, "label_Pompe_SharedPercent"), "");
}

TEST_F(CopView, TranscriticalCo2) {
  // Lower case is another refrigerant name.
  page->onSet_FluidName("co2", 1);
  EXPECT_EQ(text(*page, "titre_glissement"), "Glide");
  page->onSet_FluidName("CO2", 1);
  struct_mesure m = plantRecord();
  page->UpdateMesureValues(m);
  for (const char* name : {"label_COP_comps", "label_COP_ventil", "label_COP_pompes"})
    EXPECT_EQ(text(*page, name), "***") << name;
  for (const char* name : {"label_temperatureHPG", "label_pressionHPG", "label_glissement",
                           "label_tempFluideHPG", "titre_glissement"})
    EXPECT_EQ(text(*page, name), "") << name;
  EXPECT_EQ(text(*page, "label_densiteHPG"), "0.071");
  saveSettledScreen(*page, "cp_InfoDisplay-transcritical-co2");
}

TEST_F(CopView, PowersAndCopsWithEnergieModule0) {
  page->onSet_FluidName("R404A", 0);
  struct_mesure m = plantRecord();
  m.modules.stateEner[0] = 1;
  m.refrigerationCapacity = 30.0f;
  m.cumuls.puissTotalComp = 10.0f;
  m.cumuls.puissVentilCond = 2.0f;
  m.cumuls.puissPompes = 3.0f;
  m.cumuls.puissCompP = 0.0f;
  page->UpdateMesureValues(m);
  EXPECT_EQ(text(*page, "label_pressionBPG"), "3.0");  // gauge from the module
  EXPECT_EQ(text(*page, "label_COP_comps"), "3.0");
  EXPECT_EQ(text(*page, "label_COP_ventil"), "2.5");
  EXPECT_EQ(text(*page, "label_COP_pompes"), "10.0");
  EXPECT_EQ(text(*page, "titre_9"), "kw pour les pompes ");
  EXPECT_EQ(text(*page, "label_puissanceAbsorbComp"), "10.0");
  // No ENERGIE client in the registry: no compressor input counts.
  EXPECT_EQ(text(*page, "label_numCompresseur"), "0");
  saveSettledScreen(*page, "cp_InfoDisplay-energie-powers");

  struct Case {
    float pf, pp, ppar;
    const char* fans;
    const char* pumps;
    const char* title;
  } cases[] = {
      {2.0f, 0.0f, 5.0f, "2.5", "6.0", "kw compresseurs paralleles"},
      {2.0f, 1.0f, 5.0f, "2.5", "5.0", "kw pour les pompes compresseurs paralleles"},
      // The fans' COP is tested on the fans' power alone; the title keeps its last text.
      {0.0f, 0.0f, 0.0f, "0.0", "0.0", "kw pour les pompes compresseurs paralleles"},
  };
  for (const Case& c : cases) {
    m.cumuls.puissVentilCond = c.pf;
    m.cumuls.puissPompes = c.pp;
    m.cumuls.puissCompP = c.ppar;
    page->UpdateMesureValues(m);
    EXPECT_EQ(text(*page, "label_COP_ventil"), c.fans) << c.title;
    EXPECT_EQ(text(*page, "label_COP_pompes"), c.pumps) << c.title;
    EXPECT_EQ(text(*page, "titre_9"), c.title);
  }

  // A lost module 0: powers and COPs fall back, the BP pressure stays as stored.
  m.modules.stateEner[0] = 2;
  page->UpdateMesureValues(m);
  EXPECT_EQ(text(*page, "label_pressionBPG"), "3.0");
  EXPECT_EQ(text(*page, "label_puissanceAbsorbComp"), "0.0");
  EXPECT_EQ(text(*page, "label_COP_comps"), "0.0");
}

// The compressor count is the number of inputs allocated to one compressor that measure
// a power, as the ENERGIE client last read them on the bus.
TEST_F(CopView, CompressorCountFromTheEnergieModules) {
  CentreBench bench(
      "module 6 energie\nset 6 config affectation 0,0,7\nset 6 b0_P 5.0\n"
      "set 6 b1_P 0\nmodule 7 energie\nset 7 config affectation 7,7,7\n" +
          garbledModules({0, 1, 5, 8}),
      "[General]\n[Module_Energie_0]\nz6_ENER_puissance_affectation_BP0=0\n"
      "z6_ENER_puissance_affectation_BP1=0\nz6_ENER_puissance_affectation_BP2=7\n"
      "[Module_Energie_1]\nz7_ENER_puissance_affectation_BP0=7\n"
      "z7_ENER_puissance_affectation_BP1=7\nz7_ENER_puissance_affectation_BP2=7\n");
  ASSERT_EQ(bench.detect(), 2);
  bench.centre->sendTo_AllModuls();
  page->onSet_FluidName("R404A", 0);
  struct_mesure m = plantRecord();
  m.modules.stateEner[0] = 1;
  page->UpdateMesureValues(m);
  EXPECT_EQ(text(*page, "label_numCompresseur"), "1");
}

// The record names ENERGIE module 1 while start-up found no ENERGIE module: no client to
// ask, so its probes count as not enabled.
TEST_F(CopView, RecordWithModulesButNoEnergieClient) {
  TestSandbox box;
  ModulsCenter centre;
  Singleton<orv_classPtr>::ptr()->modules = &centre;
  ASSERT_EQ(centre.ener_ptr(), nullptr);
  page->onSet_FluidName("R404A", 0);
  struct_mesure m = plantRecord();
  m.modules.stateEner[0] = 1;
  m.modules.stateEner[1] = 1;
  m.modules.value[modval::TempREF] = 80.0f;
  m.modules.value[modval::PressionEner1] = 16.0f;
  page->UpdateMesureValues(m);
  EXPECT_EQ(text(*page, "label_tempFluideHPG"), "45.0");
  EXPECT_EQ(text(*page, "label_pressionHPG"), "15.0");
  EXPECT_EQ(text(*page, "label_temp_refoulement_mes"), "80.0");
  EXPECT_EQ(text(*page, "label_numCompresseur"), "0");
  Singleton<orv_classPtr>::ptr()->modules = nullptr;
}

TEST_F(CopView, ShownFlagAndExit) {
  EXPECT_TRUE(page->pageShown);
  page->hide();
  EXPECT_FALSE(page->pageShown);
  page->show();
  QSignalSpy exits(page.get(), &cp_InfoDisplay::OnCPinfoExit);
  tapAt(*page, QPoint(320, 240));
  EXPECT_EQ(exits.count(), 1);
}

}  // namespace
