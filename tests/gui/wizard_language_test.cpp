// A language change on the wizard's plant-description pages: with another translator
// installed, each page sets its form texts again in the new language; the receiver count
// list keeps the language of its construction.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTranslator>

#include <functional>
#include <memory>

#include "Choix_fluide.h"
#include "Colonne.h"
#include "Diamreservoir.h"
#include "Hreservoir.h"
#include "Iinstallation.h"
#include "Reglageinstallation.h"
#include "Reservoirs.h"
#include "Sousrefoidisseur.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"
#include "support/wizard_copy.h"

namespace {

// German installed for the life of the object.
class German {
public:
  German() {
    loaded_ = translator_.load(QStringLiteral("orvQT_de"),
                               QString::fromStdString(orvqtBuildDir() + "/gui_langues"));
    QCoreApplication::installTranslator(&translator_);
    QCoreApplication::processEvents();  // the windows get their language change posted
  }
  ~German() {
    QCoreApplication::removeTranslator(&translator_);
    QCoreApplication::processEvents();
  }
  bool loaded() const { return loaded_; }

private:
  QTranslator translator_;
  bool loaded_;
};

std::string text(QWidget& page, const char* name) {
  QObject* widget = page.findChild<QObject*>(name);
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text().toStdString();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text().toStdString();
  if (auto* box = qobject_cast<QGroupBox*>(widget)) return box->title().toStdString();
  return "<none>";
}

struct Case {
  std::function<QWidget*(QWidget*, orv_configFile*)> build;
  const char* widget;
  const char* german;
};

}  // namespace

TEST(WizardLanguage, PagesSetTheirFormTextsAgainInTheNewLanguage) {
  testApplication();
  TestSandbox sandbox;
  WorkingDirectory cwd(prepareOrvqtWorkDir(sandbox));
  const Case cases[] = {
      {[](QWidget* p, orv_configFile* c) { return new Choix_fluide(p, c); }, "labelentete",
       "Kältemittel"},
      {[](QWidget* p, orv_configFile* c) { return new Sousrefoidisseur(p, c); }, "nonButton",
       "Nein"},
      {[](QWidget* p, orv_configFile* c) { return new Reservoirs(p, c); }, "groupBox",
       "Sammlertyp"},
      {[](QWidget* p, orv_configFile* c) { return new Diamreservoir(p, c); }, "Diamtitre",
       "Innendurchmesser des Sammlers"},
      {[](QWidget* p, orv_configFile* c) { return new Diamreservoir(p, c); }, "Diamtext", ""},
      {[](QWidget* p, orv_configFile* c) { return new Hreservoir(p, c); }, "label_entete",
       "Säulenhöhe"},
      {[](QWidget* p, orv_configFile* c) { return new Colonne(p, c); }, "inox",
       "Edelstahl 40 x 2"},
      {[](QWidget* p, orv_configFile* c) { return new Reglageinstallation(p, c); }, "HP_checkBox",
       "Gleitende HD"},
      {[](QWidget* p, orv_configFile* c) { return new Iinstallation(p, c); }, "labelentete",
       "Allgemeine Anlagendaten"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.widget);
    WizardCopy copy;
    WizardSlot slot;
    QWidget* page = slot.put(c.build(&slot, copy.ptr()));
    arrive(*page);
    const std::string french = text(*page, c.widget);
    German german;
    ASSERT_TRUE(german.loaded());
    EXPECT_NE(french, c.german);
    EXPECT_EQ(text(*page, c.widget), c.german);
  }
}

TEST(WizardLanguage, ReceiverCountListKeepsTheLanguageOfItsConstruction) {
  PageBench bench;
  WizardCopy& copy = bench.copy;
  WizardSlot slot;
  Reservoirs* page = slot.put(new Reservoirs(&slot, copy.ptr()));
  arrive(*page);
  German german;
  EXPECT_EQ(text(*page, "labelentete"), "Sammler");
  EXPECT_EQ(text(*page, "Vertical"), " Stehend");
  auto* list = page->findChild<QComboBox*>("cB_NombreReservoir");
  EXPECT_EQ(list->itemText(0).toStdString(), "Aucun");
  EXPECT_EQ(list->itemText(2).toStdString(), "2 reservoirs");
  saveScreen(page, "Reservoirs-de");

  // A page built while German is installed speaks German throughout.
  WizardSlot slot2;
  Reservoirs* later = slot2.put(new Reservoirs(&slot2, copy.ptr()));
  EXPECT_EQ(later->findChild<QComboBox*>("cB_NombreReservoir")->itemText(0).toStdString(),
            "Keiner");
}
