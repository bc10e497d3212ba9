// The statistical sensitivity page: the 3-day bar and its range by the low-pressure set
// point, "INIT", the lock, and the hidden long-period setting left alone unless "INIT".
#include <gtest/gtest.h>

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>

#include <map>

#include "Sensstat.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"
#include "support/wizard_copy.h"

namespace {

struct SensitivityPage {
  explicit SensitivityPage(WizardCopy& copy) : page(&slot, copy.ptr()) { slot.put(&page); }
  QScrollBar* bar(const char* name = "stat3jScrollBar") {
    return page.findChild<QScrollBar*>(name);
  }
  std::pair<int, int> range() { return {bar()->minimum(), bar()->maximum()}; }
  std::string shown() { return page.findChild<QLabel*>("Val_3j")->text().toStdString(); }
  WizardSlot slot;
  Sensstat page;
};

// Every entry of the copy's section General, as text.
std::map<std::string, std::string> entries(WizardCopy& copy) {
  std::map<std::string, std::string> out;
  for (const char* key :
       {"STAT3J_VALUE", "REGLAGE_ALARM_3JOURS", "STAT3J_CHECK", "STATLP_VALUE",
        "REGLAGE_ALARM_GPERIODE", "STATLP_CHECK", "STAT103_VALUE", "STAT103_CHECK",
        "CONFIG_CONSIGNE_BP", "z1_VERROU_ORV"})
    out[key] = copy.get(key);
  return out;
}

class SensstatTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { testApplication(); }
  TestSandbox sandbox;
  WorkingDirectory cwd{prepareOrvqtWorkDir(sandbox)};
};

}  // namespace

TEST_F(SensstatTest, DefaultsShowOneBarAndChangeOnlyTheUnreadStatistic) {
  WizardCopy copy;
  SensitivityPage p(copy);
  arrive(p.page);
  EXPECT_EQ(p.range(), std::make_pair(100, 400));
  EXPECT_EQ(p.bar()->value(), 200);
  EXPECT_EQ(p.shown(), "-5.0");
  for (const char* name :
       {"stat3jScrollBar", "label", "label_4", "Init", "label_7", "label_8", "Val_3j"})
    EXPECT_TRUE(p.page.findChild<QWidget*>(name)->isVisible()) << name;
  for (const char* name : {"stat3jBox", "statLPBox", "label_9", "Val_LP", "statLPScrollBar",
                           "label_2", "label_5", "stat103Box", "label_10", "stat103ScrollBar",
                           "label_3", "label_6"})
    EXPECT_FALSE(p.page.findChild<QWidget*>(name)->isVisible()) << name;
  for (const char* name : {"stat3jScrollBar", "statLPScrollBar", "stat103ScrollBar"})
    EXPECT_EQ(p.bar(name)->style()->pixelMetric(QStyle::PM_ScrollBarExtent), 40) << name;
  saveScreen(&p.slot, "Sensstat-default");

  std::map<std::string, std::string> expected = entries(copy);
  expected["STAT103_CHECK"] = "0";
  expected["STAT3J_CHECK"] = "1";  // the write-back's read creates the missing key with its default
  QSignalSpy timeouts(&p.page, SIGNAL(OnReloadConfTimerSignal(int)));
  leave(p.page);
  EXPECT_EQ(entries(copy), expected);
  ASSERT_EQ(timeouts.count(), 1);
  EXPECT_EQ(timeouts.at(0).at(0).toInt(), 300000);
}

TEST_F(SensstatTest, StoredPositionIsCorrectedByTheThresholdAndSetPoint) {
  struct Case {
    const char* setPoint;
    const char* position;
    const char* threshold;
    int low, high, shownAt;
  };
  const Case cases[] = {
      {"-20", "200", "-5.0", 100, 400, 200}, {"-21", "150", "-4.5", 0, 200, 150},
      {"-12", "250", "0", 100, 400, 100},    {"-12", "250", "-7.5", 100, 400, 400},
      {"-12", "250", "-5.5", 100, 400, 250}, {"-12", "50", "-5.0", 100, 400, 100},
      {"-35", "300", "-4.0", 0, 200, 200},   {"-35", "100", "-2.0", 0, 200, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.setPoint) + " " + c.position + " " + c.threshold);
    WizardCopy copy;
    copy.set("CONFIG_CONSIGNE_BP", c.setPoint);
    copy.set("STAT3J_VALUE", c.position);
    copy.set("REGLAGE_ALARM_3JOURS", c.threshold);
    SensitivityPage p(copy);
    arrive(p.page);
    EXPECT_EQ(p.range(), std::make_pair(c.low, c.high));
    EXPECT_EQ(p.bar()->value(), c.shownAt);
    leave(p.page);
    // After a visit the threshold matches the position.
    EXPECT_EQ(std::stod(copy.get("REGLAGE_ALARM_3JOURS")), (c.shownAt + 300.0) / -100.0);
  }
}

