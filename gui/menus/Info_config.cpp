#include "Info_config.h"

#include <QDateTime>
#include <QEvent>
#include <QFile>

#include "ORV_core.h"
#include "orvDatas.h"
#include "orvPlatform.h"
#include "orv_classPtr.h"
#include "ui_Info_config.h"
#include "wideScrollBars.h"

namespace {

const QString kDashes(51, QLatin1Char('-'));
// Shown masked: the page needs no code, and the network page hides the key too.
const char* const kHiddenKey = "CONFIG_WIFI_KEY";

}  // namespace

Info_config::Info_config(QWidget* parent) : cConfigurationWidget(parent), ui(new Ui::Info_config) {
  ui->setupUi(this);
  setWideScrollBars(ui->listWidget, this);
}

Info_config::~Info_config() = default;

void Info_config::addItem(const QString& text) { ui->listWidget->addItem(text); }

void Info_config::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  ui->listWidget->clear();
  const QDateTime now = QDateTime::fromSecsSinceEpoch(static_cast<qint64>(orv::wallClockNow()));
  addItem(tr("Date du jour\t:\t") + now.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")));
  addConfigSections();
  addItem(QString());
  addItem(QString());
  addItem(tr("Contenu Fichier RCS systeme:"));
  addItem(kDashes);
  addBootScript();
  addItem(kDashes);
  addItem(QString());
  addItem(QString());
  addItem(tr("Espace de Stockage en Mo:"));
  addStorage();
  addItem(kDashes);
  ui->listWidget->scrollToTop();
}

void Info_config::addConfigSections() {
  orvDatas* store = Singleton<orv_classPtr>::ptr()->datas;
  if (!store) return;
  // The worker threads edit the store meanwhile: the copy is taken under its key lock, and
  // left out when the lock cannot be had.
  orv_configFile::SectionList sections;
  if (!store->lock_ORVconfig()) return;
  store->ORV_FileConfig_ptr()->getConfEntryList(sections);
  store->unlock_ORVconfig();

  for (const orv_configFile::ConfigSection& section : sections) {
    addItem(QString());
    addItem(tr("Config Section\t:\t") + QString::fromStdString(section.name));
    for (const orv_configFile::ConfigEntry& entry : section.entries) {
      if (entry.keyword == "-") continue;  // a comment line of the file, no setting
      const QString value = entry.keyword == kHiddenKey ? QStringLiteral("********")
                                                        : QString::fromStdString(entry.value);
      addItem(QStringLiteral(" %1 = %2").arg(QString::fromStdString(entry.keyword), value));
    }
  }
}

void Info_config::addBootScript() {
  QFile script(QString::fromStdString(orv::devicePath("/etc/init.d/rcS")));
  QByteArray text;
  if (script.open(QIODevice::ReadOnly | QIODevice::Text)) text = script.readAll();
  const int nul = text.indexOf('\0');
  if (nul >= 0) text.truncate(nul);
  addItem(QString::fromUtf8(text));
}

void Info_config::addStorage() {
  int totalMiB = 0, freeMiB = 0;
  if (ORV_core* core = Singleton<orv_classPtr>::ptr()->core)
    core->getStorageInfoSize(&totalMiB, &freeMiB);
  addItem(tr("Libre = %1 Mo").arg(freeMiB));
  addItem(tr("Total = %1 Mo").arg(totalMiB));
}

void Info_config::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
  cConfigurationWidget::changeEvent(e);
}

void Info_config::on_Esc_clicked() { emit esc_info_config(); }
