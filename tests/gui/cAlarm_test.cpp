// The daily alarm on the program clock: at most one signal a day, at the first check inside
// [start, start + 1 h); a check after the window passes the day over.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QSignalSpy>
#include <QTimer>

#include <cstdlib>
#include <ctime>

#include "cAlarm.h"
#include "orvPlatform.h"
#include "support/orvqt_workdir.h"

namespace {

class DailyAlarm : public ::testing::Test {
protected:
  void SetUp() override {
    testApplication();
    setenv("TZ", "UTC", 1);
    tzset();
    setenv("ORV_CLOCK_START", "2024-03-01 09:00:00", 1);
    orv::resetWallClock();
  }
  void TearDown() override {
    unsetenv("ORV_CLOCK_START");
    orv::resetWallClock();
  }
  // Moves the program clock to `when` ("2024-03-01 09:30:00") and runs one check.
  void checkAt(cAlarm& alarm, const char* when) {
    QDateTime t = QDateTime::fromString(QString::fromLatin1(when), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    ASSERT_EQ(orv::setWallClock(static_cast<time_t>(t.toSecsSinceEpoch())), 0);
    ASSERT_TRUE(QMetaObject::invokeMethod(&alarm, "OnTimerTimeout"));
  }

  TestSandbox box;
};

struct Check {
  const char* when;
  int signalsSoFar;
};

struct WindowCase {
  QTime start;
  std::vector<Check> checks;
};

TEST_F(DailyAlarm, FiresOnceADayInsideItsWindow) {
  const WindowCase cases[] = {
      {QTime(9, 30),
       {{"2024-03-01 09:29:59", 0}, {"2024-03-01 09:30:00", 1}, {"2024-03-01 09:30:01", 1},
        {"2024-03-01 10:40:00", 1}, {"2024-03-02 09:00:00", 1}, {"2024-03-02 09:30:00", 2}}},
      // Set late in the day: the first check is past the window, the day passes without one.
      {QTime(9, 0), {{"2024-03-01 10:30:00", 0}, {"2024-03-02 09:10:00", 1}}},
      // A window from 23:00 ends past midnight: no check is ever before its end.
      {QTime(23, 30), {{"2024-03-01 23:30:00", 0}, {"2024-03-02 23:45:00", 0}}},
  };
  for (const WindowCase& c : cases) {
    SCOPED_TRACE(c.start.toString().toStdString());
    orv::resetWallClock();
    cAlarm alarm(nullptr);
    QSignalSpy alarms(&alarm, &cAlarm::OnAlarmSignal);
    ASSERT_TRUE(alarm.OnSetTime(c.start));
    for (const Check& check : c.checks) {
      SCOPED_TRACE(check.when);
      checkAt(alarm, check.when);
      EXPECT_EQ(alarms.count(), check.signalsSoFar);
    }
  }
}

TEST_F(DailyAlarm, ValidTimeStartsTheOneSecondCheckAndAnInvalidOneChangesNothing) {
  cAlarm alarm(nullptr);
  auto* check = alarm.findChild<QTimer*>();
  ASSERT_NE(check, nullptr);
  EXPECT_FALSE(check->isActive());
  EXPECT_FALSE(alarm.OnSetTime(QTime()));
  EXPECT_FALSE(check->isActive());

  EXPECT_TRUE(alarm.OnSetTime(QTime(9, 30)));
  EXPECT_TRUE(check->isActive());
  EXPECT_EQ(check->interval(), 1000);
  EXPECT_FALSE(check->isSingleShot());

  EXPECT_FALSE(alarm.OnSetTime(QTime(25, 0)));
  EXPECT_TRUE(check->isActive());
  QSignalSpy alarms(&alarm, &cAlarm::OnAlarmSignal);
  checkAt(alarm, "2024-03-01 09:31:00");  // the 09:30 window still holds
  EXPECT_EQ(alarms.count(), 1);

  alarm.Stop();
  EXPECT_FALSE(check->isActive());
}

}  // namespace
