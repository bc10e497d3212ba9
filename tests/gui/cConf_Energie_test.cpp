// The ENERGIE configuration page on the real store and module centre, with ENERGIE
// modules 1 and 2 on orvbus-sim (module 3 absent): the module shown and its connect state,
// allocations, shares and current transformers saved only once the module acknowledged
// them and the file holds them (a busy store or client lock is a failure), the General
// keys of the probes, the CO2 range of the HP gas probe, nothing written by opening the
// page, a bundle that cannot be read, and the probe calibrations.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest/QTest>

#include <chrono>
#include <cstring>
#include <memory>
#include <string>
#include <thread>

#include "../bus/support/module_bench.h"
#include "EnerModul.h"
#include "file_size_limit.h"
#include "lock_holder.h"
#include "cConf_Energie.h"
#include "support/modal_boxes.h"
#include "support/orvqt_workdir.h"
#include "support/page_driving.h"

namespace {

// The plant: a V2 card, ENERGIE modules 1 and 2 at addresses 6 and 7, a garbled stand-in
// for the absent module 3 (and for the V1 card and the HPF module).
std::string plantScenario() {
  return "module 1 mesv2 configured=1\nmodule 6 energie version=3.0\nmodule 7 energie\n" +
         garbledModules({0, 5, 8});
}

const char* const kSaveButtons[] = {"pB_SaveENER",    "pB_PT100calibrage", "pB_PressCalib",
                                    "pB_enerIDmoins", "pB_enerIDplus",     "exitButton"};

class EnergiePage : public testing::Test {
protected:
  // `config`: config.conf before the store starts (section General first).
  void open(const std::string& config, const std::string& scenario = plantScenario()) {
    testApplication();
    bench.reset(new CentreBench(scenario, config));
    ASSERT_TRUE(bench->sim->ready());
    ASSERT_EQ(bench->detect(), 3);
    ASSERT_NE(bench->centre->ener_ptr(), nullptr);
    // The file as the store holds it, defaults of the module sections included.
    ASSERT_EQ(bench->store->writeAllToConfigFile(), 1);
    page.reset(new cConf_Energie(nullptr));
    page->resize(640, 480);
    page->show();
  }
  void TearDown() override {
    page.reset();
    bench.reset();
  }

