// The message page of the main window's stack: a title, a growing list of lines, an
// optional progress bar and an optional "Quitter" button. It can close itself after a
// number of seconds; closing it (button or timer) clears it and emits sig_exit().
#pragma once

#include <QString>
#include <QWidget>

class QEvent;
class QTimer;
namespace Ui {
class screenMsgBox;
}

class screenMsgBox : public QWidget {
  Q_OBJECT

public:
  explicit screenMsgBox(QWidget* parent = nullptr, QString title = QString());
  ~screenMsgBox() override;

signals:
  void sig_exit();

public slots:
  void setBoxTitle(QString boxTitle);
  void setBoxMessage(QString boxMessage);
  void appendBoxMessage(QString boxMessage);
  void setBoxProgressBarAll(int progVal, int progMin, int progMax);
  void setBoxProgressBarVal(int progVal);
  void setButtonsState(bool _state);
  void clear_label();
  // Starts the self-close after `_secs` seconds; while one runs, a new call is ignored.
  void exit_timer(int _secs);

protected:
  void changeEvent(QEvent* e) override;

private slots:
  void On_btnExit();

private:
  Ui::screenMsgBox* ui;
  QTimer* exitTimer = nullptr;  // null while no self-close is pending
};
