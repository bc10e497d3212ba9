// A once-a-day time alarm: OnAlarmSignal() comes at the first check inside the daily window
// [start, start + 1 h) of the program clock, at most once per day.
#pragma once

#include <QDate>
#include <QMutex>
#include <QObject>
#include <QTime>

class QTimer;

class cAlarm : public QObject {
  Q_OBJECT

public:
  explicit cAlarm(QObject* parent = nullptr);
  ~cAlarm() override;

  void Stop();

signals:
  void OnAlarmSignal();

public slots:
  // Sets the window's start and (re)starts the one-second check; an invalid time changes
  // nothing and returns false.
  bool OnSetTime(QTime aTime);

private slots:
  void OnTimerTimeout();

private:
  QMutex lock;
  QTimer* checkTimer;
  QDate nextDate;  // the day on which the alarm may fire next
  QTime startTime;
  QTime endTime;
};
