// The PT100 reading of wizard page 11: one exchange with the measuring card, then the three
// raw temperatures (outdoor, inlet, outlet as lines 1, 2, 3) or the no-reply text (line 0),
// through queued signals only.
#pragma once

#include <QString>
#include <QThread>

class cEtalonnageThread : public QThread {
  Q_OBJECT

public:
  cEtalonnageThread(int speed, int cardType, QObject* parent);

signals:
  void OnThreadAddLine(QString aStr, int Ind);
  void OnThreadTerminate(bool aStatus, int val);

protected:
  void run() override;

private:
  bool readTemperatures();

  int speed;  // carried, not used
  int cardType;
};
