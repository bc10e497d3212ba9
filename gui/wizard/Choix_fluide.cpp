#include "Choix_fluide.h"

#include <QButtonGroup>
#include <QAbstractItemView>
#include <QIcon>
#include <QLineEdit>
#include <QStringList>

#include "ModulsCenter.h"
#include "orv_classPtr.h"
#include "ui_Choix_fluide.h"
#include "wizardCopy.h"

namespace {
const char kGeneral[] = "General";
const char kFluidKey[] = "CONFIG_FLUID";
const char kCondenserTypeKey[] = "CONFIG_CONDENSEUR_TYPE";
const char kCondenserPowerKey[] = "CONFIG_CONDENSEUR_PUISSANCE";
const char kSubcriticalKey[] = "CONFIG_SUBCRITIQUE";
const char kTranscriticalKey[] = "CONFIG_TRANSCRITIQUE";
const char kDefaultFluid[] = "R404A";
constexpr int kMaxFluids = 200;

// Condenser group ids and CO2 mode ids.
constexpr int kAir = 0;
constexpr int kOtherExchanger = 1;
constexpr int kSubcriticalId = 0;
constexpr int kTranscriticalId = 1;

const char kComboStyle[] =
    "QComboBox { border: 1px solid black; border-radius: 3px; padding: 1px 18px 1px 3px;"
    " min-width: 6em; }\n"
    "QComboBox:!editable, QComboBox::drop-down:editable {"
    " background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #E1E1E1,"
    " stop: 0.4 #DDDDDD, stop: 0.5 #D8D8D8, stop: 1.0 #D3D3D3); }\n"
    "QComboBox:editable { background: white; }\n"
    "QComboBox::drop-down { subcontrol-origin: padding; subcontrol-position: top right;"
    " width: 50px; border-left: 1px solid black; }";

// A list item is the name, a blank and the trade names: "R404A (HP62/FX70)".
QString fluidName(const QString& item) { return item.split(QLatin1Char(' ')).value(0); }
}  // namespace

Choix_fluide::Choix_fluide(QWidget* parent, orv_configFile* config)
    : cConfigurationWidget(parent), ui(new Ui_Choix_fluide), config(config),
      criticalGroup(new QButtonGroup(this)), condenserGroup(new QButtonGroup(this)),
      subcritical(-1), condenserIsAir(-1), energyModuleConnected(false), powerLoaded(false) {
  ui->setupUi(this);
  ui->comboBox_fluide->setStyleSheet(QString::fromLatin1(kComboStyle));
  ui->comboBox_fluide->setMaxCount(kMaxFluids);
  ui->groupBox_choix_condenseur->hide();
  ui->groupBox_CO2->hide();
  ui->label_PuissCondenseur->hide();
  ui->spinBox_PuissCondenseur->hide();
  criticalGroup->addButton(ui->rB_subcritique, kSubcriticalId);
  criticalGroup->addButton(ui->rB_transcritique, kTranscriticalId);
  condenserGroup->addButton(ui->cB_condenseur, kAir);
  condenserGroup->addButton(ui->cB_echangeur, kOtherExchanger);
  ui->cB_condenseur->setIcon(QIcon(QStringLiteral("gui_images/") + "condenseur_air.png"));
  ui->cB_echangeur->setIcon(QIcon(QStringLiteral("gui_images/") + "echangeur.png"));
  energyModuleConnected = isEnergyModuleConnected();
  connect(ui->comboBox_fluide, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
          &Choix_fluide::onChange_Fluide);
  connect(criticalGroup, &QButtonGroup::idClicked, this, &Choix_fluide::onCritiqueChanged);
  connect(condenserGroup, &QButtonGroup::idClicked, this, &Choix_fluide::onCondTypeChanged);
}

Choix_fluide::~Choix_fluide() { delete ui; }

bool Choix_fluide::isEnergyModuleConnected() {
  ModulsCenter* modules = Singleton<orv_classPtr>::ptr()->modules;
  return modules && modules->isModulEner_connected(0) != 0;
}

void Choix_fluide::setFLuidsList(std::vector<std::string>& names) {
  fluidNames = names;
  init_FluidsListComboBox();
}

