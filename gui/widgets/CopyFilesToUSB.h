// USB page: saves the device's data and settings files to a backup folder on the USB key,
// restores the settings files from such a folder, and loads a configuration file from the
// key into the configuration store. Every operation runs to its end inside its slot.
//
// The factory bench program uses the same class in its restore-only profile: another
// form (restore and quit only), the bench's key paths and candidates, no reboot, no
// store reload, the restore started at construction.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <string>
#include <utility>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace Ui {
class CopyFilesToUSB;
class CopyFilesToUSB_bench;
}  // namespace Ui

enum class UsbPageProfile {
  Controller,    // orvQT: backup, restore, configuration read
  BenchRestore,  // orv_test: restore only, at construction
};

class CopyFilesToUSB : public QWidget {
  Q_OBJECT

public:
  explicit CopyFilesToUSB(QWidget* parent = nullptr,
                          UsbPageProfile profile = UsbPageProfile::Controller);
  ~CopyFilesToUSB() override;

  // Wait between the flush of Quitter and sig_usbExit() (controller profile).
  static constexpr int kQuitDelayMs = 2000;
  // Wait between "Le ORV va redemarrer/rebooter." and the core's restart.
  static constexpr int kRebootNoticeMs = 3000;

signals:
  void sig_usbExit();
  void sig_ChangePercent(long aMax, long aMin, long aValue);

public slots:
  void On_CopyFilesToUsb();
  void On_RestoreFilesFromUsb();
  void On_ReadConfigFromUsb();
  void On_btnQuit();
  void On_ChangePercent(long aMax, long aMin, long aValue);
  bool initTask_save();

private:
  struct Profile;
  static const Profile& profileOf(UsbPageProfile profile);

  // Tests the key, stores the flag; when it is absent shows the request to plug it in.
  bool keyTest();
  // Device path of the backup folder of this second.
  std::string backupFolder() const;
  void setButtonsVisible(bool visible);

  const Profile& profile_;
  std::unique_ptr<Ui::CopyFilesToUSB> ui_;
  std::unique_ptr<Ui::CopyFilesToUSB_bench> benchUi_;
  // The widgets of whichever form: the bench form has no backup and no read button.
  QLabel* labelMsg_ = nullptr;
  QProgressBar* progressBar_ = nullptr;
  QPushButton* restoreButton_ = nullptr;
  QPushButton* copyButton_ = nullptr;
  QPushButton* readConfigButton_ = nullptr;
  QPushButton* quitButton_ = nullptr;
  QTimer* quitTimer_ = nullptr;

  std::vector<std::string> fileList_;
  bool keyPresent_ = false;
};
