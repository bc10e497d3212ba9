#include "cAlarm.h"

#include <QDateTime>
#include <QMutexLocker>
#include <QTimer>

#include "orvPlatform.h"

namespace {
constexpr int kCheckIntervalMs = 1000;
constexpr int kWindowSecs = 3600;

// Local date and time of the program clock (the one the core sets), not the machine's.
QDateTime programNow() { return QDateTime::fromSecsSinceEpoch(orv::wallClockNow()); }
}  // namespace

cAlarm::cAlarm(QObject* parent)
    : QObject(parent), checkTimer(new QTimer(this)), nextDate(programNow().date()) {
  connect(checkTimer, SIGNAL(timeout()), this, SLOT(OnTimerTimeout()));
}

cAlarm::~cAlarm() = default;

bool cAlarm::OnSetTime(QTime aTime) {
  QMutexLocker locker(&lock);
  if (!aTime.isValid()) return false;
  startTime = aTime;
  // Wraps around midnight: a window starting at 23:00 or later never fires.
  endTime = aTime.addSecs(kWindowSecs);
  checkTimer->start(kCheckIntervalMs);
  return true;
}

void cAlarm::OnTimerTimeout() {
  bool fire = false;
  {
    QMutexLocker locker(&lock);
    const QDateTime now = programNow();
    const QDate today = now.date();
    if (nextDate == today && now.time() >= startTime) {
      nextDate = today.addDays(1);
      fire = now.time() < endTime;
    }
  }
  // Emitted once the lock is free, so that a receiver may set a new time directly.
  if (fire) emit OnAlarmSignal();
}

void cAlarm::Stop() { checkTimer->stop(); }
