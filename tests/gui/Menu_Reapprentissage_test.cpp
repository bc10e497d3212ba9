// The relearn, recalculation and acknowledgement menu on a device: the choice buttons, the
// sensor test, the leak question, the start questions and the charge dialog, the flags the
// page checks before it hands a start to the main window, and the signals it emits.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <string>
#include <vector>

#include "Menu_Reapprentissage.h"
#include "RecalculProcess.h"
#include "core_device.h"
#include "support/modal_answers.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"

namespace {

const char* const kWarningText = "Veuillez vérifier le câblage de vos capteurs SVP !";

struct RelearnMenu : CoreDevice {
  // `flags`: lines of the configuration; no learning period nor recalculation by default.
  explicit RelearnMenu(const std::string& flags = "FLAG_ALARM=0\nFLAG_RECALC_MOYREF=0\n")
      : CoreDevice("MOYENNE_REFERENCE=35.5\n" + flags) {
    for (int index : {504, 624, 627, 628}) setReading(index, 20.0f);
    page.show();
  }
  void setReading(int index, float value) { core->datas()->setMES_struct(index, &value); }
  void click(const char* name) { page.findChild<QPushButton*>(QLatin1String(name))->click(); }
  RecalculProcess* dialog() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* d = qobject_cast<RecalculProcess*>(w)) return d;
    return nullptr;
  }
  // Types the charge and answers with `button` in the dialog the page opened.
  void answerCharge(const QString& charge, const char* button) {
    RecalculProcess* d = dialog();
    ASSERT_NE(d, nullptr);
    ASSERT_TRUE(d->isVisible());
    auto* field = d->findChild<QLineEdit*>(QStringLiteral("lineEdit_charge"));
    field->setFocus();
    field->clear();
    QTest::keyClicks(field, charge);
    d->findChild<QPushButton*>(QLatin1String(button))->click();
  }
  QApplication& app = testApplication();
  // The program's working directory, where the charge dialog's keyboard finds its pictures.
  WorkingDirectory cwd{prepareOrvqtWorkDir(box)};
  Menu_Reapprentissage page{nullptr};
  QSignalSpy acknowledged{&page, &Menu_Reapprentissage::RestAlarme};
  QSignalSpy relearn{&page, &Menu_Reapprentissage::ReappMoyen};
  QSignalSpy recalcul{&page, &Menu_Reapprentissage::recalculNivRef};
  QSignalSpy exited{&page, &Menu_Reapprentissage::exitReappMenu};
  QSignalSpy escaped{&page, &Menu_Reapprentissage::escButtonSignal};
  ModalAnswers answers;
};

TEST(Menu_Reapprentissage, ChoicesSensorTestAndLock) {
  RelearnMenu dev("FLAG_ALARM=0\nFLAG_RECALC_MOYREF=0\nz1_VERROU_ORV=1\n");
  auto* relearnButton = dev.page.findChild<QPushButton*>(QStringLiteral("Reapprentissage"));
  EXPECT_FALSE(relearnButton->isEnabled());
  dev.click("recalculRefButton");
  dev.click("RestAlarmes");  // one choice at a time
  EXPECT_FALSE(dev.page.findChild<QPushButton*>(QStringLiteral("recalculRefButton"))->isChecked());
  saveScreen(&dev.page, "Menu_Reapprentissage-acquittement-locked");

  // Nothing selected; then a sensor fault on a recalculation.
  Menu_Reapprentissage fresh(nullptr);
  fresh.show();
  dev.answers.then("", "Menu_Reapprentissage-select-option").then("");
  fresh.findChild<QPushButton*>(QStringLiteral("suiteButton"))->click();
  dev.setReading(504, 999.0f);
  fresh.findChild<QPushButton*>(QStringLiteral("recalculRefButton"))->click();
  fresh.findChild<QPushButton*>(QStringLiteral("suiteButton"))->click();
  ASSERT_EQ(dev.answers.shown.size(), 2u);
  EXPECT_EQ(dev.answers.shown[0].title, "Information");
  EXPECT_EQ(dev.answers.shown[0].text, "Selectionnez une option...");
  EXPECT_EQ(dev.answers.shown[0].selfCloseMs, 5000);
  EXPECT_EQ(dev.answers.shown[0].icon, QMessageBox::Information);
  EXPECT_EQ(dev.answers.shown[1].title, "Warning");
  EXPECT_EQ(dev.answers.shown[1].text, kWarningText);
  EXPECT_TRUE(dev.journalHas("4001;SENSORS ERROR;ERREUR: sondes ou carte mesure;DEBUG;"));
  EXPECT_EQ(dev.recalcul.count(), 0);

  // The lock does not stop the acknowledgement.
  dev.core->setAlarmType(7);
  dev.click("suiteButton");
  EXPECT_EQ(dev.acknowledged.count(), 1);
  EXPECT_EQ(dev.answers.shown.size(), 2u);  // no question after an acknowledged alarm
}

