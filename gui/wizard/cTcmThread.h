// The card test of wizard page 0: one exchange with the measuring card, then the report
// lines (weight, three temperatures, high pressure) and the progress, through queued
// signals only.
#pragma once

#include <QString>
#include <QThread>

class cTcmThread : public QThread {
  Q_OBJECT

public:
  cTcmThread(int speed, int cardType, QObject* parent);
  ~cTcmThread() override;

signals:
  void OnThreadTerminate(bool aStatus);
  void OnThreadAddLine(QString aStr);
  void OnThreadChangePercent(long aMax, long aMin, long aValue);

protected:
  void run() override;

private:
  bool reportV1();
  bool reportV2();

  int speed;  // the speed shown on the page; carried, not used
  int cardType;
};
