// The low-level alarm page: weight ranges from the receivers' capacity, the delays, and
// the pump-down watch journalled when it changes.
#include <gtest/gtest.h>

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>

#include "Alarmeclassique.h"
#include "core_device.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"
#include "support/wizard_copy.h"

namespace {

struct LowLevelPage {
  explicit LowLevelPage(WizardCopy& copy) : page(&slot, copy.ptr()) { slot.put(&page); }
  QScrollBar* bar(const char* name) { return page.findChild<QScrollBar*>(name); }
  std::string text(const char* name) { return page.findChild<QLabel*>(name)->text().toStdString(); }
  QGroupBox* pumpDown() { return page.findChild<QGroupBox*>("gB_PumpDown"); }
  std::pair<int, int> range(const char* name) {
    return {bar(name)->minimum(), bar(name)->maximum()};
  }
  WizardSlot slot;
  Alarmeclassique page;
};

// Lines of the journal that are pump-down events.
std::vector<std::string> pumpDownLines(CoreDevice& device) {
  std::vector<std::string> lines;
  for (const std::string& line : device.journal())
    if (line.rfind("1030;", 0) == 0) lines.push_back(line);
  return lines;
}

}  // namespace

TEST(Alarmeclassique, DefaultReceiverProposesTenPercentOfItsCapacity) {
  testApplication();
  CoreDevice device("");
  WorkingDirectory cwd(prepareOrvqtWorkDir(device.box));
  WizardCopy copy;
  LowLevelPage p(copy);
  arrive(p.page);
  for (const char* name : {"poidsScrollBar", "poidsScrollBar_nuit"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(p.range(name), std::make_pair(2945, 279798));
    EXPECT_EQ(p.bar(name)->singleStep(), 10);
    EXPECT_EQ(p.bar(name)->pageStep(), 100);
  }
  for (const char* name : {"tempsScrollBar", "tempsScrollBar_nuit"}) {
    EXPECT_EQ(p.range(name), std::make_pair(1, 90)) << name;
    EXPECT_EQ(p.bar(name)->pageStep(), 5) << name;
  }
  for (const char* name :
       {"poidsScrollBar", "poidsScrollBar_nuit", "tempsScrollBar", "tempsScrollBar_nuit"})
    EXPECT_EQ(p.bar(name)->style()->pixelMetric(QStyle::PM_ScrollBarExtent), 40) << name;
  EXPECT_EQ(p.text("valpoidslabel"), "29.5 Kg");
  EXPECT_EQ(p.text("valtmplabel"), "20 min");
  EXPECT_EQ(p.text("valpoidslabel_nuit"), "50.0 Kg");
  EXPECT_EQ(p.text("valtmplabel_nuit"), "30 min");
  ASSERT_FALSE(guiImage("RV1Alarme.png").isNull());
  EXPECT_EQ(shownPicture(p.page, "reservoir_image"), guiImage("RV1Alarme.png"));
  EXPECT_EQ(p.page.findChild<QLabel*>("reservoir_image")->size(), QSize(200, 390));
  EXPECT_FALSE(p.pumpDown()->isChecked());
  EXPECT_FALSE(p.bar("poidsScrollBar_nuit")->isEnabled());
  EXPECT_FALSE(p.bar("tempsScrollBar_nuit")->isEnabled());
  saveScreen(&p.slot, "Alarmeclassique-default");

  QSignalSpy timeouts(&p.page, SIGNAL(OnReloadConfTimerSignal(int)));
  leave(p.page);
  ASSERT_EQ(timeouts.count(), 1);
  EXPECT_EQ(timeouts.at(0).at(0).toInt(), 300000);
  EXPECT_EQ(copy.get("ALARME_NIVEAU_MINI_G"), "29452");
  EXPECT_EQ(copy.get("ALARME_TEMPORISATION"), "20");
  EXPECT_EQ(copy.get("ALARME_NIVEAU_MINI_G_NUIT"), "50000");
  EXPECT_EQ(copy.get("ALARME_TEMPORISATION_NUIT"), "30");
  EXPECT_EQ(copy.get("ALARME_PUMPDOWN"), "0");
  EXPECT_TRUE(pumpDownLines(device).empty());

  // Bars move by 10 g and 100 g, delays by 1 min and 5 min.
  arrive(p.page);
  p.bar("poidsScrollBar")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(p.text("valpoidslabel"), "29.5 Kg");
  EXPECT_EQ(p.bar("poidsScrollBar")->value(), 29462);
  p.bar("poidsScrollBar")->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(p.text("valpoidslabel"), "29.6 Kg");
  p.bar("tempsScrollBar")->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(p.text("valtmplabel"), "25 min");
  leave(p.page);
  EXPECT_EQ(copy.get("ALARME_NIVEAU_MINI_G"), "29562");
  EXPECT_EQ(copy.get("ALARME_TEMPORISATION"), "25");
  EXPECT_TRUE(pumpDownLines(device).empty());  // weights and delays are not journalled
}

TEST(Alarmeclassique, RangesFollowTheReceiversAndStoredValuesAreHeldInside) {
  testApplication();
  CoreDevice device("");
  WorkingDirectory cwd(prepareOrvqtWorkDir(device.box));
  struct Case {
    const char* type;
    const char* diameter;
    const char* height;
    const char* number;
    int low, high;
  };
  // Horizontal receivers lose 2 cm of length up to 273 mm of diameter, 3 cm above; the
  // diameter and length go to whole centimetres first.
  const Case cases[] = {
      {"H", "600.0", "2000", "2", 11140, 1058308}, {"H", "600.0", "2000", "1", 5570, 529154},
      {"H", "273.0", "1000", "1", 560, 53231},     {"H", "274.0", "1000", "1", 554, 52688},
      {"V", "515.0", "1500", "1", 2945, 279798},   {"H", "515.0", "1000", "1", 1980, 188173},
      {"H", "0", "1000", "1", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.type) + " " + c.diameter + " " + c.height + " x" + c.number);
    WizardCopy copy;
    copy.set("CONFIG_TANK_TYPE", c.type);
    copy.set("CONFIG_DIAMETRE", c.diameter);
    copy.set("CONFIG_HEIGHT", c.height);
    copy.set("CONFIG_TANK_NUMBER", c.number);
    LowLevelPage p(copy);
    arrive(p.page);
    EXPECT_EQ(p.range("poidsScrollBar"), std::make_pair(c.low, c.high));
    EXPECT_EQ(p.range("poidsScrollBar_nuit"), std::make_pair(c.low, c.high));
  }

  WizardCopy copy;
  copy.set("CONFIG_TANK_TYPE", "H");
  copy.set("CONFIG_DIAMETRE", "600.0");
  copy.set("CONFIG_HEIGHT", "2000");
  copy.set("CONFIG_TANK_NUMBER", "2");
  copy.set("ALARME_TEMPORISATION", "120");
  copy.set("ALARME_NIVEAU_MINI_G", "2000000");
  LowLevelPage p(copy);
  arrive(p.page);
  EXPECT_EQ(shownPicture(p.page, "reservoir_image"), guiImage("NH1A.png"));
  EXPECT_EQ(p.text("valtmplabel"), "90 min");
  EXPECT_EQ(p.bar("poidsScrollBar")->value(), 1058308);
  EXPECT_EQ(p.text("valpoidslabel"), "1058.3 Kg");
  leave(p.page);
  EXPECT_EQ(copy.get("ALARME_TEMPORISATION"), "90");
  EXPECT_EQ(copy.get("ALARME_NIVEAU_MINI_G"), "1058308");

  // A receiver count changed on an earlier page gives new ranges at the next showing.
  copy.set("CONFIG_TANK_NUMBER", "1");
  arrive(p.page);
  EXPECT_EQ(p.range("poidsScrollBar"), std::make_pair(5570, 529154));

  // A small receiver cannot hold the pump-down default: it stands at the maximum.
  WizardCopy small;
  small.set("CONFIG_DIAMETRE", "200.0");
  small.set("CONFIG_HEIGHT", "500");
  LowLevelPage s(small);
  arrive(s.page);
  EXPECT_EQ(s.bar("poidsScrollBar_nuit")->value(), s.bar("poidsScrollBar_nuit")->maximum());
  leave(s.page);
  EXPECT_EQ(small.get("ALARME_NIVEAU_MINI_G_NUIT"),
            std::to_string(s.bar("poidsScrollBar_nuit")->maximum()));
}