  std::string text(const char* name) const {
    auto* label = page->findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text().toStdString() : std::string("<no ") + name + ">";
  }
  std::string style(const char* name) const {
    return page->findChild<QWidget*>(QString::fromLatin1(name))->styleSheet().toStdString();
  }
  template <typename T = QWidget>
  T* widget(const char* name) const {
    T* w = page->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  void click(const char* name) { QTest::mouseClick(widget<QPushButton>(name), Qt::LeftButton); }
  void choose(const char* list, const char* item) {
    QComboBox* combo = widget<QComboBox>(list);
    int index = combo->findText(QString::fromUtf8(item));
    ASSERT_GE(index, 0) << item;
    combo->setCurrentIndex(index);
  }
  std::string current(const char* list) const {
    return widget<QComboBox>(list)->currentText().toStdString();
  }
  bool buttonsEnabled() const {
    for (const char* name : kSaveButtons)
      if (!widget(name)->isEnabled()) return false;
    return true;
  }
  size_t requests(int address, char code) const { return bench->requests(address, code).size(); }
  // Runs a calibration answered with `answer`, waits for the buttons to come back and
  // returns the confirmation box as it was shown.
  AnsweredBox calibrate(const char* button, QMessageBox::StandardButton answer = QMessageBox::Yes) {
    ModalBoxes boxes({}, answer);
    click(button);
    EXPECT_TRUE(QTest::qWaitFor([this] { return widget("pB_PressCalib")->isEnabled(); }, 20000));
    EXPECT_EQ(boxes.seen.size(), 1u);
    return boxes.seen.empty() ? AnsweredBox{} : boxes.seen.back();
  }

  std::unique_ptr<CentreBench> bench;
  std::unique_ptr<cConf_Energie> page;
};

TEST_F(EnergiePage, ShowsOneModuleAtATime) {
  ASSERT_NO_FATAL_FAILURE(open("[General]\nCONFIG_FLUID=R404A\n"));
  EXPECT_EQ(text("label_enerID"), "1");
  EXPECT_EQ(text("label_enerFirmware"), "ENER v3");
  EXPECT_EQ(text("label_RS485_ID"), "6");
  EXPECT_EQ(text("label_Adressage"), "000110");
  EXPECT_EQ(text("label_Message"), "OK Connecte");
  EXPECT_EQ(style("label_Message"), "QLabel { color: blue; }");
  EXPECT_TRUE(widget("pB_SaveENER")->isVisible());
  EXPECT_TRUE(widget("pB_SaveENER")->isEnabled());
  EXPECT_TRUE(widget("widgetENERcfg")->isEnabled());
  EXPECT_EQ(widget<QGroupBox>("gB_CapteurPression")->title().toStdString(), "Capteur Pression BP");
  EXPECT_EQ(widget<QGroupBox>("gB_CapteurPT100")->title().toStdString(), "PT100 Surchauffe");
  EXPECT_EQ(current("cB_Affectation_1"), "Compresseur");
  EXPECT_EQ(current("cB_PuissanceTI_1"), "50A");
  EXPECT_EQ(current("cB_NombreTI_1"), "3xTI");
  EXPECT_FALSE(widget("cB_P1_shared")->isVisible());
  saveSettledScreen(*page, "cConf_Energie-module1");

  click("pB_enerIDmoins");  // no module before the first
  EXPECT_EQ(text("label_enerID"), "1");
  click("pB_enerIDplus");
  EXPECT_EQ(text("label_Adressage"), "000111");
  EXPECT_EQ(widget<QGroupBox>("gB_CapteurPression")->title().toStdString(),
            "Capteur Pression HP-Gaz");
  click("pB_enerIDplus");
  click("pB_enerIDplus");  // no module after the third
  EXPECT_EQ(text("label_enerID"), "3");
  EXPECT_EQ(text("label_RS485_ID"), "8");
  EXPECT_EQ(text("label_Adressage"), "001000");
  EXPECT_EQ(text("label_Message"), "NON Connecte");
  EXPECT_EQ(style("label_Message"), "QLabel { color: red; }");
  EXPECT_FALSE(widget("pB_SaveENER")->isVisible());
  EXPECT_FALSE(widget("pB_SaveENER")->isEnabled());
  EXPECT_FALSE(widget("widgetENERcfg")->isEnabled());
  EXPECT_TRUE(widget("gB_CapteurPT100")->isEnabled());
  EXPECT_EQ(text("label_PressureOffset"), "0.0");  // module 3 has no pressure offset key
  saveSettledScreen(*page, "cConf_Energie-module3-absent");

  page->hide();
  page->show();
  EXPECT_EQ(text("label_enerID"), "1");
  EXPECT_EQ(text("label_RS485_ID"), "6");
  EXPECT_TRUE(widget("pB_SaveENER")->isVisible());

  QSignalSpy exits(page.get(), &cConf_Energie::OnEnerCfgExit);
  click("exitButton");
  EXPECT_EQ(exits.count(), 1);
}

TEST_F(EnergiePage, WithoutEnergieModule) {
  testApplication();
  TestSandbox box;
  box.write("/home/ORV/config.conf", "[General]\n");
  orvDatas store;
  ModulsCenter centre;  // start-up found no ENERGIE module
  Singleton<orv_classPtr>::ptr()->datas = &store;
  Singleton<orv_classPtr>::ptr()->modules = &centre;
  {
    cConf_Energie alone(nullptr);
    alone.show();
    EXPECT_EQ(alone.findChild<QLabel*>("label_SendConfigMessage")->text().toStdString(),
              "Aucun module ENERGIE detecter");
    EXPECT_FALSE(alone.findChild<QPushButton*>("pB_SaveENER")->isEnabled());
  }
  Singleton<orv_classPtr>::ptr()->modules = nullptr;
  Singleton<orv_classPtr>::ptr()->datas = nullptr;
}

TEST_F(EnergiePage, AcknowledgedSaveWritesTheSection) {
  ASSERT_NO_FATAL_FAILURE(open("[General]\nCONFIG_FLUID=R404A\n"));
  choose("cB_PuissanceTI_1", "100A");
  click("pB_SaveENER");
  EXPECT_EQ(text("label_SendConfigMessage"), "Envoi Configuation module ENERGIE 1 OK");
  EXPECT_EQ(style("label_SendConfigMessage"), "QLabel { color: blue; }");
  EXPECT_TRUE(bench->configHas("Module_Energie_0", "z6_ENER_puissance_puissanceTI_BP0=100"));
  auto sent = bench->requests(6, '8');
  ASSERT_EQ(sent.size(), 1u);
  ASSERT_EQ(sent[0].size(), 70u);
  EXPECT_EQ(sent[0][1], 1);  // sent as configured
  EXPECT_NE(bench->sim->log().find("ti_rating=100,50,50"), std::string::npos);
  EXPECT_TRUE(buttonsEnabled());
  saveSettledScreen(*page, "cConf_Energie-saved");
}

TEST_F(EnergiePage, UnacknowledgedSaveKeepsTheSectionAndTheClient) {
  ASSERT_NO_FATAL_FAILURE(open("[General]\nCONFIG_FLUID=R404A\nCONFIG_TASP_CORR_CAB3M=0.000000\n"));
  const std::string section = bench->section("Module_Energie_0");
  bench->sim->command("fault 6 silent");
  widget<QGroupBox>("gB_CapteurPT100")->setChecked(true);
  widget<QCheckBox>("checkBox_PT100correctionASPI")->setChecked(true);
  choose("cB_PuissanceTI_1", "100A");
  click("pB_SaveENER");
  EXPECT_EQ(text("label_SendConfigMessage"), "!! ECHEC !! Configuation module ENERGIE 1");
  EXPECT_EQ(style("label_SendConfigMessage"), "QLabel { color: red; }");
  EXPECT_EQ(bench->section("Module_Energie_0"), section);
  EXPECT_EQ(bench->centre->ener_ptr()->getCFG_struct(0, 179).intValue, 50);
  // Nor the controller's own corrections: the file is as it was.
  EXPECT_TRUE(bench->configHas("General", "CONFIG_TASP_CORR_CAB3M=0.000000"));
  EXPECT_TRUE(buttonsEnabled());
  saveSettledScreen(*page, "cConf_Energie-save-failed");
}

// The probe keys of section General go into config.conf only with an acknowledged
// configuration: a save the module leaves unanswered leaves the file byte for byte, and
// the next press, answered, stores them all.
TEST_F(EnergiePage, ProbeKeysAreStoredOnlyOnceTheModuleAcknowledged) {
  struct Case {
    int index;
    const char* address;
    const char* keys[4];  // pressure offset, PT100 calibration, cable, manual
  };
  const Case cases[] = {
      {0, "6", {"CONFIG_BP_PRESSURE_CALIB", "CONFIG_TASP_CORRECTION", "CONFIG_TASP_CORR_CAB3M",
                "CONFIG_TASP_MANUEL_CORRECTION"}},
      {1, "7", {"CONFIG_HP_RES_PRESSURE_CALIB", "CONFIG_TREF_CORRECTION",
                "CONFIG_TREF_CORR_CAB3M", "CONFIG_TREF_MANUEL_CORRECTION"}},
  };
  const char* const values[4] = {"0.700000", "0.400000", "3.600000", "1.500000"};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index + 1);
    ASSERT_NO_FATAL_FAILURE(
        open(std::string("[General]\nCONFIG_FLUID=R404A\n") + c.keys[2] + "=0.000000\n"));
    for (int n = 0; n < c.index; ++n) click("pB_enerIDplus");
    ASSERT_EQ(text("label_enerID"), std::to_string(c.index + 1));
    const std::string file = bench->configText();
    widget<QGroupBox>("gB_CapteurPression")->setChecked(true);
    widget<QGroupBox>("gB_CapteurPT100")->setChecked(true);
    // As the calibrations leave them.
    widget<QLabel>("label_PressureOffset")->setText(QStringLiteral("0.7"));
    widget<QLabel>("label_PT100calibration")->setText(QStringLiteral("0.4"));
    widget<QCheckBox>("checkBox_PT100correctionASPI")->setChecked(true);
    widget<QDoubleSpinBox>("dS_PT100correctionManuel")->setValue(1.5);

