// Stand-in until the page is built: the journal viewer, its constructor and signals.
#pragma once

#include <QWidget>

class Journal : public QWidget {
  Q_OBJECT

public:
  explicit Journal(QWidget* parent = nullptr);

signals:
  void esc_Journal();
  void OnReloadConfTimerSignal(int aTimeout);
};
