#include "Mestare.h"

#include <QDateTime>
#include <QEvent>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>

#include <cstring>
#include <string>

#include "ORV_core.h"
#include "ORV_fileManip.h"
#include "cMestareThread.h"
#include "cardWorker.h"
#include "orvPlatform.h"
#include "orv_classPtr.h"
#include "orv_configFile.h"
#include "ui_Mestare.h"

namespace {
const char kGeneral[] = "General";
const char kCardSection[] = "Module_Mesure_V2";
constexpr int kTimeoutMs = 300000;
// Journal event of a column tare.
constexpr int kEventTare = 1009;
// The column length counts 120 mm of fittings besides the receiver's height or diameter.
constexpr int kFittingsMm = 120;

// Grams per millimetre of the column tubes, by their exact type text.
double tubeFactor(const char* type) {
  if (std::strcmp(type, "40x2") == 0) return 2.604;
  if (std::strcmp(type, "1 5/8") == 0) return 1.67;
  if (std::strcmp(type, "1 5/8 K65") == 0) return 2.915;
  return 0.0;
}
}  // namespace

Mestare::Mestare(QWidget* parent, orv_configFile* config)
    : cConfigurationWidget(parent), ui(new Ui_Mestare), config(config), worker(nullptr),
      cardType(0) {
  ui->setupUi(this);
  read_guiCFG();
}

Mestare::~Mestare() {
  finishCardWorker(worker, this);
  delete ui;
}

void Mestare::showTare(int grams) {
  ui->labelpoidmesure->setText(tr("%1").arg(grams) + tr(" gr"));
}

void Mestare::read_guiCFG() {
  cardType = config->get<int>("z2_CM_TYPE", 1, kGeneral);
  ui->progressBartare->setValue(0);
  ui->labelpoidmesure->clear();
  ui->labelerrcom->hide();
  const int tare = config->get<int>("CONFIG_COLUMN_TARE", 0, kGeneral);
  if (tare < 1) {
    emit OnEnableNextBtn(false);
  } else {
    emit OnEnableNextBtn(true);
    showTare(tare);
  }
  int length;
  if (config->get<char>("CONFIG_TANK_TYPE", 'V', kGeneral) == 'V')
    length = config->get<int>("CONFIG_HEIGHT", 1500, kGeneral);
  else
    length = static_cast<int>(config->get<double>("CONFIG_DIAMETRE", 500.0, kGeneral));
  const double factor = tubeFactor(config->getCString("CONFIG_COLUMN_TYPE", "1 5/8", kGeneral));
  const float expected = static_cast<float>((length + kFittingsMm) * factor);
  ui->label_Tare->setStyleSheet(QStringLiteral("QLabel { color:#0000ff;}"));
  ui->label_Tare->setText(
      tr("Normalement la tare est superieur a  %1 gr").arg(QString::number(expected, 'g', 6)));
}

void Mestare::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  read_guiCFG();
}

void Mestare::hideEvent(QHideEvent* e) { cConfigurationWidget::hideEvent(e); }

void Mestare::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}

void Mestare::on_TareButton_clicked() {
  ui->TareButton->setEnabled(false);
  QMessageBox question(QMessageBox::Warning, tr("ATTENTION Lancer la TARE ?"),
                       tr("Lancer la procedure de TARE ?!\netes vous sûr?"),
                       QMessageBox::Yes | QMessageBox::No);
  // The wizard, and this page with it, may be left while the question is up.
  const QPointer<Mestare> alive(this);
  const int answer = question.exec();
  if (!alive) return;
  if (answer == QMessageBox::No) {
    ui->TareButton->setEnabled(true);
    return;
  }
  ui->labelerrcom->hide();
  ui->labelpoidmesure->clear();
  ui->progressBartare->setValue(0);
  OnReloadTimer(kTimeoutMs);
  dropFinishedWorker(worker);
  worker = nullptr;
  // The worker does not use the speed; the copy's is handed over, since the V2 client
  // exists only when the card answered at start-up.
  const int speed = cardType == 2 ? config->get<int>("z2_CM_UART2_SPEED", 9600, kCardSection) : 2400;
  worker = new cMestareThread(speed, cardType, this);
  connect(worker, &cMestareThread::OnThreadTerminate, this, &Mestare::OnThreadTerminate);
  connect(worker, &cMestareThread::OnThreadChangePercent, this, &Mestare::OnThreadChangePercent);
  worker->start(QThread::InheritPriority);
}

void Mestare::OnThreadChangePercent(long aMax, long aMin, long aValue) {
  showWorkerProgress(ui->progressBartare, aMax, aMin, aValue);
}

void Mestare::OnThreadTerminate(bool aStatus, int Val) {
  ui->TareButton->setEnabled(true);
  if (!aStatus || Val < 1) {
    ui->labelerrcom->show();
    return;
  }
  showTare(Val);
  config->set<int>("CONFIG_COLUMN_TARE", Val, kGeneral);
  // The journal keeps the tare even when the wizard is cancelled afterwards.
  ORV_core* core = Singleton<orv_classPtr>::ptr()->core;
  ORV_fileManip* files = core ? core->ORV_fileManip_Ptr() : nullptr;
  if (files) files->write_logfile(kEventTare, "TARE", nullptr, nullptr);
  const QDateTime now = QDateTime::fromSecsSinceEpoch(orv::wallClockNow());
  config->set<std::string>(
      "CONFIG_TARE_DATE",
      QLocale(QLocale::French).toString(now, QStringLiteral("dd/MM/yyyy HH:mm:ss")).toStdString(),
      kGeneral);
  emit OnEnableNextBtn(true);
}