    bench->sim->command(std::string("fault ") + c.address + " silent");
    click("pB_SaveENER");
    EXPECT_EQ(text("label_SendConfigMessage"),
              "!! ECHEC !! Configuation module ENERGIE " + std::to_string(c.index + 1));
    EXPECT_EQ(bench->configText(), file);

    bench->sim->command(std::string("fault ") + c.address + " none");
    click("pB_SaveENER");
    EXPECT_EQ(text("label_SendConfigMessage"),
              "Envoi Configuation module ENERGIE " + std::to_string(c.index + 1) + " OK");
    for (int k = 0; k < 4; ++k)
      EXPECT_TRUE(bench->configHas("General", std::string(c.keys[k]) + "=" + values[k]))
          << c.keys[k];
    TearDown();
  }
}

// Probe keys that the file did not take (a full flash) make the save a failure, though the
// module acknowledged its configuration and its section was written.
TEST_F(EnergiePage, ProbeKeysNotStoredAreAFailure) {
  struct Case {
    const char* group;  // the one ticked
    const char* section[2];
  };
  const Case cases[] = {
      {"gB_CapteurPression", {"z6_ENER_pression_enabled=1", "z6_ENER_PT100_enabled=0"}},
      {"gB_CapteurPT100", {"z6_ENER_pression_enabled=0", "z6_ENER_PT100_enabled=1"}},
  };
  for (const Case& c : cases) {
    const char* group = c.group;
    SCOPED_TRACE(group);
    ASSERT_NO_FATAL_FAILURE(open("[General]\nCONFIG_FLUID=R404A\n"));
    widget<QGroupBox>("gB_CapteurPression")->setChecked(false);
    widget<QGroupBox>("gB_CapteurPT100")->setChecked(false);
    widget<QGroupBox>(group)->setChecked(true);
    widget<QLabel>("label_PressureOffset")->setText(QStringLiteral("0.7"));
    widget<QLabel>("label_PT100calibration")->setText(QStringLiteral("0.4"));
    // The file as the store holds it once the page has read its keys: the save's rewrite
    // for the module's section keeps its size, only the new probe values would grow it.
    ASSERT_EQ(bench->store->writeAllToConfigFile(), 1);
    {
      FileSizeLimit full(bench->configText().size());
      click("pB_SaveENER");
    }
    EXPECT_EQ(requests(6, '8'), 1u);
    for (const char* line : c.section)
      EXPECT_TRUE(bench->configHas("Module_Energie_0", line)) << line;
    EXPECT_EQ(text("label_SendConfigMessage"), "!! ECHEC !! Configuation module ENERGIE 1");
    EXPECT_EQ(style("label_SendConfigMessage"), "QLabel { color: red; }");
    EXPECT_TRUE(buttonsEnabled());
    TearDown();
  }
}

