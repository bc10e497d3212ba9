// Stand-in until the page is built: the ENERGIE configuration page, its constructor and signals.
#pragma once

#include <QWidget>

class cConf_Energie : public QWidget {
  Q_OBJECT

public:
  explicit cConf_Energie(QWidget* parent = nullptr);

signals:
  void OnEnerCfgExit();
};
