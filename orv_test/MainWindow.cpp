#include "MainWindow.h"

#include <QMessageBox>
#include <QStackedWidget>

#include <cstdlib>
#include <vector>

#include "CopyFilesToUSB.h"
#include "ZuvVirtualKeyboard.h"
#include "benchNetUtils.h"
#include "cAutoTestThread.h"
#include "fNetworkConf.h"
#include "fResultDisplay.h"
#include "orvPlatform.h"
#include "orv_utils.h"
#include "ui_MainWindow.h"

namespace {

const char* const kStateFile = "/home/ORV/orv_test.cfg";
constexpr int kLastStage = 3;
constexpr int kRebootDelayMs = 5000;
constexpr int kResetRebootDelayMs = 2000;

// Text that is no number reads as 0, as the device's C library reads it.
int stateNumber(const std::string& text) { return static_cast<int>(std::strtol(text.c_str(), nullptr, 10)); }

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), ui(new Ui::MainWindow) {
  ui->setupUi(this);
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowTitleHint);
  rebootTimer.setObjectName(QStringLiteral("rebootTimer"));
  rebootTimer.setSingleShot(true);
  connect(&rebootTimer, &QTimer::timeout, this, &MainWindow::OnRebootOrv);

  readStateFile();

  ui->pB_resetBench->hide();
  ui->pB_reboot->hide();
  connect(ui->pB_reboot, &QPushButton::clicked, this, &MainWindow::OnRebootOrv);
  connect(ui->pB_resetBench, &QPushButton::clicked, this, &MainWindow::OnResetBenchMark);
  connect(this, &MainWindow::sigOnStartTest, this, &MainWindow::OnStartTest);
  connect(this, &MainWindow::sigRebootOrv, this, &MainWindow::OnRebootOrv);

  stack_ = new QStackedWidget(this);
  stack_->setObjectName(QStringLiteral("stackedWidget"));
  ui->verticalLayout_widget->addWidget(stack_);
  connect(stack_, &QStackedWidget::currentChanged, this, &MainWindow::OnStackIndexChanged);
  result_ = new fResultDisplay(stack_);
  result_->setObjectName(QStringLiteral("fResultDisplay"));
  stack_->addWidget(result_);
  connect(this, &MainWindow::sigDisplayResult, result_, &fResultDisplay::OnResultDisplay,
          Qt::QueuedConnection);

  if (benchStage == 0) {
    keyboard_ = new ZuvVirtualKeyboard(this);
    keyboard_->setMinimumSize(260, 120);
    ui->verticalLayout_keyboard->addWidget(keyboard_);
    keyboard_->hide();
    network_ = new fNetworkConf(stack_);
    network_->setObjectName(QStringLiteral("fNetworkConf"));
    stack_->addWidget(network_);
    connect(network_, &fNetworkConf::sigNetDispMsg, result_, &fResultDisplay::OnResultDisplay,
            Qt::QueuedConnection);
    connect(network_, &fNetworkConf::sigTestStart, this, &MainWindow::OnStartTest);
  }
}

MainWindow::~MainWindow() {
  if (worker_) {
    worker_->wait();
    delete worker_;
  }
  delete keyboard_;
  delete ui;
}

void MainWindow::readStateFile() {
  std::vector<std::string> lines;
  if (!orvFileExist(kStateFile) || !readFile_LinesNum(kStateFile, 3, &lines)) return;
  benchStage = stateNumber(lines[0]);
  // Only 1 and 2 are ever written: a larger stage makes the last run again, a negative
  // one starts the bench afresh.
  if (benchStage > kLastStage - 1) benchStage = kLastStage - 1;
  if (benchStage < 0) benchStage = 0;
  usbRestore = stateNumber(lines[1]);
  serverAddress = lines[2];
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Once per program start: showing the window again must not start a second run.
  if (started_) return;
  started_ = true;
  if (benchStage == 0) {
    network_->networkSettleMs = networkSettleMs;
    if (keyboard_) keyboard_->show();
    stack_->setCurrentWidget(network_);
  } else {
    ui->pB_resetBench->show();
    stack_->setCurrentWidget(result_);
    emit sigOnStartTest();
  }
}

void MainWindow::OnStartTest() {
  if (network_) {
    iFaceType = network_->iFaceType;
    ipAddr = network_->ipAddr;
    maskAddr = network_->maskAddr;
    gwAddr = network_->gwAddr;
    dhcpState = network_->dhcpState;
    usbRestore = network_->usbRestore ? 1 : 0;
    serverAddress = network_->sftpSrvAddr;
    wifiSSID = network_->wifiSSID;
    wifiKey = network_->wifiKey;
  }
  if (keyboard_) keyboard_->hide();
  result_->OnDisplayClear();
  stack_->setCurrentWidget(result_);
  result_->show();

  if (worker_) {
    worker_->quit();
    worker_->wait();
    delete worker_;
    worker_ = nullptr;
  }
  worker_ = new cAutoTestThread(nullptr, gpioWatchMs, endWaitMs);
  worker_->setServerAddress(serverAddress);
  connect(worker_, &cAutoTestThread::sig_ThreadEnd, this, &MainWindow::On_ThreadEnd,
          Qt::QueuedConnection);
  connect(worker_, &cAutoTestThread::sig_ThreadUpdText, this, &MainWindow::OnDisplayResult,
          Qt::QueuedConnection);
  connect(this, &MainWindow::sigResetBenchmark, worker_, &cAutoTestThread::OnResetState,
          Qt::DirectConnection);
  worker_->start();
}

