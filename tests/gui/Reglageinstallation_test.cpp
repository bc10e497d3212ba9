// The plant set points page: regulation flags, BP and HP set points, and the 3-day alarm
// threshold derived from the BP set point on leaving.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>

#include "Reglageinstallation.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"
#include "support/wizard_copy.h"

namespace {
QScrollBar* bar(QWidget& page, const char* name) { return page.findChild<QScrollBar*>(name); }
std::string label(QWidget& page, const char* name) {
  return page.findChild<QLabel*>(name)->text().toStdString();
}
}  // namespace

TEST(Reglageinstallation, FreshCopyGainsThePageDefaults) {
  testApplication();
  WizardCopy copy;
  WizardSlot slot;
  Reglageinstallation page(&slot, copy.ptr());
  slot.put(&page);
  EXPECT_EQ(copy.get("CONFIG_REG_BP"), "0");
  EXPECT_EQ(copy.get("CONFIG_REG_HP"), "0");
  EXPECT_EQ(copy.get("CONFIG_CONSIGNE_BP"), "-12");
  EXPECT_EQ(copy.get("CONFIG_CONSIGNE_HP"), "40");
  EXPECT_FALSE(copy.has("REGLAGE_ALARM_3JOURS"));
  arrive(page);
  EXPECT_FALSE(page.findChild<QCheckBox*>("BP_checkBox")->isChecked());
  EXPECT_FALSE(page.findChild<QCheckBox*>("HP_checkBox")->isChecked());
  EXPECT_EQ(label(page, "Val_BP_label"), "-12 °C");
  EXPECT_EQ(label(page, "Val_HP_label"), "40 °C");
  EXPECT_EQ(bar(page, "BPScrollBar")->sizeHint().height(), 40);
  EXPECT_EQ(bar(page, "BPScrollBar")->pageStep(), 5);
  saveScreen(&page, "Reglageinstallation-defaults");
  leave(page);
  EXPECT_EQ(copy.get("REGLAGE_ALARM_3JOURS"), "-4");
}

TEST(Reglageinstallation, LeavingWritesSetPointsAndTheThreshold) {
  testApplication();
  struct Case {
    const char* key;      // a stored entry before the page is built, or nullptr
    const char* value;
    int bp;               // BP bar moved there (99: untouched)
    const char* bpAfter;
    const char* alarmAfter;
  };
  const Case cases[] = {
      {nullptr, nullptr, -21, "-21", "-3"},
      {nullptr, nullptr, -20, "-20", "-4"},
      {"REGLAGE_ALARM_3JOURS", "-4.0", -10, "-10", "-4.0"},  // equal numbers: kept
      {"REGLAGE_ALARM_3JOURS", "-2.5", -30, "-30", "-3"},
      {"CONFIG_CONSIGNE_BP", "cold", 99, "cold", "-4"},       // reads -12, left at -12
      {"CONFIG_CONSIGNE_BP", "cold", -15, "-15", "-4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.bp) + (c.value ? c.value : ""));
    WizardCopy copy;
    if (c.key) copy.set(c.key, c.value);
    WizardSlot slot;
    Reglageinstallation page(&slot, copy.ptr());
    slot.put(&page);
    arrive(page);
    if (c.bp != 99) bar(page, "BPScrollBar")->setValue(c.bp);
    if (c.bp == -21) saveScreen(&page, "Reglageinstallation-BP-21");
    leave(page);
    EXPECT_EQ(copy.get("CONFIG_CONSIGNE_BP"), c.bpAfter);
    EXPECT_EQ(copy.get("REGLAGE_ALARM_3JOURS"), c.alarmAfter);
  }
}

TEST(Reglageinstallation, StoredValuesBeyondTheBarsShowAsStoredAndLeaveClamped) {
  testApplication();
  WizardCopy copy;
  copy.set("CONFIG_CONSIGNE_HP", "65");
  copy.set("CONFIG_REG_HP", "2");
  copy.set("CONFIG_REG_BP", "1");
  WizardSlot slot;
  Reglageinstallation page(&slot, copy.ptr());
  slot.put(&page);
  arrive(page);
  EXPECT_EQ(label(page, "Val_HP_label"), "65 °C");
  EXPECT_EQ(bar(page, "HPScrollBar")->value(), 50);
  EXPECT_FALSE(page.findChild<QCheckBox*>("HP_checkBox")->isChecked());
  EXPECT_TRUE(page.findChild<QCheckBox*>("BP_checkBox")->isChecked());
  saveScreen(&page, "Reglageinstallation-HP65");
  leave(page);
  EXPECT_EQ(copy.get("CONFIG_CONSIGNE_HP"), "50");
  EXPECT_EQ(copy.get("CONFIG_REG_HP"), "0");
  EXPECT_EQ(copy.get("CONFIG_REG_BP"), "1");
}
