// The plant volumes and charge page: condenser volume, refrigerant charge, receiver volume.
#include <gtest/gtest.h>

#include <QLabel>
#include <QScrollBar>

#include "Iinstallation.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"
#include "support/wizard_copy.h"

namespace {
QScrollBar* bar(QWidget& page, const char* name) { return page.findChild<QScrollBar*>(name); }
std::string label(QWidget& page, const char* name) {
  return page.findChild<QLabel*>(name)->text().toStdString();
}
}  // namespace

TEST(Iinstallation, ZeroSettingsShowAsStoredBesideBarsAtTenAndLeaveTen) {
  testApplication();
  WizardCopy copy;
  WizardSlot slot;
  Iinstallation page(&slot, copy.ptr());
  slot.put(&page);
  for (const char* key : {"CONFIG_VOLUME_CONDENSEUR", "CONFIG_CHARGE_FLUIDE",
                          "CONFIG_VOLUME_RESERVOIR"})
    EXPECT_EQ(copy.get(key), "0") << key;
  EXPECT_EQ(copy.get("CONFIG_TRANSCRITIQUE"), "1");
  arrive(page);
  for (const char* name : {"Condenseur_ScrollBar", "Fluide_ScrollBar", "Volume_ScrollBar"}) {
    EXPECT_EQ(bar(page, name)->value(), 10) << name;
    EXPECT_EQ(bar(page, name)->sizeHint().height(), 40) << name;
  }
  EXPECT_EQ(label(page, "Condvalue_label"), "0 dm3");
  EXPECT_EQ(label(page, "Fluidevalue_label"), "0 Kg");
  EXPECT_EQ(label(page, "Volume_label"), "0 dm3");
  EXPECT_EQ(label(page, "VolumeCondenseur_label"), "Volume interne Condenseur(s)");
  EXPECT_EQ(label(page, "VolumeReservoir_label"), "Volume du reservoir");
  saveScreen(&page, "Iinstallation-zero");
  leave(page);
  for (const char* key : {"CONFIG_VOLUME_CONDENSEUR", "CONFIG_CHARGE_FLUIDE",
                          "CONFIG_VOLUME_RESERVOIR"})
    EXPECT_EQ(copy.get(key), "10") << key;
}

TEST(Iinstallation, TitlesFollowRefrigerantModeAndReceiverCount) {
  testApplication();
  struct Case {
    const char* fluid;
    const char* transcritical;  // nullptr: missing (read as 1)
    const char* tanks;
    const char* condenserTitle;
    const char* receiverTitle;
  };
  const Case cases[] = {
      {"CO2", "1", "1", "Volume interne Gas Cooler", "Volume du reservoir"},
      {"CO2", nullptr, "0", "Volume interne Gas Cooler", "Volume du reservoir"},
      {"CO2", "0", "2", "Volume interne Condenseur(s)", "Volume d'un reservoir"},
      {"R404A", "1", "4", "Volume interne Condenseur(s)", "Volume d'un reservoir"},
      {"R404A", "1", "-1", "Volume interne Condenseur(s)", "Volume du reservoir"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.fluid) + (c.transcritical ? c.transcritical : "-") + c.tanks);
    WizardCopy copy;
    copy.set("CONFIG_FLUID", c.fluid);
    if (c.transcritical) copy.set("CONFIG_TRANSCRITIQUE", c.transcritical);
    copy.set("CONFIG_TANK_NUMBER", c.tanks);
    WizardSlot slot;
    Iinstallation page(&slot, copy.ptr());
    slot.put(&page);
    arrive(page);
    EXPECT_EQ(label(page, "VolumeCondenseur_label"), c.condenserTitle);
    EXPECT_EQ(label(page, "VolumeReservoir_label"), c.receiverTitle);
    if (std::string(c.tanks) == "2") saveScreen(&page, "Iinstallation-gas-cooler-off-2-receivers");
    if (c.transcritical && std::string(c.fluid) == "CO2" && std::string(c.transcritical) == "1")
      saveScreen(&page, "Iinstallation-gas-cooler");
  }
}

TEST(Iinstallation, BarsMoveTheLabelsAndLeavingWritesThem) {
  testApplication();
  WizardCopy copy;
  copy.set("CONFIG_VOLUME_CONDENSEUR", "1500");
  copy.set("CONFIG_VOLUME_RESERVOIR", "1100");
  copy.set("CONFIG_CHARGE_FLUIDE", "120");
  WizardSlot slot;
  Iinstallation page(&slot, copy.ptr());
  slot.put(&page);
  arrive(page);
  EXPECT_EQ(label(page, "Condvalue_label"), "1500 dm3");
  EXPECT_EQ(bar(page, "Condenseur_ScrollBar")->value(), 1200);
  EXPECT_EQ(bar(page, "Volume_ScrollBar")->value(), 1100);
  bar(page, "Fluide_ScrollBar")->setValue(350);
  EXPECT_EQ(label(page, "Fluidevalue_label"), "350 Kg");
  saveScreen(&page, "Iinstallation-charge-350");
  leave(page);
  EXPECT_EQ(copy.get("CONFIG_CHARGE_FLUIDE"), "350");
  EXPECT_EQ(copy.get("CONFIG_VOLUME_CONDENSEUR"), "1200");
  EXPECT_EQ(copy.get("CONFIG_VOLUME_RESERVOIR"), "1100");
}