TEST(Menu_Reapprentissage, LeakQuestionAfterALeakAlarm) {
  RelearnMenu dev;
  dev.core->setAlarmType(100);
  dev.click("RestAlarmes");

  dev.answers.then("&Cancel", "Menu_Reapprentissage-leak-question");
  dev.click("suiteButton");
  EXPECT_EQ(dev.acknowledged.count(), 0);

  dev.answers.then("&Yes").then("&Plus tard", "Menu_Reapprentissage-after-leak");
  dev.click("suiteButton");
  EXPECT_EQ(dev.acknowledged.count(), 1);
  EXPECT_EQ(dev.core->datas()->getYesOrNoLeak(), "Yes leak");

  dev.answers.then("&No").then("");
  dev.click("suiteButton");
  EXPECT_EQ(dev.acknowledged.count(), 2);
  EXPECT_EQ(dev.core->datas()->getYesOrNoLeak(), "No leak");

  const std::vector<ModalAnswers::Shown>& shown = dev.answers.shown;
  ASSERT_EQ(shown.size(), 5u);
  EXPECT_EQ(shown[0].title, "Acquittement process");
  EXPECT_EQ(shown[0].text,
            "<p><font color=red><font size=5>Avez-vous localise et repare une fuite "
            "?</font></font></p>");
  EXPECT_EQ(shown[0].buttons, (std::vector<std::string>{"&Yes", "&No", "&Cancel"}));
  EXPECT_EQ(shown[2].buttons,
            (std::vector<std::string>{"&Recalcul", "&Reapprentissage", "&Plus tard"}));
  EXPECT_EQ(shown[4].text.rfind("Veuillez verifier les reglages d alarmes", 0), 0u);
  EXPECT_EQ(shown[4].buttons, (std::vector<std::string>{"OK"}));
  EXPECT_EQ(dev.recalcul.count() + dev.relearn.count() + dev.exited.count(), 0);
}

TEST(Menu_Reapprentissage, RecalculationThroughTheChargeDialog) {
  RelearnMenu dev;
  dev.click("recalculRefButton");
  dev.answers.then("OK", "Menu_Reapprentissage-recalcul-warning")
      .then("&Yes", "Menu_Reapprentissage-recalcul-question");
  dev.click("suiteButton");
  ASSERT_EQ(dev.answers.shown.size(), 2u);
  EXPECT_EQ(dev.answers.shown[0].title, "Recalcul process");
  EXPECT_EQ(dev.answers.shown[0].icon, QMessageBox::Warning);
  EXPECT_EQ(dev.answers.shown[1].buttons, (std::vector<std::string>{"&Yes", "&No"}));
  ASSERT_NE(dev.dialog(), nullptr);
  saveScreen(dev.dialog(), "Menu_Reapprentissage-charge-dialog");

  dev.answerCharge(QStringLiteral("12.5"), "yesButton");
  EXPECT_EQ(dev.recalcul.count(), 1);
  EXPECT_EQ(dev.relearn.count(), 0);
  EXPECT_FLOAT_EQ(dev.core->datas()->getNewCharge(), 12.5f);
  EXPECT_FALSE(dev.dialog()->isVisible());
  // The reference is the core's to clear, once it accepts.
  EXPECT_FLOAT_EQ(dev.core->datas()->getCFG_struct(17).floatValue, 35.5f);
}

