#include "CopyFilesToUSB.h"

#include <QFileDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "ORV_core.h"
#include "orvDatas.h"
#include "orvPlatform.h"
#include "orv_classPtr.h"
#include "orv_utils.h"
#include "ui_CopyFilesToUSB.h"
#include "ui_CopyFilesToUSB_bench.h"

namespace {

const char kDataDir[] = "/home/ORV/";
const char kBootScript[] = "rcS";
const char kBootScriptDir[] = "/etc/init.d/";
// The boot script keeps the mode the core gives the one it writes: never world-writable.
constexpr int kBootScriptMode = 0774;
const char kProgressStyle[] =
    "QProgressBar {border: 2px solid grey;border-radius: 5px;}\n"
    "QProgressBar::chunk {background-color: #18d45c;width: 20px;}";

std::string fileName(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

// True when the key's file may replace the device's settings, its bytes as judged in
// `judged`; the reason of a refusal is traced.
bool keyConfigUsable(const std::string& path, std::string* judged) {
  const std::string refusal = orvDatas::keyConfigRefusal(path, judged);
  if (!refusal.empty())
    std::printf("CopyFilesToUSB: %s refuse (%s)\n", path.c_str(), refusal.c_str());
  return refusal.empty();
}

}  // namespace

// What the two programs' forms of the page differ in.
struct CopyFilesToUSB::Profile {
  const char* keyDevice;  // present while the key is plugged in
  const char* keyFolder;  // where the system mounts it; the dialogs open there
  // Restore candidates in order, with the folder each one goes to.
  std::vector<std::pair<const char*, const char*>> candidates;
  bool bench;  // restore at construction, no reboot, no store reload, quit at once
};

const CopyFilesToUSB::Profile& CopyFilesToUSB::profileOf(UsbPageProfile profile) {
  static const Profile controller{"/sys/block/uba",
                                  "/home/usbkey1/",
                                  {{"moy.msr", kDataDir},
                                   {"config.conf", kDataDir},
                                   {"journal.log", kDataDir},
                                   {"fluides.norvale", kDataDir},
                                   {kBootScript, kBootScriptDir}},
                                  false};
  static const Profile bench{"/dev/usbDISK",
                             "/media/usb_drive/",
                             {{"moy.msr", kDataDir},
                              {"config.conf", kDataDir},
                              {"journal.log", kDataDir},
                              {"fluides.norvale", kDataDir},
                              {"interfaces", "/etc/network/"}},
                             true};
  return profile == UsbPageProfile::BenchRestore ? bench : controller;
}

CopyFilesToUSB::CopyFilesToUSB(QWidget* parent, UsbPageProfile profile)
    : QWidget(parent), profile_(profileOf(profile)) {
  if (profile_.bench) {
    benchUi_.reset(new Ui::CopyFilesToUSB_bench);
    benchUi_->setupUi(this);
    labelMsg_ = benchUi_->label_msg;
    progressBar_ = benchUi_->progressBar_copy;
    restoreButton_ = benchUi_->pB_RestoreFromUsb;
    quitButton_ = benchUi_->pB_QuitUsb;
  } else {
    ui_.reset(new Ui::CopyFilesToUSB);
    ui_->setupUi(this);
    labelMsg_ = ui_->label_msg;
    progressBar_ = ui_->progressBar_copy;
    restoreButton_ = ui_->pB_RestoreFromUsb;
    copyButton_ = ui_->pB_CopyToUsb;
    readConfigButton_ = ui_->pB_readConfigUsb;
    quitButton_ = ui_->pB_QuitUsb;
  }
  progressBar_->setStyleSheet(QString::fromLatin1(kProgressStyle));
  progressBar_->setValue(0);
  progressBar_->hide();

  quitTimer_ = new QTimer(this);
  quitTimer_->setObjectName(QStringLiteral("quitTimer"));
  quitTimer_->setSingleShot(true);
  quitTimer_->setInterval(kQuitDelayMs);
  connect(quitTimer_, &QTimer::timeout, this, &CopyFilesToUSB::sig_usbExit);

  connect(this, &CopyFilesToUSB::sig_ChangePercent, this, &CopyFilesToUSB::On_ChangePercent);
  if (copyButton_)
    connect(copyButton_, &QPushButton::released, this, &CopyFilesToUSB::On_CopyFilesToUsb);
  connect(restoreButton_, &QPushButton::released, this, &CopyFilesToUSB::On_RestoreFilesFromUsb);
  if (readConfigButton_)
    connect(readConfigButton_, &QPushButton::released, this, &CopyFilesToUSB::On_ReadConfigFromUsb);
  connect(quitButton_, &QPushButton::released, this, &CopyFilesToUSB::On_btnQuit);

  keyPresent_ = orvFileExist(profile_.keyDevice) != 0;
  if (keyPresent_) {
    labelMsg_->setText(tr("Votre dongle USB est brancher\n"));
    if (profile_.bench) On_RestoreFilesFromUsb();
  } else {
    labelMsg_->setText(tr("Veuillez brancher votre dongle USB SVP !\n"));
    setButtonsVisible(true);
  }
}

CopyFilesToUSB::~CopyFilesToUSB() = default;

bool CopyFilesToUSB::keyTest() {
  keyPresent_ = orvFileExist(profile_.keyDevice) != 0;
  if (!keyPresent_) {
    labelMsg_->setText(tr("Veuillez brancher votre dongle USB SVP !\n"));
    fileList_.clear();
  }
  return keyPresent_;
}

void CopyFilesToUSB::setButtonsVisible(bool visible) {
  restoreButton_->setVisible(visible);
  quitButton_->setVisible(visible);
}

std::string CopyFilesToUSB::backupFolder() const {
  orvDatas* store = Singleton<orv_classPtr>::ptr()->datas;
  const int id =
      store ? store->getCFG_struct(orvDatas::getCFG_ID_fromKeyString("CONFIG_SRV_ID")).intValue : 0;
  char folder[256];
  std::snprintf(folder, sizeof folder, "%sorv_%d_%d/", profile_.keyFolder, id,
                static_cast<int>(_getTimeStampInSecs()));
  return folder;
}

bool CopyFilesToUSB::initTask_save() {
  fileList_ = getDirFilesList(std::string(kDataDir) + "ORV_*_*_*.msr");
  for (const char* name : {"moy.msr", "config.conf", "journal.log"})
    fileList_.push_back(std::string(kDataDir) + name);
  fileList_.push_back(std::string(kBootScriptDir) + kBootScript);
  for (const std::string& optional :
       {std::string(kDataDir) + "fluides.norvale", std::string(kDataDir) + "traceroute.log",
        std::string("/tmp/autotest.log")})
    if (orvFileExist(optional.c_str())) fileList_.push_back(optional);

  QString text = tr("Nombre de fichier(s) a Sauvegarder: %1\n").arg(fileList_.size());
  keyPresent_ = orvFileExist(profile_.keyDevice) != 0;
  if (!fileList_.empty()) {
    if (copyButton_) copyButton_->setVisible(true);
    progressBar_->setVisible(true);
    text += keyPresent_ ? tr("Dongle USB Brancher/Detecter OK\n")
                        : tr("Veuillez brancher votre dongle USB SVP !\n");
  }
  labelMsg_->setText(text);
  return true;
}

void CopyFilesToUSB::On_CopyFilesToUsb() {
  if (!keyTest()) return;
  initTask_save();
  const std::string folder = backupFolder();
  const bool folderReady = orvDirExist(folder.c_str()) || orvDirCreate(folder.c_str());

  // Copies without a shell: a file name can never be read as a command. A listed file
  // that the device does not hold is no failed copy.
  const long n = static_cast<long>(fileList_.size());
  int failed = 0;
  for (long i = 0; i < n; ++i) {
    const std::string& path = fileList_[i];
    labelMsg_->setText(tr("Sauvegarde du fichier: %1").arg(QString::fromStdString(path)));
    if (orvFileExist(path.c_str()) &&
        (!folderReady || !orvFileCopy(path.c_str(), (folder + fileName(path)).c_str())))
      ++failed;
    emit sig_ChangePercent(n - 1, 0, i);
  }
  labelMsg_->setText(failed ? tr("ERREUR Sauvegarde: %1 fichier(s) non copie(s).").arg(failed)
                            : tr("Sauvegarde terminer."));
  fileList_.clear();
}

void CopyFilesToUSB::On_RestoreFilesFromUsb() {
  if (!keyTest()) return;
  const QString chosen = QFileDialog::getExistingDirectory(
      this, tr("Veuillez selectionner le Dossier USB Restauration fichiers sauvegardes"),
      QString::fromStdString(orv::devicePath(profile_.keyFolder)),
      QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks |
          QFileDialog::DontUseNativeDialog);
  if (chosen.isEmpty()) return;
  const std::string folder = orv::devicePathFromHost(chosen.toStdString()) + "/";

  std::vector<std::string> destinations;
  for (const auto& candidate : profile_.candidates) {
    if (!orvFileExist((folder + candidate.first).c_str())) continue;
    fileList_.push_back(candidate.first);
    destinations.push_back(candidate.second);
  }
  const long n = static_cast<long>(fileList_.size());
  labelMsg_->setText(tr("Nombre de fichier(s) a Restaurer: %1\n").arg(n));
  if (profile_.bench) setButtonsVisible(false);

  // The device's settings go through its store; the bench's are a plain file.
  orvDatas* store = profile_.bench ? nullptr : Singleton<orv_classPtr>::ptr()->datas;
  int failed = 0;
  for (long i = 0; i < n; ++i) {
    const std::string& name = fileList_[i];
    labelMsg_->setText(tr("Restauration du fichier: %1").arg(QString::fromStdString(name)));
    const bool bootScript = name == kBootScript;
    const bool settings = name == "config.conf";
    // Replaced whole or not at all: a copy that fails leaves the live file as it was, and
    // nothing is done on the strength of it. A key's settings file that is no device
    // configuration is not copied at all; one that is goes in as the bytes judged, never
    // read from the key a second time.
    std::string judged;
    if (settings && !keyConfigUsable(folder + name, &judged)) {
      ++failed;
    } else if (settings && store) {
      // Written and loaded under the store's file lock, so that no save of the settings in
      // memory by another thread puts the replaced ones back between the two.
      if (!store->replaceConfigText(judged)) ++failed;
    } else if (settings) {
      if (!orvFileReplace((destinations[i] + name).c_str(), judged)) ++failed;
    } else if (!orvFileCopyReplace((folder + name).c_str(), (destinations[i] + name).c_str(),
                                   bootScript ? kBootScriptMode : -1)) {
      ++failed;
    } else if (!profile_.bench && bootScript) {
      labelMsg_->setText(tr("Le ORV va redemarrer/rebooter."));
      labelMsg_->repaint();
      std::this_thread::sleep_for(std::chrono::milliseconds(kRebootNoticeMs));
      if (ORV_core* core = Singleton<orv_classPtr>::ptr()->core) core->OnORV_RestartAction(2);
    }
    emit sig_ChangePercent(n - 1, 0, i);
  }

  if (profile_.bench) {
    ::sync();
    setButtonsVisible(true);
  } else {
    systemCommand("cp /home/ORV/config.conf /usr/share/");
  }
  if (failed)
    labelMsg_->setText(tr("ERREUR Restauration: %1 fichier(s) non copie(s).").arg(failed));
  else if (profile_.bench)
    labelMsg_->setText(tr("Restauration %1 fichier(s) terminée.").arg(n));
  else
    labelMsg_->setText(tr("Restauration terminer."));
  fileList_.clear();
}

void CopyFilesToUSB::On_ReadConfigFromUsb() {
  if (!keyTest()) return;
  const QString chosen = QFileDialog::getOpenFileName(
      this, tr("Ouvrir Config"), QString::fromStdString(orv::devicePath(profile_.keyFolder)),
      QStringLiteral("Config files (config.conf)"), nullptr, QFileDialog::DontUseNativeDialog);
  if (chosen.isEmpty()) return;
  const std::string path = orv::devicePathFromHost(chosen.toStdString());
  orvDatas* store = Singleton<orv_classPtr>::ptr()->datas;
  if (!store || store->readORVconfigFile(path) == 0) {
    labelMsg_->setText(tr("ERREUR lecture fichier CONFIG USB"));
    return;
  }
  labelMsg_->setText(tr("Fichier USB %1 lu avec succes.").arg(QString::fromStdString(path)));
  systemCommand("cp /home/ORV/config.conf /usr/share/");
}

void CopyFilesToUSB::On_btnQuit() {
  if (profile_.bench) {
    emit sig_usbExit();
    return;
  }
  if (quitTimer_->isActive()) return;  // a second tap while the flush settles
  // The main window deletes the page when the timer runs out: no dialog may open on it now.
  for (QPushButton* button : {copyButton_, restoreButton_, readConfigButton_})
    if (button) button->setEnabled(false);
  ::sync();
  quitTimer_->start();
}

void CopyFilesToUSB::On_ChangePercent(long aMax, long aMin, long aValue) {
  progressBar_->setMaximum(static_cast<int>(aMax));
  progressBar_->setMinimum(static_cast<int>(aMin));
  progressBar_->setValue(static_cast<int>(aValue));
}
