// Test stand-in of the language page for orvqt-entry: it logs what the entry point asks
// of it and, once shown, confirms at once the language named by $ORV_TEST_LANGUE_CHOICE
// (the preselected one when unset) and closes itself like the real page.
#pragma once

#include <QString>
#include <QWidget>

class Langue : public QWidget {
public:
  Langue(int mode, QWidget* parent);
  ~Langue() override;
  void set_Langue(QString code);
  QString getLangue() const { return langueCode; }

protected:
  void showEvent(QShowEvent* event) override;

private:
  QString langueCode;
};
