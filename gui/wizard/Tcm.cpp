#include "Tcm.h"

#include <QEvent>

#include "MesV2Modul.h"
#include "ModulsCenter.h"
#include "cTcmThread.h"
#include "cardWorker.h"
#include "orv_configFile.h"
#include "ui_Tcm.h"
#include "wrappedListLines.h"

namespace {
const char kGeneral[] = "General";
const char kCardSection[] = "Module_Mesure_V2";
constexpr int kTimeoutMs = 300000;
// Configuration value of the V2 client that holds its firmware version.
constexpr int kV2FirmwareVersion = 114;
}  // namespace

Tcm::Tcm(QWidget* parent, orv_configFile* config)
    : cConfigurationWidget(parent), ui(new Ui_Tcm), config(config), worker(nullptr), cardType(0) {
  ui->setupUi(this);
  wrapListLines(ui->listeMesures);
  const QStringList speeds = {tr("Aucun"), QStringLiteral("2400"), QStringLiteral("4800"),
                              QStringLiteral("9600"), QStringLiteral("19200")};
  for (int i = 0; i < speeds.size(); ++i) ui->comboBox_uartBauds->addItem(speeds[i], i);
  ui->comboBox_uartBauds->setEnabled(false);
  const QStringList types = {tr("Aucunne"), QStringLiteral("Mesure_V1"), QStringLiteral("Mesure_V2")};
  for (int i = 0; i < types.size(); ++i) ui->comboBox_cardType->addItem(types[i], i);
  ui->comboBox_cardType->setEnabled(false);
  cardType = 0;
  onUpdate_BaupsComboBox(2400);
  read_guiCFG();
}

Tcm::~Tcm() {
  finishCardWorker(worker, this);
  delete ui;
}

void Tcm::read_guiCFG() {
  ui->listeMesures->clear();
  ui->progressBar->setValue(0);
  cardType = config->get<int>("z2_CM_TYPE", 1, kGeneral);
  int speed = 0;
  if (cardType == 1) {
    ui->comboBox_cardType->setCurrentIndex(1);
    ui->label_version->setText(tr("v1"));
    emit OnEnableNextBtn(true);
    speed = 2400;
  } else if (cardType == 2) {
    speed = config->get<int>("z2_CM_UART2_SPEED", 9600, kCardSection);
    ui->comboBox_cardType->setCurrentIndex(2);
    // The client exists only when the card answered at start-up.
    ModulsCenter* modules = cardModules();
    MesV2Modul* card = modules ? modules->mesV2_ptr() : nullptr;
    const QString version =
        card ? QString::number(card->getCFG_struct(kV2FirmwareVersion).floatValue, 'f', 2)
             : QStringLiteral("--");
    ui->label_version->setText(tr("v%1").arg(version));
    emit OnEnableNextBtn(true);
  } else {
    ui->label->setText(tr("Aucune CARTE MESURE detectee"));
    emit OnEnableNextBtn(false);
  }
  if (cardType < 1) {
    ui->listeMesures->addItem(tr("Aucune CARTE MESURE detectee, veuillez verifier votre "
                                 "cablage/installation et votre module MESURE"));
    return;
  }
  ui->comboBox_uartBauds->setEnabled(false);
  ui->comboBox_cardType->setEnabled(false);
  onUpdate_BaupsComboBox(speed);
  if (config->get<int>("CONFIG_COLUMN_TARE", 0, kGeneral) < 1)
    ui->listeMesures->addItem(tr("Carte mesure pas encore de TARAGE; Veuillez cliquez sur "
                                 "LANCER LE TEST puis faire la TARE de la COLONNE"));
  else
    ui->listeMesures->addItem(tr("Carte mesure deja testee ; Vous pouvez appuyer sur suivant "
                                 "si vous ne voulez pas re-tester la carte"));
}

void Tcm::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  read_guiCFG();
  OnReloadTimer(kTimeoutMs);
}

void Tcm::hideEvent(QHideEvent* e) { cConfigurationWidget::hideEvent(e); }

void Tcm::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}

void Tcm::on_testButton_clicked() {
  ui->testButton->setEnabled(false);
  OnReloadTimer(kTimeoutMs);
  dropFinishedWorker(worker);
  worker = nullptr;
  if (cardType < 1) {
    // Without a card the installation must be checked and the program restarted: the
    // button stays disabled for the rest of the wizard.
    ui->listeMesures->addItem(
        tr("Redemarrer le ORV apres avoir verifier l installation du module MESURE !"));
    return;
  }
  const int speed = ui->comboBox_uartBauds->currentText().toInt();
  worker = new cTcmThread(speed, cardType, this);
  connect(worker, &cTcmThread::OnThreadTerminate, this, &Tcm::OnThreadTerminate);
  connect(worker, &cTcmThread::OnThreadAddLine, this, &Tcm::OnThreadAddLine);
  connect(worker, &cTcmThread::OnThreadChangePercent, this, &Tcm::OnThreadChangePercent);
  ui->listeMesures->clear();
  worker->start(QThread::InheritPriority);
}

void Tcm::OnThreadTerminate(bool aStatus) {
  ui->testButton->setEnabled(true);
  emit OnEnableNextBtn(aStatus);
}

void Tcm::OnThreadAddLine(QString aStr) { ui->listeMesures->addItem(aStr); }

void Tcm::OnThreadChangePercent(long aMax, long aMin, long aValue) {
  showWorkerProgress(ui->progressBar, aMax, aMin, aValue);
}

void Tcm::onUpdate_BaupsComboBox(int bauds) {
  int index = 0;
  switch (bauds) {
    case 2400: index = 1; break;
    case 4800: index = 2; break;
    case 9600: index = 3; break;
    case 19200: index = 4; break;
    case 38400: index = 5; break;
    case 57600: index = 6; break;
    case 115200: index = 7; break;
    default: index = 0; break;
  }
  // The box holds five entries: the higher speeds select none and leave it blank.
  ui->comboBox_uartBauds->setCurrentIndex(index < ui->comboBox_uartBauds->count() ? index : -1);
}