TEST(Alarmeclassique, PumpDownWatchChangeIsJournalledOnce) {
  testApplication();
  CoreDevice device("");
  WorkingDirectory cwd(prepareOrvqtWorkDir(device.box));
  WizardCopy copy;
  copy.set("CONFIG_TANK_TYPE", "H");
  copy.set("CONFIG_DIAMETRE", "600.0");
  copy.set("CONFIG_HEIGHT", "2000");
  copy.set("CONFIG_TANK_NUMBER", "2");
  LowLevelPage p(copy);
  arrive(p.page);
  p.pumpDown()->setChecked(true);
  EXPECT_TRUE(p.bar("poidsScrollBar_nuit")->isEnabled());
  saveScreen(&p.slot, "Alarmeclassique-pumpdown");
  leave(p.page);
  EXPECT_EQ(copy.get("ALARME_PUMPDOWN"), "1");
  EXPECT_EQ(pumpDownLines(device), std::vector<std::string>{"1030;ALARME_PUMPDOWN=1;;;"});

  arrive(p.page);
  EXPECT_TRUE(p.pumpDown()->isChecked());
  leave(p.page);
  EXPECT_EQ(pumpDownLines(device).size(), 1u);

  arrive(p.page);
  p.pumpDown()->setChecked(false);
  leave(p.page);
  EXPECT_EQ(copy.get("ALARME_PUMPDOWN"), "0");
  EXPECT_EQ(pumpDownLines(device), (std::vector<std::string>{"1030;ALARME_PUMPDOWN=1;;;",
                                                             "1030;ALARME_PUMPDOWN=0;;;"}));
}

TEST(Alarmeclassique, LanguageChangeSetsTheFormTextsAgain) {
  testApplication();
  TestSandbox sandbox;
  WorkingDirectory cwd(prepareOrvqtWorkDir(sandbox));
  WizardCopy copy;
  LowLevelPage p(copy);
  arrive(p.page);
  QEvent change(QEvent::LanguageChange);
  QApplication::sendEvent(&p.page, &change);
  for (const char* name :
       {"valpoidslabel", "valtmplabel", "valpoidslabel_nuit", "valtmplabel_nuit"})
    EXPECT_EQ(p.text(name), "TextLabel") << name;
  EXPECT_EQ(p.text("labelentete"), "Reglage d'alarme de\nniveau bas (securite)");
  EXPECT_EQ(p.pumpDown()->title().toStdString(), "Surveillance centrale Pump Down");
  leave(p.page);
  arrive(p.page);
  EXPECT_EQ(p.text("valpoidslabel"), "29.5 Kg");
}
