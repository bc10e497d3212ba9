// The date and time page: the boxes at show, the day limited to the month, and through the
// main window what leaving it sets (program clock, "date -s", "hwclock -w", the zone link,
// the core's reboot for a new date) and what an untouched page leaves alone.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QSpinBox>

#include "FuseauHorraire.h"
#include "Menu.h"
#include "support/orvqt_window.h"

namespace {

const char* const kSpinBoxes[] = {"spinBox_DAY", "spinBox_MONTH", "spinBox_YEAR", "spinBox_HEURE",
                                  "spinBox_MINUTE"};

QSpinBox* box(QWidget* page, const char* name) {
  return page->findChild<QSpinBox*>(QLatin1String(name));
}

class ClockAt {
 public:
  explicit ClockAt(const char* start) {
    setenv("TZ", "UTC", 1);
    tzset();
    setenv("ORV_CLOCK_START", start, 1);
    orv::resetWallClock();
  }
  ~ClockAt() {
    unsetenv("ORV_CLOCK_START");
    orv::resetWallClock();
  }
};

TEST(FuseauHorraire, ShowsTheLocalTimeAndKeepsTheDayWithinTheMonth) {
  testApplication();
  TestSandbox sandbox;
  ClockAt clock("2024-01-31 00:30:00");
  FuseauHorraire page(nullptr);
  page.setCfgFusHorraire(1);
  page.resize(640, 480);
  page.show();
  std::vector<int> values;
  for (const char* name : kSpinBoxes) {
    SCOPED_TRACE(name);
    QSpinBox* spin = box(&page, name);
    ASSERT_NE(spin, nullptr);
    values.push_back(spin->value());
    EXPECT_GE(spin->height(), 50);
    EXPECT_EQ(spin->styleSheet().toStdString(),
              "QSpinBox { border: 3px inset blue; } \nQSpinBox::up-button { subcontrol-position: "
              "right; width: 40px; height: 35px;}\nQSpinBox::down-button { subcontrol-position: "
              "left; width: 40px; height: 35px;}");
  }
  EXPECT_EQ(values, (std::vector<int>{31, 1, 2024, 0, 30}));
  EXPECT_EQ(box(&page, "spinBox_YEAR")->minimum(), 2000);
  EXPECT_EQ(box(&page, "spinBox_YEAR")->maximum(), 3000);
  EXPECT_EQ(box(&page, "spinBox_HEURE")->maximum(), 23);
  EXPECT_EQ(box(&page, "spinBox_MINUTE")->maximum(), 59);
  // The GMT time is kept, hidden: offset 1 at local midnight is 23 h GMT.
  auto* gmt = page.findChild<QLabel*>(QStringLiteral("labelGMT"));
  EXPECT_FALSE(gmt->isVisible());
  EXPECT_FALSE(page.findChild<QLabel*>(QStringLiteral("label_2"))->isVisible());
  EXPECT_EQ(gmt->text().toStdString(), "23:30");
  saveScreen(&page, "FuseauHorraire");

  // 31 January to February: the day comes down to the month's last one, and follows the year.
  const struct {
    int month, year, maximum, day;
  } steps[] = {{2, 2024, 29, 29}, {2, 2023, 28, 28}, {2, 2024, 29, 28}, {4, 2024, 30, 28},
               {12, 2024, 31, 28}};
  for (const auto& s : steps) {
    SCOPED_TRACE(std::to_string(s.month) + "/" + std::to_string(s.year));
    box(&page, "spinBox_MONTH")->setValue(s.month);
    box(&page, "spinBox_YEAR")->setValue(s.year);
    EXPECT_EQ(box(&page, "spinBox_DAY")->maximum(), s.maximum);
    EXPECT_EQ(box(&page, "spinBox_DAY")->value(), s.day);
  }
  box(&page, "spinBox_MONTH")->setValue(2);
  box(&page, "spinBox_YEAR")->setValue(2023);
  saveScreen(&page, "FuseauHorraire-february-2023");
}

struct LeaveCase {
  const char* name;
  const char* clockStart;
  std::function<void(QWidget*)> edit;  // what the technician changes
  int emitted;
  const char* dateCommand;  // "" for none
  const char* settime;      // the call log's clock setting, "" for none
  bool reboot;
};

TEST(FuseauHorraire, LeavingThroughTheMainWindowSetsWhatWasChanged) {
  const LeaveCase cases[] = {
      {"minute", "2024-03-01 10:05:00",
       [](QWidget* p) { box(p, "spinBox_MINUTE")->setValue(7); }, 1,
       "date -s \"2024-03-01 10:07:00\"", "settimeofday 1709287620", false},
      {"year", "2024-03-01 10:05:00",
       [](QWidget* p) { box(p, "spinBox_YEAR")->setValue(2025); }, 1,
       "date -s \"2025-03-01 10:05:00\"", "settimeofday 1740823500", true},
      // Shown at 10:05:59 and left after the minute turned: nothing was touched.
      {"untouched", "2024-03-01 10:05:59",
       [](QWidget*) { orv::setWallClock(orv::wallClockNow() + 2); }, 15, "", "", false},
  };
  for (const LeaveCase& c : cases) {
    SCOPED_TRACE(c.name);
    PlantOptions options;
    options.config = "FLAG_PREM_DEMARRAGE=1709283900\nz11_CONFIG_FUSEAU_HORRAIRE=1\n";
    options.clockStart = c.clockStart;
    WindowPlant plant(options);
    plant.startPastReport();
    plant.box.mkdirs("/etc");
    emit plant.find<Menu>("Menu")->fuseauHorraire();
    ASSERT_EQ(plant.page().toStdString(), "fuseauPage");
    EXPECT_EQ(plant.paused(), "upd/proc");
    QPointer<FuseauHorraire> page = plant.find<FuseauHorraire>("FuseauHorraire");
    ASSERT_FALSE(page.isNull());
    if (std::string(c.name) == "minute") {
      std::vector<int> values;
      for (const char* name : kSpinBoxes) values.push_back(box(page, name)->value());
      EXPECT_EQ(values, (std::vector<int>{1, 3, 2024, 10, 5}));
    }
    c.edit(page);
    plant.shot(std::string("FuseauHorraire-") + c.name);
    const size_t commandsBefore = plant.box.commands().size();
    const size_t callsBefore = plant.box.platformCalls().size();
    QSignalSpy exit(page.data(), &FuseauHorraire::sig_fushorraireExit);

    plant.click("pB_Exit");
    const std::string commands = plant.box.commands().substr(commandsBefore);
    const std::string calls = plant.box.platformCalls().substr(callsBefore);
    ASSERT_EQ(exit.count(), 1);
    EXPECT_EQ(exit.at(0).at(0).toInt(), c.emitted);
    if (*c.dateCommand) {
      const size_t date = commands.find(std::string(c.dateCommand) + "\n");
      EXPECT_NE(date, std::string::npos) << commands;
      EXPECT_NE(commands.find("hwclock -w\n", date), std::string::npos) << commands;
      const size_t settime = calls.find(std::string(c.settime) + "\n");
      EXPECT_NE(settime, std::string::npos) << calls;
      // The zone stored is linked again after the clock setting.
      EXPECT_NE(QFileInfo(QString::fromStdString(plant.box.path("/etc/localtime")))
                    .symLinkTarget()
                    .toStdString()
                    .find("/usr/share/zoneinfo/Etc/GMT-1"),
                std::string::npos);
      // A new date restarts through the core: outputs flushed, PORTE7 cycled, reboot.
      const size_t restart = calls.find("gpio PORTE7 OUTPUT 0\ngpio PORTE7 OUTPUT 1\nreboot\n");
      EXPECT_EQ(restart != std::string::npos, c.reboot) << calls;
      if (c.reboot) EXPECT_GT(restart, settime);
      EXPECT_EQ(commands.find("/sbin/reboot") != std::string::npos, c.reboot) << commands;
      EXPECT_EQ(commands.find("\nreboot"), std::string::npos);
      EXPECT_NE(commands.rfind("reboot", 0), 0u);
    } else {
      EXPECT_EQ(commands, "");
      EXPECT_EQ(calls, "");
    }
    EXPECT_EQ(plant.page().toStdString(), "mainScreen");
    EXPECT_EQ(plant.paused(), "-/-");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(page.isNull());
  }
}

}  // namespace
