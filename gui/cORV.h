// The one top-level window of orvQT, as far as the start-up needs it: a page stack with
// the message page that lists the start-up steps, and the language of the screens.
#pragma once

#include <QWidget>

#include <string>

class QLabel;
class QPlainTextEdit;
class QStackedWidget;
class QTranslator;

class cORV : public QWidget {
  Q_OBJECT

public:
  // Registers the window in slot 7 of the object registry and shows the message page.
  explicit cORV(QWidget* parent = nullptr);
  ~cORV() override;

public slots:
  // Runs the start-up report and applies `language` (empty or "*": French) through the
  // window's own translator. Always returns 1.
  int On_initAll(std::string language);

private:
  void appendBoxMessage(const QString& line);

  QStackedWidget* mainStack;
  QWidget* screenMsgBox;  // message page
  QLabel* msgBoxTitle;
  QPlainTextEdit* msgBoxText;
  QTranslator* translator;  // created on first use
};
