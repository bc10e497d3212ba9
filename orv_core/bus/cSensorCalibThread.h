// One fresh reading of an ENERGIE module's pressure or PT100 input for the calibration on
// the ENERGIE configuration screen, taken off the GUI thread. The screen creates one
// worker per request, connects OnThreadTerminate (queued into the GUI thread) and starts
// it; the worker emits it exactly once and ends. It talks on the bus directly, which the
// screen may do because the processing thread is paused while it is open.
#pragma once

#include <QString>
#include <QThread>

class cSensorCalibThread : public QThread {
  Q_OBJECT

public:
  // `moduleNumber` 0..2; `kind` 0 the PT100 input, 1 the pressure input. The parent owns
  // and deletes the worker.
  cSensorCalibThread(int moduleNumber, int kind, QObject* parent);
  ~cSensorCalibThread() override;

signals:
  // The reading: (false, 999.0) when the module could not be read.
  void OnThreadTerminate(bool aStatus, float val);
  // A progress line; this worker has none to give.
  void OnThreadAddLine(QString aStr);

protected:
  void run() override;

private:
  int moduleNumber;
  int kind;
};
