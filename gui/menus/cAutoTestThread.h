// Worker of the self-test: runs the checks once and reports each text to the page through
// sig_ThreadUpdText; never touches a widget.
#pragma once

#include <QString>
#include <QThread>

class cAutoTestThread : public QThread {
  Q_OBJECT

public:
  explicit cAutoTestThread(QObject* parent = nullptr);
  ~cAutoTestThread() override;

signals:
  void sig_ThreadUpdText(QString _msgTxt, bool _writeToFile);
  void sig_ThreadEnd();

protected:
  void run() override;
};
