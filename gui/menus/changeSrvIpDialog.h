// The server address dialog of the network page: one field holding the current address,
// the on-screen keyboard on its digits, "Annuler" and "Mise a Jour". The dialog only
// passes on the typed text; the page decides whether it is stored.
#pragma once

#include <QDialog>
#include <QString>

#include <memory>

class ZuvVirtualKeyboard;

namespace Ui {
class changeSrvIpDialog;
}

class changeSrvIpDialog : public QDialog {
  Q_OBJECT

 public:
  changeSrvIpDialog(QWidget* parent, QString currentAddress);
  ~changeSrvIpDialog() override;

 signals:
  void emit_SendNewIP(QString newAddress);

 public slots:
  void slotSendIP();

 protected:
  void changeEvent(QEvent* e) override;

 private:
  std::unique_ptr<Ui::changeSrvIpDialog> ui;
  ZuvVirtualKeyboard* keyboard;
};
