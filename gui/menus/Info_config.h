// Stand-in until the page is built: the configuration information page and its signals.
#pragma once

#include <QWidget>

class Info_config : public QWidget {
  Q_OBJECT

public:
  explicit Info_config(QWidget* parent = nullptr);

signals:
  void esc_info_config();
  void OnReloadConfTimerSignal(int aTimeout);
};
