// The refrigerant and condenser page: CONFIG_FLUID, the condenser type and power, and the
// CO2 mode, over the refrigerant facade's list.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

#include <string>
#include <vector>

#include "Choix_fluide.h"
#include "FLuidsNorvale.h"
#include "ModulsCenter.h"
#include "core_device.h"
#include "orvbus_sim.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"
#include "support/wizard_copy.h"

namespace {

// The refrigerant list as the main window hands it to the wizard.
std::vector<std::string> refrigerants() {
  FLuidsNorvale fluids;
  std::vector<std::string> names;
  fluids.get_FluidListVector(&names);
  return names;
}

struct FluidPage {
  explicit FluidPage(WizardCopy& copy) : page(&slot, copy.ptr()) {
    slot.put(&page);
    std::vector<std::string> names = refrigerants();
    page.setFLuidsList(names);
  }
  QComboBox* list() { return page.findChild<QComboBox*>("comboBox_fluide"); }
  void choose(const QString& item) {
    const int index = list()->findText(item);
    ASSERT_GE(index, 0) << item.toStdString();
    list()->setCurrentIndex(index);
  }
  bool shown(const char* name) { return page.findChild<QWidget*>(name)->isVisible(); }
  bool checked(const char* name) {
    return page.findChild<QAbstractButton*>(name)->isChecked();
  }
  WizardSlot slot;
  Choix_fluide page;
};

}  // namespace

TEST(Choix_fluide, StoredRefrigerantIsSelectedByItsWholeName) {
  testApplication();
  TestSandbox sandbox;
  WorkingDirectory cwd(prepareOrvqtWorkDir(sandbox));
  const struct {
    const char* stored;  // nullptr: missing
    const char* item;
  } cases[] = {{"R22", "R22 ()"},   {"R12", "R12 ()"}, {nullptr, "R404A (HP62/FX70)"},
               {"", "R404A (HP62/FX70)"}, {"CO2", "CO2 (R744)"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored ? c.stored : "missing");
    WizardCopy copy;
    if (c.stored) copy.set("CONFIG_FLUID", c.stored);
    FluidPage fluid(copy);
    arrive(fluid.page);
    EXPECT_EQ(fluid.list()->currentText().toStdString(), c.item);
    if (!c.stored) saveScreen(&fluid.page, "Choix_fluide-R404A");
    leave(fluid.page);
    // Nothing chosen: the name is not rewritten.
    EXPECT_EQ(copy.get("CONFIG_FLUID"), c.stored ? c.stored : "R404A");
  }
}

TEST(Choix_fluide, AnotherRefrigerantIsWrittenByNameAlone) {
  testApplication();
  WizardCopy copy;
  copy.set("CONFIG_FLUID", "R404A");
  FluidPage fluid(copy);
  arrive(fluid.page);
  fluid.choose("R407C (Klea66)");
  leave(fluid.page);
  EXPECT_EQ(copy.get("CONFIG_FLUID"), "R407C");
}

TEST(Choix_fluide, Co2ShowsItsModeAndWritesBothFlagsOnlyWhenChanged) {
  PageBench bench;
  WizardCopy& copy = bench.copy;
  copy.set("CONFIG_FLUID", "R404A");
  copy.set("CONFIG_SUBCRITIQUE", "0");
  copy.set("CONFIG_TRANSCRITIQUE", "0");  // does not match: left alone while untouched
  FluidPage fluid(copy);
  arrive(fluid.page);
  fluid.choose("CO2 (R744)");
  EXPECT_FALSE(fluid.shown("groupBox_choix_condenseur"));
  EXPECT_TRUE(fluid.shown("groupBox_CO2"));
  EXPECT_TRUE(fluid.checked("rB_transcritique"));
  saveScreen(&fluid.page, "Choix_fluide-CO2");
  leave(fluid.page);
  EXPECT_EQ(copy.get("CONFIG_FLUID"), "CO2");
  EXPECT_EQ(copy.get("CONFIG_SUBCRITIQUE"), "0");
  EXPECT_EQ(copy.get("CONFIG_TRANSCRITIQUE"), "0");

  arrive(fluid.page);
  tap(fluid.page.findChild<QRadioButton*>("rB_subcritique"));
  saveScreen(&fluid.page, "Choix_fluide-CO2-subcritique");
  leave(fluid.page);
  EXPECT_EQ(copy.get("CONFIG_SUBCRITIQUE"), "1");
  EXPECT_EQ(copy.get("CONFIG_TRANSCRITIQUE"), "0");
}

