#include "Menu_Reapprentissage.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QThread>

#include <cstdio>
#include <vector>

#include "ORV_core.h"
#include "RecalculProcess.h"
#include "cMessageBox.h"
#include "orvDatas.h"
#include "orv_classPtr.h"
#include "ui_Menu_Reapprentissage.h"

namespace {

// Last alarm types that mean a leak: the 3-day statistical alarm and the low-level alarm.
constexpr int kStatisticalLeakAlarm = 100;
constexpr int kLowLevelAlarm = 103;
// Question boxes fill the 640 x 480 screen.
const QSize kFullScreen(640, 480);

ORV_core* core() { return Singleton<orv_classPtr>::ptr()->core; }
orvDatas* datas() { return Singleton<orv_classPtr>::ptr()->datas; }

}  // namespace

Menu_Reapprentissage::Menu_Reapprentissage(QWidget* parent)
    : cConfigurationWidget(parent),
      ui(new Ui::Menu_Reapprentissage),
      recalculDialog(new RecalculProcess(nullptr)) {
  ui->setupUi(this);
  choiceGroup = new QButtonGroup(this);
  choiceGroup->setExclusive(true);
  choiceGroup->addButton(ui->RestAlarmes);
  choiceGroup->addButton(ui->Reapprentissage);
  choiceGroup->addButton(ui->recalculRefButton);
  connect(recalculDialog, &RecalculProcess::recalcul, this, &Menu_Reapprentissage::startRecalcul,
          Qt::DirectConnection);
  connect(recalculDialog, &RecalculProcess::reapprentissage, this,
          &Menu_Reapprentissage::startReapprentissage, Qt::DirectConnection);
}

Menu_Reapprentissage::~Menu_Reapprentissage() { delete recalculDialog; }

void Menu_Reapprentissage::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  // A locked device offers no relearn; a choice made before the lock is dropped.
  const bool locked = storedInt("z1_VERROU_ORV") == 1;
  if (locked && ui->Reapprentissage->isChecked()) {
    choiceGroup->setExclusive(false);
    ui->Reapprentissage->setChecked(false);
    choiceGroup->setExclusive(true);
  }
  ui->Reapprentissage->setEnabled(!locked);
}

void Menu_Reapprentissage::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
  cConfigurationWidget::changeEvent(e);
}

int Menu_Reapprentissage::storedInt(const char* keyword) {
  orvDatas* store = datas();
  return store ? store->getCFG_struct(orvDatas::getCFG_ID_fromKeyString(keyword)).intValue : 0;
}

bool Menu_Reapprentissage::sensorsSane() { return core() && core()->checkIfSensorError() != 0; }

bool Menu_Reapprentissage::leakAlarmStanding() {
  const int type = core() ? core()->getAlarmType() : 0;
  return type == kStatisticalLeakAlarm || type == kLowLevelAlarm;
}

void Menu_Reapprentissage::pause(int seconds) { QThread::sleep(seconds); }

int Menu_Reapprentissage::ask(const QString& title, const QString& text, const QStringList& answers,
                              bool warningIcon) {
  QMessageBox box(warningIcon ? QMessageBox::Warning : QMessageBox::NoIcon, title, text);
  std::vector<QAbstractButton*> buttons;
  for (const QString& answer : answers)
    buttons.push_back(box.addButton(answer, QMessageBox::ActionRole));
  if (answers.isEmpty()) box.setStandardButtons(QMessageBox::Ok);
  box.setMinimumSize(kFullScreen);
  // The box sizes itself to its layout: a spacer over the whole grid keeps it full screen.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    const QMargins m = grid->contentsMargins();
    grid->addItem(new QSpacerItem(kFullScreen.width() - m.left() - m.right(),
                                  kFullScreen.height() - m.top() - m.bottom()),
                  0, 0, grid->rowCount(), grid->columnCount());
  }
  box.exec();
  if (answers.isEmpty()) return 0;
  for (size_t i = 0; i < buttons.size(); ++i)
    if (box.clickedButton() == buttons[i]) return static_cast<int>(i);
  return -1;
}

void Menu_Reapprentissage::notify(const QString& title, const QString& text) {
  cMessageBox::information(title, text, QMessageBox::Ok, 5000, cMessageBox::TimeoutClose,
                           QFont(QStringLiteral("Times"), 18, QFont::Bold));
}

void Menu_Reapprentissage::on_suiteButton_clicked() {
  if (ui->RestAlarmes->isChecked()) {
    AcquittementProcess();
  } else if (ui->Reapprentissage->isChecked() || ui->recalculRefButton->isChecked()) {
    // The core journals the sensor fault (event 4001) when it finds one.
    if (!sensorsSane())
      notify(tr("Warning"), tr("Veuillez vérifier le câblage de vos capteurs SVP !"));
    else if (ui->Reapprentissage->isChecked())
      reapprentissageProcess();
    else
      recalculProcess();
  } else {
    notify(tr("Information"), tr("Selectionnez une option..."));
  }
}

void Menu_Reapprentissage::on_escButton_clicked() { emit escButtonSignal(); }