// A save whose store lock (file write) or client lock (record swap) is busy past its
// timeout is a failure: the red text, the file and the client's record as they were.
TEST_F(EnergiePage, SaveWithABusyLockIsAFailure) {
  for (const char* busy : {"store", "client"}) {
    SCOPED_TRACE(busy);
    ASSERT_NO_FATAL_FAILURE(open("[General]\nCONFIG_FLUID=R404A\n"));
    EnerModul* ener = bench->centre->ener_ptr();
    const std::string file = bench->configText();
    // Different fillings: a copy that did not happen cannot pass for an unchanged record.
    energyORV_cfg_t before, after;
    std::memset(&before, 0x00, sizeof before);
    std::memset(&after, 0xFF, sizeof after);
    ener->cfg_getENER_Config(0, &before);
    choose("cB_PuissanceTI_1", "100A");
    {
      // Held over every store call of the save.
      const bool store = std::string(busy) == "store";
      LockHeldElsewhere held(
          [&] { return store ? bench->store->lock_ORVconfig() == 1 : ener->lock_ENERconfig() == 1; },
          [&] { store ? bench->store->unlock_ORVconfig() : ener->unlock_ENERconfig(); });
      click("pB_SaveENER");
    }
    EXPECT_EQ(text("label_SendConfigMessage"), "!! ECHEC !! Configuation module ENERGIE 1");
    EXPECT_EQ(style("label_SendConfigMessage"), "QLabel { color: red; }");
    EXPECT_EQ(bench->configText(), file);
    ener->cfg_getENER_Config(0, &after);
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0) << "client record changed";
    EXPECT_TRUE(buttonsEnabled());
    saveSettledScreen(*page, std::string("cConf_Energie-save-") + busy + "-busy");
    TearDown();
  }
}

