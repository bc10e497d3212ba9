// The column tare of wizard page 9: five card readings one after another, their mean in
// whole grams, and the progress, through queued signals only.
#pragma once

#include <QThread>

class cMestareThread : public QThread {
  Q_OBJECT

public:
  cMestareThread(int speed, int cardType, QObject* parent);

signals:
  void OnThreadTerminate(bool aStatus, int val);
  void OnThreadChangePercent(long aMax, long aMin, long aValue);

protected:
  void run() override;

private:
  // One reading in whole grams; false when the pass gave none.
  bool readWeight(int* grams);

  int speed;  // carried, not used
  int cardType;
};
