// Stand-in until the page is built: the self-test page, its constructor and signals.
#pragma once

#include <QWidget>

class AutoTest : public QWidget {
  Q_OBJECT

public:
  explicit AutoTest(QWidget* parent = nullptr);

signals:
  void esc_AutoTest();
};
