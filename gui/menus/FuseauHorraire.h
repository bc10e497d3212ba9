// Stand-in until the page is built: the date, time and time-zone page, its offset and exits
// (15 nothing changed, 0 clock set, 2 a new zone).
#pragma once

#include <QWidget>

class FuseauHorraire : public QWidget {
  Q_OBJECT

public:
  explicit FuseauHorraire(QWidget* parent = nullptr);

  void setCfgFusHorraire(int offset);

  int cfgFusHorraire = 0;  // the value of the last setCfgFusHorraire

signals:
  void sig_fushorraireExit(int newFusHorraire);
};
