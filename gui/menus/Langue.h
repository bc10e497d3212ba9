// The language page: eight language buttons, "Valider" to confirm the choice in a message
// box written in the chosen language, "Quitter" to leave. Mode 0 is the first start, when
// the entry point asks for a language before anything else exists.
#pragma once

#include <QString>
#include <QWidget>

class QAbstractButton;
class QButtonGroup;
class QTranslator;

class Langue : public QWidget {
  Q_OBJECT

public:
  // Mode 0: the first-start page, with a translator of its own that stays installed.
  Langue(int mode, QWidget* parent);
  // The menu's page: it reloads the main window's translator.
  Langue(QWidget* parent, QTranslator* translator);

  // Selects a language; an empty code, "*" or an unknown code selects "fr".
  void set_Langue(QString code);
  QString getLangue() const { return langueCode; }

signals:
  void esc_langue();

private slots:
  void on_ValidButton_clicked();
  void on_EscButton_clicked();

private:
  Langue(int mode, QWidget* parent, QTranslator* translator);

  QString langueCode;
  QString confirmTitle;
  QString confirmText;
  QTranslator* langueTranslator;  // mode 0: never freed, stays installed after the page
  int langueMode;
  QButtonGroup* langueButtons;
};