TEST_F(EnergiePage, AllocationShareAndTransformers) {
  // Ratings and counts that no list offers come from the module itself (the file's are
  // refused when read): it is configured and the file not, so its configuration is taken.
  ASSERT_NO_FATAL_FAILURE(
      open("[General]\nCONFIG_FLUID=R404A\n",
           plantScenario() + "set 6 config configured 1\nset 6 config ti_rating 200,75,150\n"
                             "set 6 config ti_count 0,2,1\n"));
  // The screen shows what it will save: 200 A as "300A", 75 A as "50A".
  EXPECT_EQ(current("cB_PuissanceTI_1"), "300A");
  EXPECT_EQ(current("cB_PuissanceTI_2"), "50A");
  EXPECT_EQ(current("cB_PuissanceTI_3"), "150A");
  EXPECT_EQ(current("cB_NombreTI_1"), "Aucun TI");
  EXPECT_EQ(current("cB_NombreTI_2"), "3xTI");
  EXPECT_EQ(current("cB_NombreTI_3"), "1xTI");

  choose("cB_Affectation_1", "Ventilateurs Du Condenseur");
  EXPECT_TRUE(widget("cB_P1_shared")->isVisible());
  EXPECT_EQ(current("cB_P1_shared"), "100");
  choose("cB_P1_shared", "50");
  EXPECT_EQ(text("label_SendConfigMessage"),
            "PUISSANCE:1 Enregistrent Modification Pourcentage OK");
  EXPECT_EQ(style("label_SendConfigMessage"), "QLabel { color: blue; }");
  choose("cB_Affectation_3", "Compresseur(s) parallele(s)");  // a change to code 8 hides it
  EXPECT_FALSE(widget("cB_P3_shared")->isVisible());
  saveSettledScreen(*page, "cConf_Energie-fans-share");
  click("pB_SaveENER");
  const char* const lines[] = {
      "z6_ENER_puissance_affectation_BP0=2",  "z6_ENER_puissance_affectation_percent_BP0=50",
      "z6_ENER_puissance_affectation_BP2=8",  "z6_ENER_puissance_puissanceTI_BP0=300",
      "z6_ENER_puissance_puissanceTI_BP1=50", "z6_ENER_puissance_puissanceTI_BP2=150",
      "z6_ENER_puissance_nombreTI_BP0=0",     "z6_ENER_puissance_nombreTI_BP1=3",
      "z6_ENER_puissance_nombreTI_BP2=1"};
  for (const char* line : lines) EXPECT_TRUE(bench->configHas("Module_Energie_0", line)) << line;
}

// A share list changes a stored percentage only when the technician chose an item there.
TEST_F(EnergiePage, SharesKeptUnlessChosen) {
  ASSERT_NO_FATAL_FAILURE(
      open("[General]\nCONFIG_FLUID=R404A\n[Module_Energie_0]\n"
           "z6_ENER_puissance_affectation_BP0=2\nz6_ENER_puissance_affectation_percent_BP0=30\n"
           "z6_ENER_puissance_affectation_BP2=8\nz6_ENER_puissance_affectation_percent_BP2=25\n"));
  EXPECT_TRUE(widget("cB_P1_shared")->isVisible());
  EXPECT_EQ(widget<QComboBox>("cB_P1_shared")->currentIndex(), -1);
  EXPECT_TRUE(widget("cB_P3_shared")->isVisible());  // code 8 shows its share on a load
  EXPECT_EQ(current("cB_P3_shared"), "25");
  click("pB_SaveENER");
  EXPECT_TRUE(bench->configHas("Module_Energie_0", "z6_ENER_puissance_affectation_percent_BP0=30"));
  // Module changes back and forth do not turn "no item" into a share of 0.
  click("pB_enerIDplus");
  click("pB_enerIDmoins");
  click("pB_SaveENER");
  EXPECT_TRUE(bench->configHas("Module_Energie_0", "z6_ENER_puissance_affectation_percent_BP0=30"));

  // The hidden list of the next module still holds "50": module 2 keeps its 100.
  choose("cB_P1_shared", "50");
  click("pB_enerIDplus");
  EXPECT_FALSE(widget("cB_P1_shared")->isVisible());
  EXPECT_EQ(current("cB_P1_shared"), "50");
  click("pB_SaveENER");
  EXPECT_EQ(text("label_SendConfigMessage"), "Envoi Configuation module ENERGIE 2 OK");
  EXPECT_TRUE(
      bench->configHas("Module_Energie_1", "z7_ENER_puissance_affectation_percent_BP0=100"));
}