void Choix_fluide::init_FluidsListComboBox() {
  ui->comboBox_fluide->clear();
  for (const std::string& name : fluidNames)
    ui->comboBox_fluide->addItem(QString::fromStdString(name));
}

void Choix_fluide::onChange_Fluide(int fluidID) {
  if (fluidID < 0) return;  // an emptied list names no refrigerant
  ui->comboBox_fluide->setCurrentIndex(fluidID);
  const QString name = fluidName(ui->comboBox_fluide->itemText(fluidID));
  if (!name.isEmpty()) selectedFluid = name;
  if (selectedFluid != QLatin1String("CO2")) {
    ui->groupBox_choix_condenseur->show();
    ui->groupBox_CO2->hide();
    condenserIsAir = config->get<int>(kCondenserTypeKey, 1, kGeneral);
    onCondTypeChanged(condenserIsAir == 0 ? kOtherExchanger : kAir);
  } else {
    ui->groupBox_choix_condenseur->hide();
    ui->groupBox_CO2->show();
    subcritical = config->get<int>(kSubcriticalKey, 0, kGeneral);
    onCritiqueChanged(subcritical == 0 ? kTranscriticalId : kSubcriticalId);
  }
}

void Choix_fluide::onCondTypeChanged(int _type) {
  const bool powerShown = _type == kAir && energyModuleConnected;
  condenserIsAir = _type == kAir ? 1 : 0;
  if (powerShown) {
    ui->spinBox_PuissCondenseur->setValue(config->get<int>(kCondenserPowerKey, 150, kGeneral));
    powerLoaded = true;
  }
  ui->label_PuissCondenseur->setVisible(powerShown);
  ui->spinBox_PuissCondenseur->setVisible(powerShown);
  if (QAbstractButton* button = condenserGroup->button(_type)) button->setChecked(true);
}

void Choix_fluide::onCritiqueChanged(int _critic) {
  subcritical = _critic == kSubcriticalId ? 1 : 0;
  if (QAbstractButton* button = criticalGroup->button(_critic)) button->setChecked(true);
}

void Choix_fluide::read_guiCFG() {
  energyModuleConnected = isEnergyModuleConnected();
  powerLoaded = false;
  selectedFluid = QString::fromStdString(config->get<std::string>(kFluidKey, kDefaultFluid,
                                                                  kGeneral));
  if (selectedFluid.isEmpty()) selectedFluid = QLatin1String(kDefaultFluid);
  fluidAtShow = selectedFluid;
  ui->comboBox_fluide->setEditable(true);
  ui->comboBox_fluide->setMaxVisibleItems(6);
  // The list's style sheet would give its text field and its drop-down the small default
  // font: they keep the list's large one, for the finger.
  ui->comboBox_fluide->lineEdit()->setFont(ui->comboBox_fluide->font());
  ui->comboBox_fluide->view()->setFont(ui->comboBox_fluide->font());
  // Whole names only: "R22" must not pick "R227EA".
  for (int i = 0; i < ui->comboBox_fluide->count(); ++i) {
    if (fluidName(ui->comboBox_fluide->itemText(i)) == selectedFluid) {
      onChange_Fluide(i);
      break;
    }
  }
}

void Choix_fluide::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  read_guiCFG();
}

void Choix_fluide::hideEvent(QHideEvent* e) {
  cConfigurationWidget::hideEvent(e);
  if (selectedFluid != QLatin1String("CO2") && condenserIsAir >= 0) {
    setWhenChanged(config, kCondenserTypeKey, 1, condenserIsAir);
    if (powerLoaded)
      setWhenChanged(config, kCondenserPowerKey, 150, ui->spinBox_PuissCondenseur->value());
  }
  if (selectedFluid == QLatin1String("CO2") && subcritical >= 0) {
    if (config->get<int>(kSubcriticalKey, 0, kGeneral) != subcritical) {
      config->set<int>(kSubcriticalKey, subcritical, kGeneral);
      config->set<int>(kTranscriticalKey, subcritical == 0 ? 1 : 0, kGeneral);
    }
  }
  if (selectedFluid != fluidAtShow)
    config->set<std::string>(kFluidKey, selectedFluid.toLocal8Bit().toStdString(), kGeneral);
}

void Choix_fluide::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}