TEST_F(SensstatTest, LowTemperaturePlantWritesTheMovedPosition) {
  WizardCopy copy;
  copy.set("CONFIG_CONSIGNE_BP", "-35");
  SensitivityPage p(copy);
  arrive(p.page);
  EXPECT_EQ(p.range(), std::make_pair(0, 200));
  p.bar()->setValue(50);
  EXPECT_EQ(p.shown(), "-3.5");
  p.bar()->setValue(123);
  EXPECT_EQ(p.shown(), "-4.2");
  p.bar()->setValue(50);
  leave(p.page);
  EXPECT_EQ(copy.get("STAT3J_VALUE"), "50");
  EXPECT_EQ(copy.get("REGLAGE_ALARM_3JOURS"), "-3.5");
}

TEST_F(SensstatTest, LockedDeviceShowsAGreyPageAndWritesNothing) {
  WizardCopy copy;
  copy.set("z1_VERROU_ORV", "1");
  copy.set("STAT3J_VALUE", "20");
  SensitivityPage p(copy);
  arrive(p.page);
  EXPECT_FALSE(p.page.isEnabled());
  saveScreen(&p.slot, "Sensstat-locked");
  const std::map<std::string, std::string> before = entries(copy);
  leave(p.page);
  EXPECT_EQ(entries(copy), before);
  EXPECT_EQ(copy.get("STAT3J_VALUE"), "20");
}

TEST_F(SensstatTest, LongPeriodThresholdIsRewrittenOnlyAfterInit) {
  WizardCopy copy;
  copy.set("REGLAGE_ALARM_GPERIODE", "-2");
  SensitivityPage p(copy);
  arrive(p.page);
  leave(p.page);
  EXPECT_EQ(copy.get("REGLAGE_ALARM_GPERIODE"), "-2");
  EXPECT_EQ(copy.get("STATLP_VALUE"), "0");

  arrive(p.page);
  p.bar()->setValue(300);
  tap(p.page.findChild<QPushButton*>("Init"));
  EXPECT_EQ(p.range(), std::make_pair(100, 400));
  EXPECT_EQ(p.bar()->value(), 200);
  EXPECT_EQ(p.shown(), "-5.0");
  leave(p.page);
  EXPECT_EQ(copy.get("STATLP_VALUE"), "200");
  EXPECT_EQ(copy.get("REGLAGE_ALARM_GPERIODE"), "-3");
  EXPECT_EQ(copy.get("REGLAGE_ALARM_3JOURS"), "-5");

  // The next visit without "INIT" leaves them again.
  copy.set("REGLAGE_ALARM_GPERIODE", "-2.5");
  arrive(p.page);
  leave(p.page);
  EXPECT_EQ(copy.get("REGLAGE_ALARM_GPERIODE"), "-2.5");

  // A low-temperature plant starts both statistics at their most sensitive end.
  copy.set("CONFIG_CONSIGNE_BP", "-35");
  arrive(p.page);
  tap(p.page.findChild<QPushButton*>("Init"));
  EXPECT_EQ(p.range(), std::make_pair(0, 200));
  EXPECT_EQ(p.bar()->value(), 0);
  leave(p.page);
  EXPECT_EQ(copy.get("STATLP_VALUE"), "0");
  EXPECT_EQ(copy.get("REGLAGE_ALARM_GPERIODE"), "-1");
  EXPECT_EQ(copy.get("REGLAGE_ALARM_3JOURS"), "-3");
}

TEST_F(SensstatTest, LanguageChangeSetsTheFormTextsAgain) {
  WizardCopy copy;
  SensitivityPage p(copy);
  arrive(p.page);
  QEvent change(QEvent::LanguageChange);
  QApplication::sendEvent(&p.page, &change);
  EXPECT_EQ(p.shown(), "TextLabel");
  EXPECT_EQ(p.page.findChild<QLabel*>("label_7")->text().toStdString(),
            "Reglage Alarmes Statistique");
  leave(p.page);
  arrive(p.page);
  EXPECT_EQ(p.shown(), "-5.0");
}