TEST_F(EnergiePage, Co2RangeOfTheHpGasProbe) {
  ASSERT_NO_FATAL_FAILURE(
      open("[General]\nCONFIG_FLUID=CO2\nCONFIG_TRANSCRITIQUE=1\n[Module_Energie_0]\n"
           "z6_ENER_pression_type=250.000000\n"));
  auto* maxi = widget<QSpinBox>("spinBox_PressionMAXI");
  click("pB_enerIDplus");
  EXPECT_EQ(maxi->maximum(), 200);
  EXPECT_TRUE(widget<QGroupBox>("gB_CapteurPression")->isChecked());  // transcritical CO2
  EXPECT_TRUE(widget<QGroupBox>("gB_CapteurPT100")->isChecked());
  EXPECT_EQ(widget<QSpinBox>("spinBox_PressionMINI")->value(), 0);
  click("pB_enerIDmoins");
  EXPECT_EQ(maxi->maximum(), 300);
  EXPECT_EQ(maxi->value(), 250);
  widget<QGroupBox>("gB_CapteurPression")->setChecked(true);
  click("pB_SaveENER");
  EXPECT_TRUE(bench->configHas("Module_Energie_0", "z6_ENER_pression_type=250"));

  click("pB_enerIDplus");
  click("pB_SaveENER");
  EXPECT_EQ(text("label_SendConfigMessage"), "Envoi Configuation module ENERGIE 2 OK");
  EXPECT_NE(bench->sim->log().find("addr=7 received configuration: addr=7 configured=1"),
            std::string::npos);
  EXPECT_NE(bench->sim->log().find("p_enabled=1"), std::string::npos);
  EXPECT_EQ(payloadFloat(bench->requests(7, '8').at(0), 66), 0.0f);  // pressure offset
  EXPECT_TRUE(bench->configHas("Module_Energie_1", "z7_ENER_pression_offset=0"));
  saveSettledScreen(*page, "cConf_Energie-co2-module2");
}

TEST_F(EnergiePage, OpeningWritesNothingAndAnUnreadBundleIsNotSaved) {
  ASSERT_NO_FATAL_FAILURE(
      open("[General]\nCONFIG_FLUID=R404A\nCONFIG_TASP_CORRECTION=0.400000\n"
           "CONFIG_TREF_CORRECTION=0.500000\nCONFIG_TRES1_CORRECTION=0.600000\n"));
  page.reset();
  const std::string before = bench->configText();
  page.reset(new cConf_Energie(nullptr));
  page->resize(640, 480);
  page->show();
  EXPECT_EQ(bench->configText(), before);
  EXPECT_EQ(text("label_PT100calibration"), "0.4");

  page->hide();
  const size_t framesBefore = bench->sim->frames().size();
  EnerModul* ener = bench->centre->ener_ptr();
  {
    LockHeldElsewhere held([ener] { return ener->lock_ENERconfig() == 1; },
                           [ener] { ener->unlock_ENERconfig(); });
    page->show();
  }
  EXPECT_EQ(text("label_SendConfigMessage"),
            "ERREUR lecture de la configuration des modules ENERGIE");
  EXPECT_EQ(style("label_SendConfigMessage"), "QLabel { color: red; }");
  EXPECT_FALSE(widget("pB_SaveENER")->isEnabled());
  saveSettledScreen(*page, "cConf_Energie-bundle-unread");
  click("pB_enerIDplus");
  click("pB_enerIDmoins");
  EXPECT_FALSE(widget("pB_SaveENER")->isEnabled());
  EXPECT_EQ(bench->sim->frames().size(), framesBefore);

  // The next show reads the bundle again.
  page->hide();
  page->show();
  EXPECT_TRUE(widget("pB_SaveENER")->isEnabled());
  EXPECT_EQ(text("label_SendConfigMessage"), "");
}

