// The language page: the selection rules of set_Langue, the confirmation in the chosen
// language, the store and the translator of the page opened from the menu, a translation
// that cannot load, and the first-start page that closes only after a confirmed choice.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTranslator>

#include <cstdio>

#include "Langue.h"
#include "Menu.h"
#include "core_device.h"
#include "support/modal_answers.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"
#include "support/test_translation.h"

namespace {

struct SelectCase {
  const char* code;
  const char* langue;  // getLangue() afterwards
  const char* button;  // the checked button
  const char* title;   // confirmation box
  const char* text;
};

const SelectCase kSelectCases[] = {
    {"", "fr", "Francais", "Changement de la langue", "Selection de la langue francaise"},
    {"*", "fr", "Francais", "Changement de la langue", "Selection de la langue francaise"},
    {"pt", "fr", "Francais", "Changement de la langue", "Selection de la langue francaise"},
    {"en", "en", "Anglais", "Language Change", "English language selected"},
    {"de", "de", "Allemand", "Ändern der Sprache", "Deutsche Sprache ausgewahlte"},
    {"es", "es", "Espagnol", "El cambio de idioma",
     "El ORV debe reiniciar el sistema para cargar el idioma español"},
    {"it", "it", "Italien", "La modifica della lingua",
     "Il ORV deve riavviare per caricare italiano"},
    {"nl", "nl", "Nederland", "Het wijzigen van de taal",
     "De ORV moet herstarten om de Nederlandse taal te laden"},
    {"ru", "ru", "Russia", "Language Change", "Russian language selected"},
    {"hu", "hu", "Hungary", "A nyelv módosítása", "A magyar nyelv válogatott"},
};

void click(QWidget& page, const char* name) {
  page.findChild<QAbstractButton*>(QLatin1String(name))->click();
}

TEST(Langue, SetLangueSelectsOneOfTheEightOrFrench) {
  testApplication();
  TestSandbox sandbox;
  WorkingDirectory cwd(prepareOrvqtWorkDir(sandbox));
  QTranslator translator;
  Langue page(nullptr, &translator);
  page.show();
  ModalAnswers answers;
  for (const SelectCase& c : kSelectCases) {
    SCOPED_TRACE(c.code);
    page.set_Langue(QString::fromUtf8(c.code));
    EXPECT_EQ(page.getLangue().toStdString(), c.langue);
    int checked = 0;
    for (QAbstractButton* button : page.findChildren<QAbstractButton*>()) {
      if (!button->isChecked()) continue;
      ++checked;
      EXPECT_EQ(button->objectName().toStdString(), c.button);
    }
    EXPECT_EQ(checked, 1);
    answers.then("Cancel");
    click(page, "ValidButton");
    ASSERT_FALSE(answers.shown.empty());
    EXPECT_EQ(answers.shown.back().title, c.title);
    EXPECT_EQ(answers.shown.back().text, c.text);
    EXPECT_EQ(answers.shown.back().icon, QMessageBox::Warning);
    EXPECT_EQ(answers.shown.back().buttons, (std::vector<std::string>{"OK", "Cancel"}));
  }
  EXPECT_EQ(answers.shown.size(), std::size(kSelectCases));
  EXPECT_TRUE(QCoreApplication::translate("Langue", "Valider") == QStringLiteral("Valider"));

  // Pressing a button only selects.
  click(page, "Russia");
  EXPECT_EQ(page.getLangue().toStdString(), "ru");
  for (const char* name : {"Francais", "Anglais", "Allemand", "Italien", "Espagnol", "Russia",
                           "Hungary", "Nederland"}) {
    auto* button = page.findChild<QPushButton*>(QLatin1String(name));
    EXPECT_EQ(button->size(), QSize(300, 60)) << name;
    EXPECT_EQ(button->iconSize(), QSize(32, 32)) << name;
    EXPECT_FALSE(button->icon().isNull()) << name;
  }
  EXPECT_EQ(page.windowTitle().toStdString(), "Language");
  saveScreen(&page, "Langue-russe");
}

// The menu's page on a device whose stored language is German, with the main window's
// translator holding the test German translation.
struct MenuLanguage : CoreDevice {
  MenuLanguage() : CoreDevice("CONFIG_LANGUE=de\n"), cwd(prepareOrvqtWorkDir(box)) {
    makeTestQm(box, "en");
    translator.load(QString::fromStdString(makeTestQm(box, "de")));
    QCoreApplication::installTranslator(&translator);
    deliverLanguageChange();
    menu.showMenuVisualisation();
    page.set_Langue(QStringLiteral("de"));
    page.show();
  }
  ~MenuLanguage() override {
    QCoreApplication::removeTranslator(&translator);
    deliverLanguageChange();
  }
  void confirm() {
    click(page, "ValidButton");
    deliverLanguageChange();
  }
  std::string journalText() {
    return menu.findChild<QPushButton*>(QStringLiteral("journalButton"))->text().toStdString();
  }
  QApplication& app = testApplication();
  WorkingDirectory cwd;
  QTranslator translator;
  Menu menu{nullptr};
  Langue page{nullptr, &translator};
};

TEST(Langue, ConfirmedChoiceFromTheMenuIsStoredAndSwitchesTheScreens) {
  MenuLanguage dev;
  EXPECT_TRUE(dev.page.findChild<QAbstractButton*>(QStringLiteral("Allemand"))->isChecked());
  EXPECT_EQ(dev.journalText(), "Ereignisprotokoll");
  saveScreen(&dev.page, "Langue-menu-allemand");

  ModalAnswers answers;
  answers.then("Cancel").then("OK", "Langue-confirmation-english");
  click(dev.page, "Anglais");
  dev.confirm();  // Cancel: nothing changes
  EXPECT_TRUE(dev.configHas("CONFIG_LANGUE=de"));
  EXPECT_EQ(dev.journalText(), "Ereignisprotokoll");

  dev.confirm();
  ASSERT_EQ(answers.shown.size(), 2u);
  EXPECT_EQ(answers.shown[1].title, "Language Change");
  EXPECT_EQ(answers.shown[1].text, "English language selected");
  EXPECT_TRUE(dev.configHas("CONFIG_LANGUE=en"));
  EXPECT_EQ(dev.journalText(), "Log book");  // a language-change event, no rebuild
  EXPECT_EQ(dev.page.findChild<QPushButton*>(QStringLiteral("ValidButton"))->text().toStdString(),
            "Confirm");
  EXPECT_TRUE(dev.page.isVisible());  // stays until Quitter

  QSignalSpy escaped(&dev.page, &Langue::esc_langue);
  click(dev.page, "EscButton");
  EXPECT_EQ(escaped.count(), 1);
}

TEST(Langue, ALanguageThatCannotLoadKeepsTheTranslationAndTheStoredCode) {
  MenuLanguage dev;
  std::remove((dev.box.root() + "/app/gui_langues/orvQT_en.qm").c_str());
  ModalAnswers answers;
  answers.then("OK").then("OK", "Langue-error-english");
  click(dev.page, "Anglais");
  dev.confirm();
  ASSERT_EQ(answers.shown.size(), 2u);
  EXPECT_EQ(answers.shown[1].title, "Erreur");
  EXPECT_EQ(answers.shown[1].text, "ERREUR Chargement fichier LANGUE [en]");
  EXPECT_EQ(answers.shown[1].icon, QMessageBox::Critical);
  EXPECT_EQ(answers.shown[1].selfCloseMs, 5000);
  EXPECT_TRUE(dev.configHas("CONFIG_LANGUE=de"));
  EXPECT_EQ(dev.journalText(), "Ereignisprotokoll");  // still German
}

// Last: the first-start page's own translator stays installed for the rest of the program.
TEST(Langue, FirstStartPageClosesOnlyAfterAConfirmedChoice) {
  testApplication();
  TestSandbox sandbox;
  WorkingDirectory cwd(prepareOrvqtWorkDir(sandbox));
  Langue page(0, nullptr);
  QSignalSpy escaped(&page, &Langue::esc_langue);
  page.set_Langue(QStringLiteral("nl"));
  page.show();

  click(page, "EscButton");  // nothing listens at first start
  EXPECT_EQ(escaped.count(), 1);
  EXPECT_TRUE(page.isVisible());

  ModalAnswers answers;
  answers.then("Cancel").then("OK");
  click(page, "ValidButton");
  EXPECT_TRUE(page.isVisible());
  EXPECT_EQ(QCoreApplication::translate("Langue", "Valider").toStdString(), "Valider");

  click(page, "ValidButton");
  EXPECT_FALSE(page.isVisible());
  EXPECT_EQ(page.getLangue().toStdString(), "nl");
  EXPECT_EQ(QCoreApplication::translate("Langue", "Valider").toStdString(), "Bevestigen");
  // Qt's own texts follow: the standard buttons of the boxes speak Dutch.
  QMessageBox question(QMessageBox::Warning, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(question.button(QMessageBox::Yes)->text().toStdString(), "&Ja");
  EXPECT_FALSE(sandbox.exists("/home/ORV/config.conf"));  // nothing stored without a store
}

}  // namespace
