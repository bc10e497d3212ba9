// Stand-in until the page is built: the USB backup and restore page, its constructor and signals.
#pragma once

#include <QWidget>

class CopyFilesToUSB : public QWidget {
  Q_OBJECT

public:
  explicit CopyFilesToUSB(QWidget* parent = nullptr);

signals:
  void sig_usbExit();
};