TEST(Choix_fluide, CondenserTypeWithoutEnergyModule) {
  PageBench bench;
  WizardCopy& copy = bench.copy;
  copy.set("CONFIG_CONDENSEUR_TYPE", "0");
  copy.set("CONFIG_CONDENSEUR_PUISSANCE", "150");
  FluidPage fluid(copy);
  arrive(fluid.page);
  EXPECT_TRUE(fluid.shown("groupBox_choix_condenseur"));
  EXPECT_FALSE(fluid.shown("groupBox_CO2"));
  EXPECT_TRUE(fluid.checked("cB_echangeur"));
  EXPECT_FALSE(fluid.checked("cB_condenseur"));
  EXPECT_FALSE(fluid.shown("spinBox_PuissCondenseur"));
  saveScreen(&fluid.page, "Choix_fluide-autre");

  tap(fluid.page.findChild<QCheckBox*>("cB_condenseur"));
  EXPECT_TRUE(fluid.checked("cB_condenseur"));
  EXPECT_FALSE(fluid.checked("cB_echangeur"));
  tap(fluid.page.findChild<QCheckBox*>("cB_condenseur"));  // tapping it again keeps it
  EXPECT_TRUE(fluid.checked("cB_condenseur"));
  EXPECT_FALSE(fluid.shown("spinBox_PuissCondenseur"));  // no ENERGIE module 1
  saveScreen(&fluid.page, "Choix_fluide-air-no-energy");
  leave(fluid.page);
  EXPECT_EQ(copy.get("CONFIG_CONDENSEUR_TYPE"), "1");
  // The hidden field was never loaded: the stored power stays.
  EXPECT_EQ(copy.get("CONFIG_CONDENSEUR_PUISSANCE"), "150");
}

TEST(Choix_fluide, AirCondenserPowerShownWithEnergyModuleOne) {
  testApplication();
  CoreDevice device("CONFIG_FLUID=R404A\nCONFIG_CONDENSEUR_TYPE=1\n");
  WorkingDirectory cwd(prepareOrvqtWorkDir(device.box));
  BusSimulator sim(device.box, "module 6 energie configured=1\n" + garbledModules({0, 1, 5, 7, 8}));
  ASSERT_TRUE(sim.ready());
  device.core->start_ModulsCenter();
  ASSERT_EQ(device.core->modulsCenter()->isModulEner_connected(0), 1);
  WizardCopy copy;
  copy.set("CONFIG_CONDENSEUR_TYPE", "1");
  FluidPage fluid(copy);
  arrive(fluid.page);
  EXPECT_TRUE(fluid.checked("cB_condenseur"));
  EXPECT_TRUE(fluid.shown("spinBox_PuissCondenseur"));
  EXPECT_TRUE(fluid.shown("label_PuissCondenseur"));
  EXPECT_EQ(fluid.page.findChild<QSpinBox*>("spinBox_PuissCondenseur")->value(), 150);
  EXPECT_EQ(copy.get("CONFIG_CONDENSEUR_PUISSANCE"), "150");
  saveScreen(&fluid.page, "Choix_fluide-air-power");
  fluid.page.findChild<QSpinBox*>("spinBox_PuissCondenseur")->setValue(220);
  leave(fluid.page);
  EXPECT_EQ(copy.get("CONFIG_CONDENSEUR_PUISSANCE"), "220");

  // "Autre" hides the field again.
  arrive(fluid.page);
  tap(fluid.page.findChild<QCheckBox*>("cB_echangeur"));
  EXPECT_FALSE(fluid.shown("spinBox_PuissCondenseur"));
  leave(fluid.page);
  EXPECT_EQ(copy.get("CONFIG_CONDENSEUR_TYPE"), "0");
  EXPECT_EQ(copy.get("CONFIG_CONDENSEUR_PUISSANCE"), "220");
}