void Menu_Reapprentissage::AcquittementProcess() {
  if (!leakAlarmStanding()) {
    emit RestAlarme();
    return;
  }
  const QString title = tr("Acquittement process");
  const int leak = ask(title,
                       tr("<p><font color=red><font size=5>Avez-vous localise et repare une "
                          "fuite ?</font></font></p>"),
                       {tr("&Yes"), tr("&No"), tr("&Cancel")});
  if (leak == 0) {
    // The answer goes into the journal lines of the acknowledged leak alarms.
    if (datas()) datas()->setYesOrNoLeak("Yes leak");
    pause(1);
    emit RestAlarme();
    const int next = ask(title,
                         tr("<p><font color=red><font size=3>En fonction de votre intervention, "
                            "veuillez lancer un recalcul ou un reapprentissage.</font></font></p>"),
                         {tr("&Recalcul"), tr("&Reapprentissage"), tr("&Plus tard")});
    if (next == 0)
      recalculProcess();
    else if (next == 1)
      reapprentissageProcess();
  } else if (leak == 1) {
    if (datas()) datas()->setYesOrNoLeak("No leak");
    pause(1);
    emit RestAlarme();
    ask(title,
        tr("Veuillez verifier les reglages d alarmes (sensibilite, temporisation, niveau "
           "bas).\n\nRappel, le kit de maintenance reglementaire doit etre change tous "
           "les ans.\n\nVoir le guide des bonnes pratiques pour plus d informations."),
        {});
  } else {
    std::printf("cancel button clicked, nothing to do \n");
    std::fflush(stdout);
  }
}

void Menu_Reapprentissage::confirmStart(const QString& title, const QString& warning,
                                        const QString& question, bool relearn) {
  ask(title, warning, {}, true);
  if (ask(title, question, {tr("&Yes"), tr("&No")}) == 0) {
    // A recalculation keeps the dialog's own header and mode (every answer resets it).
    if (relearn)
      recalculDialog->setTextReapp(
          tr("Avez-vous effectue une recharge ?\n\n Si oui entrez la charge effectuee et "
             "cliquez sur \"Yes\". \n\nSinon, cliquez sur \"No\"."),
          1);
    recalculDialog->show();
  } else if (leakAlarmStanding()) {
    pause(3);
    emit exitReappMenu();  // the main window deletes this page
  }
}

void Menu_Reapprentissage::reapprentissageProcess() {
  confirmStart(
      tr("Reapprentissage process"),
      tr("Attention si une fuite est toujours active sur la centrale pendant un "
         "reapprentissage, la fiabilite de la detection de fuite peut etre impactee.\n\nUn "
         "reapprentissage dure plusieurs jours pendant lesquels, il n y a pas d alarmes "
         "statistiques (contrairement a l alarme de niveau bas qui est toujours active)."),
      tr("Un reapprentissage doit etre lance dans les cas suivants:\n\n- Modification sur "
         "l installation (mise en route hivernale de la recuperation de chaleur, fermeture d un "
         "etage de condensation).\n\n- Modification sur le ORV (changement de kit annuel, "
         "nouvelle tare).\n\nEtes-vous sur de vouloir lancer un reapprentissage?"),
      true);
}

void Menu_Reapprentissage::recalculProcess() {
  confirmStart(
      tr("Recalcul process"),
      tr("Attention si une fuite est toujours active sur la centrale pendant un recalcul, la "
         "fiabilite de la detection de fuite peut etre impactee.\n\nUn recalcul dure plusieurs "
         "heures pendant lesquelles, il n y a pas d alarmes statistiques (contrairement a l "
         "alarme de niveau bas qui est toujours active)."),
      tr("Un recalcul doit etre lance uniquement dans les cas suivants :\n\n- changement du "
         "niveau moyen du reservoir.\n\n- reparation d'une fuite statistique avec ou sans "
         "recharge.\n\n- en cas de complement de charge.\n\nEtes-vous sur de vouloir lancer un "
         "recalcul?"),
      false);
}

void Menu_Reapprentissage::startRecalcul(float newCharge) { start(newCharge, false); }

void Menu_Reapprentissage::startReapprentissage(float newCharge) { start(newCharge, true); }

// Both flags count only at exactly 1. A relearn reports a pending recalculation first, a
// recalculation a running learning period first. The core tests them again, with the
// learning days and the sensors, and the main window reports its refusal; the reference
// level is left to the core, which clears it only once it accepts.
void Menu_Reapprentissage::start(float newCharge, bool relearn) {
  const bool learning = storedInt("FLAG_ALARM") == 1;
  const bool recalculating = storedInt("FLAG_RECALC_MOYREF") == 1;
  if (recalculating && (relearn || !learning)) {
    notify(tr("Information"), tr("Le ORV est deja en mode RE-CALCUL"));
  } else if (learning) {
    notify(tr("Information"), tr("Le ORV est deja en mode APPRENTISSAGE"));
  } else {
    if (datas()) datas()->setNewCharge(newCharge);
    pause(1);
    if (relearn)
      emit ReappMoyen();
    else
      emit recalculNivRef();
  }
  recalculDialog->close();
}
