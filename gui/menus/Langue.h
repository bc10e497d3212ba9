// The language page: eight language buttons, "Valider" to confirm the choice in a message
// box written in the chosen language, "Quitter" to leave. Mode 1 is opened from the menu
// and reloads the main window's translator; mode 0 is the first start, when the entry
// point asks for a language before anything else exists.
#pragma once

#include <QString>
#include <QWidget>

#include <memory>

class QButtonGroup;
class QTranslator;

namespace Ui {
class Langue;
}

class Langue : public QWidget {
  Q_OBJECT

 public:
  // Mode 1: `translator` is the main window's, used and never freed here.
  Langue(QWidget* parent, QTranslator* translator);
  // Mode `mode` (0 at first start) with a translator of the page's own, never freed, so
  // that it stays installed after the page is gone.
  Langue(int mode, QWidget* parent);
  ~Langue() override;

  // Selects a language; an empty code, "*" or an unknown code selects "fr".
  void set_Langue(QString code);
  QString getLangue() const { return langueCode; }
  // Whether `code` is one of the eight languages of the page.
  static bool isLanguageCode(const QString& code);

 signals:
  void esc_langue();

 protected:
  void changeEvent(QEvent* e) override;

 private slots:
  void on_Francais_clicked();
  void on_Anglais_clicked();
  void on_Allemand_clicked();
  void on_Italien_clicked();
  void on_Espagnol_clicked();
  void on_Russia_clicked();
  void on_Hungary_clicked();
  void on_Nederland_clicked();
  void on_ValidButton_clicked();
  void on_EscButton_clicked();

 private:
  void buildPage();
  void showLoadError();

  std::unique_ptr<Ui::Langue> ui;
  QString langueCode;
  QString confirmTitle;
  QString confirmText;
  QTranslator* langueTranslator;
  int langueMode;
  QButtonGroup* langueButtons;
};
