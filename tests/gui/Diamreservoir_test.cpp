// The receiver diameter page: CONFIG_DIAMETRE in whole millimetres on a 100..2000 bar.
#include <gtest/gtest.h>

#include <QLabel>
#include <QScrollBar>

#include "Diamreservoir.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"
#include "support/wizard_copy.h"

namespace {
QScrollBar* bar(QWidget& page) { return page.findChild<QScrollBar*>("horizontalScrollBar"); }
QString text(QWidget& page) { return page.findChild<QLabel*>("Diamtext")->text(); }
}  // namespace

TEST(Diamreservoir, MissingDiameterReadsFiveHundredAndIsInserted) {
  PageBench bench;
  WizardCopy& copy = bench.copy;
  WizardSlot slot;
  Diamreservoir page(&slot, copy.ptr());
  slot.put(&page);
  EXPECT_EQ(copy.get("CONFIG_DIAMETRE"), "500");
  EXPECT_EQ(copy.get("CONFIG_TANK_TYPE"), "V");
  arrive(page);
  EXPECT_EQ(bar(page)->value(), 500);
  EXPECT_EQ(bar(page)->minimum(), 100);
  EXPECT_EQ(bar(page)->maximum(), 2000);
  EXPECT_EQ(text(page).toStdString(), "500 mm");
  EXPECT_EQ(bar(page)->sizeHint().height(), 40);  // the wide touch style
  ASSERT_FALSE(guiImage("RVD.png").isNull());
  EXPECT_EQ(shownPicture(page, "Image_resv"), guiImage("RVD.png"));
  saveScreen(&page, "Diamreservoir-vertical-500");
  leave(page);
  EXPECT_EQ(copy.get("CONFIG_DIAMETRE"), "500");
}

TEST(Diamreservoir, LeavingWritesTheBarWhenItsWholeMillimetresDiffer) {
  testApplication();
  TestSandbox sandbox;
  WorkingDirectory cwd(prepareOrvqtWorkDir(sandbox));
  struct Case {
    const char* stored;
    int moveTo;  // -1: untouched
    int shown;
    const char* after;
  };
  const Case cases[] = {
      {"500", 1200, 500, "1200"}, {"800", -1, 800, "800"},   {"50", -1, 100, "100"},
      {"2500", -1, 2000, "2000"}, {"750.9", -1, 750, "750.9"},  // a fraction survives
      {"abc", -1, 500, "abc"},  // unreadable: 500 shown, nothing written at 500
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    WizardCopy copy;
    copy.set("CONFIG_DIAMETRE", c.stored);
    WizardSlot slot;
    Diamreservoir page(&slot, copy.ptr());
    slot.put(&page);
    arrive(page);
    EXPECT_EQ(bar(page)->value(), c.shown);
    if (c.moveTo >= 0) {
      bar(page)->setValue(c.moveTo);
      EXPECT_EQ(text(page).toStdString(), std::to_string(c.moveTo) + " mm");
      saveScreen(&page, "Diamreservoir-1200");
    }
    leave(page);
    EXPECT_EQ(copy.get("CONFIG_DIAMETRE"), c.after);
  }
}

TEST(Diamreservoir, HorizontalReceiverShowsItsPicture) {
  PageBench bench;
  WizardCopy& copy = bench.copy;
  copy.set("CONFIG_TANK_TYPE", "H");
  WizardSlot slot;
  Diamreservoir page(&slot, copy.ptr());
  slot.put(&page);
  arrive(page);
  ASSERT_FALSE(guiImage("RHD2.png").isNull());
  EXPECT_EQ(shownPicture(page, "Image_resv"), guiImage("RHD2.png"));
  saveScreen(&page, "Diamreservoir-horizontal");
}
