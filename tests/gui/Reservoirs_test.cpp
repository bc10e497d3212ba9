// The receiver type and count page: CONFIG_TANK_TYPE and CONFIG_TANK_NUMBER of the copy.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QRadioButton>

#include "Diamreservoir.h"
#include "Reservoirs.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"
#include "support/wizard_copy.h"

namespace {
QRadioButton* button(QWidget& page, const char* name) {
  return page.findChild<QRadioButton*>(name);
}
QComboBox* countList(QWidget& page) { return page.findChild<QComboBox*>("cB_NombreReservoir"); }
}  // namespace

TEST(Reservoirs, EmptyCopyGainsVerticalAndOneReceiverAtConstruction) {
  PageBench bench;
  WizardCopy& copy = bench.copy;
  WizardSlot slot;
  Reservoirs page(&slot, copy.ptr());
  slot.put(&page);
  EXPECT_EQ(copy.get("CONFIG_TANK_TYPE"), "V");
  EXPECT_EQ(copy.get("CONFIG_TANK_NUMBER"), "1");
  arrive(page);
  EXPECT_TRUE(button(page, "Vertical")->isChecked());
  EXPECT_EQ(countList(page)->currentText().toStdString(), "1 reservoir");
  ASSERT_EQ(countList(page)->count(), 5);
  EXPECT_EQ(countList(page)->itemText(0).toStdString(), "Aucun");
  saveScreen(&page, "Reservoirs-vertical-1");
}

TEST(Reservoirs, LeavingWritesOnlyWhatChanged) {
  testApplication();
  TestSandbox sandbox;
  WorkingDirectory cwd(prepareOrvqtWorkDir(sandbox));
  struct Case {
    const char* type;
    const char* number;
    const char* tap;   // radio button to tap, or nullptr
    int pick;          // list index to pick, or -1
    const char* shown; // current list text on arrival ("" for none)
    const char* typeAfter;
    const char* numberAfter;
  };
  const Case cases[] = {
      {"H", "3", nullptr, -1, "3 reservoirs", "H", "3"},
      {"V", "2", nullptr, 0, "2 reservoirs", "V", "1"},   // "Aucun" still counts one
      {"V", "1", nullptr, 0, "1 reservoir", "V", "1"},
      {"V", "0", nullptr, -1, "Aucun", "V", "1"},
      {"V", "7", nullptr, -1, "", "V", "7"},                // not in the list: kept
      {"V", "7", nullptr, 4, "", "V", "4"},
      {"X", "1", nullptr, -1, "1 reservoir", "V", "1"},     // unknown type: no button, V
      {"V", "1", "Horizontal", -1, "1 reservoir", "H", "1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.type) + c.number);
    WizardCopy copy;
    copy.set("CONFIG_TANK_TYPE", c.type);
    copy.set("CONFIG_TANK_NUMBER", c.number);
    WizardSlot slot;
    Reservoirs page(&slot, copy.ptr());
    slot.put(&page);
    arrive(page);
    EXPECT_EQ(button(page, "Horizontal")->isChecked(), std::string(c.type) == "H");
    EXPECT_EQ(button(page, "Vertical")->isChecked(), std::string(c.type) == "V");
    EXPECT_EQ(countList(page)->currentText().toStdString(), c.shown);
    if (std::string(c.type) == "H") saveScreen(&page, "Reservoirs-horizontal-3");
    if (c.tap) tap(button(page, c.tap));
    if (c.pick >= 0) countList(page)->setCurrentIndex(c.pick);
    leave(page);
    EXPECT_EQ(copy.get("CONFIG_TANK_TYPE"), c.typeAfter);
    EXPECT_EQ(copy.get("CONFIG_TANK_NUMBER"), c.numberAfter);
  }
}

// The stack hides the page that is left before it shows the next one, so the diameter page
// finds the type just chosen.
TEST(Reservoirs, TypeChosenHereChoosesTheDiameterPicture) {
  PageBench bench;
  WizardCopy& copy = bench.copy;
  WizardSlot receiversSlot;
  Reservoirs receivers(&receiversSlot, copy.ptr());
  receiversSlot.put(&receivers);
  WizardSlot diameterSlot;
  Diamreservoir diameter(&diameterSlot, copy.ptr());
  diameterSlot.put(&diameter);
  arrive(receivers);
  tap(button(receivers, "Horizontal"));
  leave(receivers);
  arrive(diameter);
  ASSERT_FALSE(guiImage("RHD2.png").isNull());
  EXPECT_EQ(shownPicture(diameter, "Image_resv"), guiImage("RHD2.png"));
}