void MainWindow::On_ThreadEnd(int errors) {
  if (errors <= 0) {
    ++benchStage;
    if (benchStage >= kLastStage) {
      if (usbRestore == 0)
        OnEndBenchMark();
      else
        openRestorePage();
      return;
    }
    const std::string state = std::to_string(benchStage) + "\n" + std::to_string(usbRestore) +
                              "\n" + serverAddress + "\n";
    // The next start reads its stage here: rebooting after a failed write would repeat
    // or restart the bench with nobody told.
    if (orvFileReplace(kStateFile, state) != 1) {
      --benchStage;
      emit sigDisplayResult(tr("ERREUR Ecriture fichier /home/ORV/orv_test.cfg, redémarrage annulé"));
      showErrorButtons();
      return;
    }
    emit sigDisplayResult(
        tr("Test ORV %1/3 términé, redémarrage ORV... dans 5 secondes").arg(benchStage));
    rebootTimer.start(kRebootDelayMs);
    return;
  }
  if (network_) {
    network_->iFaceType = iFaceType;
    network_->ipAddr = ipAddr;
    network_->maskAddr = maskAddr;
    network_->gwAddr = gwAddr;
    network_->dhcpState = dhcpState;
    network_->usbRestore = usbRestore != 0;
    network_->sftpSrvAddr = serverAddress;
    network_->wifiSSID = wifiSSID;
    network_->wifiKey = wifiKey;
    network_->reLoadCfg();
    if (keyboard_) keyboard_->show();
    stack_->setCurrentWidget(network_);
    return;
  }
  emit sigDisplayResult(tr("ERREUR Détéctés(s), veuillez vérifier/corriger puis Redémarrer"));
  ui->pB_reboot->setText(tr("ERREUR Détéctés(s) - Redémarrage ORV"));
  ui->pB_reboot->show();
  ui->pB_resetBench->show();
}

void MainWindow::showErrorButtons() {
  ui->pB_reboot->setText(tr("Redémarrage ORV"));
  ui->pB_reboot->show();
  ui->pB_resetBench->show();
}

void MainWindow::openRestorePage() {
  // The page restores at once when a key is plugged in; the operator ends the bench with
  // its Terminer button.
  auto* page = new CopyFilesToUSB(stack_, UsbPageProfile::BenchRestore);
  page->setObjectName(QStringLiteral("CopyFilesToUSB"));
  restore_ = page;
  connect(page, &CopyFilesToUSB::sig_usbExit, this, &MainWindow::OnEndBenchMark);
  stack_->addWidget(page);
  stack_->setCurrentWidget(page);
  page->show();
}

void MainWindow::OnDisplayResult(QString text) {
  if (result_) result_->OnResultDisplay(text);
}

void MainWindow::OnEndBenchMark() {
  const std::string mac = get_iface_macAddr("eth0");
  // A start-up file that does not name orvQT would start the bench again, or nothing:
  // keep the state file and do not reboot, so the operator can see it and act.
  if (!modifyORVstarterFile("ORV_BIN_NAME=orv_test", "ORV_BIN_NAME=orvQT")) {
    emit sigDisplayResult(
        tr("ERREUR Modification fichier /home/ORV/orv_starter, redémarrage annulé"));
    showErrorButtons();
    return;
  }
  orvFileDelete(kStateFile);
  emit sigDisplayResult(tr("Adresse MAC du ORV: %1").arg(QString::fromStdString(mac)));
  emit sigDisplayResult(tr("Test ORV términé, le prochain redémarrage lancera l'application ORV"));
  if (reconfigureNetwork("eth0", 0, "192.168.1.48", "255.255.255.0", "192.168.1.1", " ", " ",
                         networkSettleMs))
    emit sigDisplayResult(tr("Mise en place configuration du réseau par défaut/usine OK"));
  rebootTimer.start(kRebootDelayMs);
}

void MainWindow::OnResetBenchMark() {
  const auto answer = QMessageBox::warning(
      this, tr("ATTENTION RESET BENCHMARK"),
      tr("Lancer le RESET ?!\nveuillez cliquer sur OK pour confirmer le RESET!"),
      QMessageBox::Yes | QMessageBox::No);
  if (answer != QMessageBox::Yes) return;
  if (orvFileExist(kStateFile)) {
    emit sigResetBenchmark(true);
    emit sigDisplayResult(tr("RESET BENCHMARK, redémarrage du BENCHMARK en mode USINE..."));
    orvFileDelete(kStateFile);
    rebootTimer.start(kResetRebootDelayMs);
  }
  if (reconfigureNetwork("eth0", 1, " ", " ", " ", " ", " ", networkSettleMs))
    emit sigDisplayResult(
        tr("RESET BENCHMARK, Mise en place configuration du réseau par défaut/usine OK"));
}

void MainWindow::OnRebootOrv() { orv::runCommand("/sbin/reboot"); }

void MainWindow::OnStackIndexChanged(int) {}