TEST(Menu_Reapprentissage, RelearnAfterTheLeakQuestionSkipsTheSensorTest) {
  RelearnMenu dev;
  dev.core->setAlarmType(103);
  dev.setReading(627, 999.0f);
  dev.click("RestAlarmes");
  dev.answers.then("&Yes").then("&Reapprentissage").then("OK").then("&Yes");
  dev.click("suiteButton");
  EXPECT_EQ(dev.answers.shown.size(), 4u);
  EXPECT_EQ(dev.answers.shown[3].title, "Reapprentissage process");
  EXPECT_FALSE(dev.journalHas("4001;SENSORS ERROR;ERREUR: sondes ou carte mesure;DEBUG;"));
  dev.answerCharge(QStringLiteral("3"), "noButton");
  EXPECT_EQ(dev.relearn.count(), 1);
  EXPECT_EQ(dev.core->datas()->getNewCharge(), 0.0f);
}

TEST(Menu_Reapprentissage, DecliningDuringALeakAlarmLeavesThePage) {
  RelearnMenu dev;
  dev.click("Reapprentissage");
  dev.answers.then("OK").then("&No");
  dev.core->setAlarmType(7);
  dev.click("suiteButton");
  EXPECT_EQ(dev.exited.count(), 0);  // no leak alarm: the page stays

  dev.core->setAlarmType(100);
  dev.answers.then("OK").then("&No");
  dev.click("suiteButton");
  EXPECT_EQ(dev.exited.count(), 1);
  EXPECT_EQ(dev.relearn.count(), 0);
  dev.click("escButton");
  EXPECT_EQ(dev.escaped.count(), 1);
}

TEST(Menu_Reapprentissage, StartsRefusedWhileLearningOrRecalculating) {
  // The page stops only at exactly 1; the core tests again.
  const struct {
    int flagAlarm;
    int flagRecalc;
    bool relearn;
    const char* notice;  // nullptr: the start goes out
  } cases[] = {
      {1, 1, false, "Le ORV est deja en mode APPRENTISSAGE"},
      {1, 1, true, "Le ORV est deja en mode RE-CALCUL"},
      {1, 0, false, "Le ORV est deja en mode APPRENTISSAGE"},
      {0, 1, true, "Le ORV est deja en mode RE-CALCUL"},
      {0, 2, true, nullptr},
      {2, 0, false, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.flagAlarm) + "/" + std::to_string(c.flagRecalc) +
                 (c.relearn ? " relearn" : " recalcul"));
    RelearnMenu dev("FLAG_ALARM=" + std::to_string(c.flagAlarm) +
                    "\nFLAG_RECALC_MOYREF=" + std::to_string(c.flagRecalc) + "\n");
    dev.answers.then("");
    RecalculProcess* d = dev.dialog();
    ASSERT_NE(d, nullptr);
    d->show();
    if (c.relearn)
      dev.page.startReapprentissage(12.5f);
    else
      dev.page.startRecalcul(12.5f);
    EXPECT_FALSE(d->isVisible());
    if (c.notice) {
      ASSERT_EQ(dev.answers.shown.size(), 1u);
      EXPECT_EQ(dev.answers.shown[0].title, "Information");
      EXPECT_EQ(dev.answers.shown[0].text, c.notice);
      EXPECT_EQ(dev.relearn.count() + dev.recalcul.count(), 0);
      EXPECT_EQ(dev.core->datas()->getNewCharge(), 0.0f);
    } else {
      EXPECT_TRUE(dev.answers.shown.empty());
      EXPECT_EQ((c.relearn ? dev.relearn : dev.recalcul).count(), 1);
      EXPECT_FLOAT_EQ(dev.core->datas()->getNewCharge(), 12.5f);
    }
  }
}

}  // namespace
