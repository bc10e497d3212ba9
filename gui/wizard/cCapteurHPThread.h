// The zero-offset reading of wizard page 8: one exchange with the measuring card, then the
// high pressure it reads (without any offset) through queued signals only.
#pragma once

#include <QString>
#include <QThread>

class cCapteurHPThread : public QThread {
  Q_OBJECT

public:
  cCapteurHPThread(int speed, int cardType, float pressureMin, float pressureMax,
                   QObject* parent);
  ~cCapteurHPThread() override;

signals:
  void OnThreadTerminate(bool aStatus, float val);
  void OnThreadAddLine(QString aStr);

protected:
  void run() override;

private:
  bool readPressure(float* value);

  int speed;  // carried, not used
  int cardType;
  float pressureMin;  // carried, not used
  float pressureMax;  // carried, not used
};
