#include "OrvName.h"

#include "ZuvVirtualKeyboard.h"
#include "orv_configFile.h"
#include "ui_OrvName.h"

namespace {
const char kDeviceKey[] = "CONFIG_ORV_NAME";
const char kSiteKey[] = "CONFIG_NOM_CLIENT_DU_SITE";
const char kGeneral[] = "General";

// The whole stored text, or `def` when the entry is missing; nothing is inserted. Names are
// stored in UTF-8 as every other page stores its texts, whatever the locale.
QString storedName(orv_configFile* config, const char* key, const char* def) {
  return QString::fromUtf8(config->getCString(key, def, kGeneral));
}

// Writes the field's text when it differs from what was last loaded or written.
void saveName(orv_configFile* config, const char* key, const QString& text, QString& member) {
  if (text == member) return;
  member = text;
  config->set<std::string>(key, text.toUtf8().toStdString(), kGeneral);
}
}  // namespace

OrvName::OrvName(QWidget* parent, orv_configFile* config)
    : cConfigurationWidget(parent), ui(new Ui_OrvName), config(config), keyboard(nullptr) {
  ui->setupUi(this);
  ui->lE_orvname->setMaxLength(20);
  ui->LineEClientSiteName->setMaxLength(40);
  keyboard = new ZuvVirtualKeyboard(this);
  keyboard->setMinimumSize(120, 120);
  ui->verticalLayout_keyboard->addWidget(keyboard);
  read_guiCFG();
}

OrvName::~OrvName() {
  delete keyboard;
  delete ui;
}

void OrvName::read_guiCFG() {
  deviceName = storedName(config, kDeviceKey, "Nom_du_ORV");
  ui->lE_orvname->setText(deviceName);
  siteName = storedName(config, kSiteKey, "Nom_du_client_sur_site");
  ui->LineEClientSiteName->setText(siteName);
}

void OrvName::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  read_guiCFG();
  // The site field ends up with the focus; touching the device field moves it there.
  ui->lE_orvname->setFocus();
  ui->LineEClientSiteName->setFocus();
}

void OrvName::hideEvent(QHideEvent* e) {
  cConfigurationWidget::hideEvent(e);
  saveName(config, kDeviceKey, ui->lE_orvname->text(), deviceName);
  saveName(config, kSiteKey, ui->LineEClientSiteName->text(), siteName);
}

void OrvName::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}
