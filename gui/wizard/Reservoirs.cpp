#include "Reservoirs.h"

#include "ui_Reservoirs.h"
#include "wizardCopy.h"

namespace {
const char kTypeKey[] = "CONFIG_TANK_TYPE";
const char kNumberKey[] = "CONFIG_TANK_NUMBER";
const char kGeneral[] = "General";
constexpr int kListItems = 5;  // "Aucun" and 1 to 4 receivers
}  // namespace

Reservoirs::Reservoirs(QWidget* parent, orv_configFile* config)
    : cConfigurationWidget(parent), ui(new Ui_Reservoirs), tankNumber(0), config(config),
      tankType(0) {
  ui->setupUi(this);
  // The items keep the language of the page's construction.
  ui->cB_NombreReservoir->addItem(tr("Aucun"), 0);
  ui->cB_NombreReservoir->addItem(tr("1 reservoir"), 1);
  ui->cB_NombreReservoir->addItem(tr("2 reservoirs"), 2);
  ui->cB_NombreReservoir->addItem(tr("3 reservoirs"), 3);
  ui->cB_NombreReservoir->addItem(tr("4 reservoirs"), 4);
  ui->image->setStyleSheet(
      QStringLiteral("image: url(%1Type_reservoir.png);").arg(QStringLiteral("gui_images/")));
  read_guiCFG();
}

Reservoirs::~Reservoirs() { delete ui; }

void Reservoirs::read_guiCFG() {
  tankType = config->get<char>(kTypeKey, 'V', kGeneral);
  tankNumber = config->get<int>(kNumberKey, 1, kGeneral);
  if (tankType == 'H') {
    ui->Horizontal->setChecked(true);
  } else if (tankType == 'V') {
    ui->Vertical->setChecked(true);
  }
  // A count the list does not offer leaves it without a current item, so that leaving the
  // page keeps the stored count unless the technician picks one.
  ui->cB_NombreReservoir->setCurrentIndex(tankNumber >= 0 && tankNumber < kListItems ? tankNumber
                                                                                      : -1);
}

void Reservoirs::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  read_guiCFG();
}

void Reservoirs::hideEvent(QHideEvent* e) {
  cConfigurationWidget::hideEvent(e);
  tankType = ui->Horizontal->isChecked() ? 'H' : 'V';
  setWhenChanged(config, kTypeKey, 'V', tankType);

  const int index = ui->cB_NombreReservoir->currentIndex();
  if (index < 0) return;
  tankNumber = index == 0 ? 1 : index;  // "Aucun" still counts one receiver
  setWhenChanged(config, kNumberKey, 1, tankNumber);
}

void Reservoirs::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}