TEST_F(EnergiePage, PressureCalibration) {
  ASSERT_NO_FATAL_FAILURE(
      open("[General]\nCONFIG_FLUID=R404A\n", plantScenario() + "set 6 pressure 1.0\n"));
  widget<QGroupBox>("gB_CapteurPression")->setChecked(true);
  AnsweredBox box = calibrate("pB_PressCalib");
  EXPECT_EQ(box.title, "ATTENTION Lancer le CALIBRAGE de la sonde PRESSION BP?");
  EXPECT_EQ(box.icon, QMessageBox::Warning);
  EXPECT_FALSE(box.hasParent);
  EXPECT_EQ(box.text,
            "Lancer la procedure de Calibrage PRESSION BP?!\n"
            "veuillez cliquer sur OK si la sonde est a la Pression Atmospherique!");
  EXPECT_EQ(text("label_PressureOffset"), "1.0");
  EXPECT_TRUE(buttonsEnabled());
  click("pB_SaveENER");
  EXPECT_TRUE(bench->configHas("General", "CONFIG_BP_PRESSURE_CALIB=1.000000"));

  // The save waits while a slow module is read. The module's answer must still come in
  // within the bus's reply deadline (1.5 s for the whole 134-byte frame, read a byte at a
  // time): a late answer is a failed read, not a slow one.
  bench->sim->command("set 6 delay 200");
  bench->sim->command("set 6 pressure 0.26");
  {
    ModalBoxes yes({}, QMessageBox::Yes);
    click("pB_PressCalib");
  }
  EXPECT_FALSE(widget("pB_SaveENER")->isEnabled());
  EXPECT_FALSE(widget("exitButton")->isEnabled());
  saveSettledScreen(*page, "cConf_Energie-calibration-running");
  // The read ends within its three tries; the bound only gives up instead of hanging.
  EXPECT_TRUE(QTest::qWaitFor([this] { return buttonsEnabled(); }, 20000));
  EXPECT_EQ(text("label_PressureOffset"), "0.3") << text("label_SendConfigMessage");
  bench->sim->command("set 6 delay 5");

  // A failed measurement is no offset.
  bench->sim->command("set 6 pressure 999.0");
  calibrate("pB_PressCalib");
  EXPECT_EQ(text("label_SendConfigMessage"), "ERREUR Mesure, veuillez reessayer");
  EXPECT_EQ(text("label_PressureOffset"), "0.3");

  // Refused: nothing is read.
  const size_t reads = requests(6, '6');
  calibrate("pB_PressCalib", QMessageBox::No);
  EXPECT_TRUE(buttonsEnabled());
  QTest::qWait(50);
  EXPECT_EQ(requests(6, '6'), reads);
}

TEST_F(EnergiePage, Pt100CalibrationAndReset) {
  ASSERT_NO_FATAL_FAILURE(
      open("[General]\nCONFIG_FLUID=R404A\nCONFIG_TREF_CORRECTION=0.500000\nCONFIG_TRES1_"
           "CORRECTION=0.600000\n",
           plantScenario() + "set 6 pt100 0.4\n"));
  widget<QGroupBox>("gB_CapteurPT100")->setChecked(true);
  AnsweredBox box = calibrate("pB_PT100calibrage");
  EXPECT_EQ(box.title, "ATTENTION Lancer le CALIBRAGE de la sonde PT100 ASPIRATION ?");
  EXPECT_EQ(
      box.text,
      "Lancer la procedure de Calibrage PT100 ASPIRATION ?!\nveuillez cliquer sur OK APRES avoir "
      "branche la RESISTANCE de 100 ohms a la place de la PT100!");
  EXPECT_EQ(text("label_PT100calibration"), "0.4");
  saveSettledScreen(*page, "cConf_Energie-pt100-calibrated");
  click("pB_SaveENER");
  EXPECT_TRUE(bench->configHas("General", "CONFIG_TASP_CORRECTION=0.400000"));

  // Module 3 does not answer.
  click("pB_enerIDplus");
  click("pB_enerIDplus");
  widget<QGroupBox>("gB_CapteurPT100")->setChecked(true);
  EXPECT_EQ(calibrate("pB_PT100calibrage").title,
            "ATTENTION Lancer le CALIBRAGE de la sonde PT100 RESERVE 1 ?");
  EXPECT_EQ(text("label_SendConfigMessage"), "ERREUR Reponse module ENERGIE 3");

  // Reset on module 2 writes its key at once, and only its key.
  click("pB_enerIDmoins");
  EXPECT_EQ(text("label_PT100calibration"), "0.5");
  widget<QGroupBox>("gB_CapteurPT100")->setChecked(true);
  const size_t frames = bench->sim->frames().size();
  QTest::mouseClick(widget<QPushButton>("pB_Reset_PT100Calib"), Qt::LeftButton);
  EXPECT_EQ(text("label_PT100calibration"), "0.0");
  EXPECT_TRUE(bench->configHas("General", "CONFIG_TREF_CORRECTION=0.000000"));
  EXPECT_TRUE(bench->configHas("General", "CONFIG_TASP_CORRECTION=0.400000"));
  EXPECT_TRUE(bench->configHas("General", "CONFIG_TRES1_CORRECTION=0.600000"));
  EXPECT_EQ(bench->sim->frames().size(), frames);
}

}  // namespace
