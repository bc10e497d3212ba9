#include "cConf_Energie.h"

#include <QComboBox>
#include <QEvent>
#include <QMessageBox>

#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include "ModulsCenter.h"
#include "cSensorCalibThread.h"
#include "orvDatas.h"
#include "orv_classPtr.h"
#include "ui_cConf_Energie.h"

namespace {

constexpr int kModules = 3;
constexpr int kInputs = 3;
constexpr unsigned char kConfigWrite = '8';
constexpr int kPt100Reading = 2;  // data index of the module's PT100 reading
constexpr float kInvalidReading = 999.0f;
constexpr float kCable3m = 3.6f;  // degC: the correction of a 3 m PT100 cable

// Allocation codes whose input may measure a share of a feeder.
enum Allocation { CondenserFans = 2, Pumps = 3, ParallelCompressors = 8 };

const char* const kAllocations[] = {
    QT_TRANSLATE_NOOP("cConf_Energie", "Compresseur"),
    QT_TRANSLATE_NOOP("cConf_Energie", "Les Compresseurs"),
    QT_TRANSLATE_NOOP("cConf_Energie", "Ventilateurs Du Condenseur"),
    QT_TRANSLATE_NOOP("cConf_Energie", "Pompe"),
    QT_TRANSLATE_NOOP("cConf_Energie", "Vitrines"),
    QT_TRANSLATE_NOOP("cConf_Energie", "Chambres Et Labo"),
    QT_TRANSLATE_NOOP("cConf_Energie", "Climatisation Et Chauffage"),
    QT_TRANSLATE_NOOP("cConf_Energie", "Eclairage"),
    QT_TRANSLATE_NOOP("cConf_Energie", "Compresseur(s) parallele(s)"),
};
const char* const kShares[] = {"100", "50", "33", "25", "20", "17"};
// Current transformer ratings, A, by list item; item 0 is "Aucun".
const char* const kRatingTexts[] = {"50A", "100A", "150A", "300A"};
constexpr int kRatingStep = 50;
constexpr int kLargestRatingItem = 4;  // "300A"
constexpr unsigned kLargestRating = 300;
// Current transformer counts by list item: none, one, three.
const char* const kCountTexts[] = {"1xTI", "3xTI"};
constexpr int kCounts[] = {0, 1, 3};

// The controller's keys of section "General" for the probes of module index 0, 1, 2.
struct ProbeKeys {
  int pressureOffset;  // -1: module index 2 has no pressure offset key
  int calibration;
  int cable;
  int manual;
  const char* pressureTitle;
  const char* pt100Title;
  const char* pressureProbe;  // names in the calibration confirmations
  const char* pt100Probe;
};
const ProbeKeys kProbeKeys[kModules] = {
    {73, 7, 68, 102, QT_TRANSLATE_NOOP("cConf_Energie", "Capteur Pression BP"),
     QT_TRANSLATE_NOOP("cConf_Energie", "PT100 Surchauffe"),
     QT_TRANSLATE_NOOP("cConf_Energie", "PRESSION BP"),
     QT_TRANSLATE_NOOP("cConf_Energie", "PT100 ASPIRATION")},
    {74, 8, 69, 103, QT_TRANSLATE_NOOP("cConf_Energie", "Capteur Pression HP-Gaz"),
     QT_TRANSLATE_NOOP("cConf_Energie", "PT100 Refoulement"),
     QT_TRANSLATE_NOOP("cConf_Energie", "PRESSION HP-GAZ"),
     QT_TRANSLATE_NOOP("cConf_Energie", "PT100 REFOULEMENT")},
    {-1, 9, 70, 104, QT_TRANSLATE_NOOP("cConf_Energie", "Capteur Pression"),
     QT_TRANSLATE_NOOP("cConf_Energie", "PT100 Temperature"),
     QT_TRANSLATE_NOOP("cConf_Energie", "PRESSION RESERVE"),
     QT_TRANSLATE_NOOP("cConf_Energie", "PT100 RESERVE 1")},
};

// The up button on the right and the down button on the left of a spin box, buttons of
// `width` x `height` pixels. Each box gets its own sheet: a sheet on the page would also
// restyle the page's labels, whose fonts would then no longer follow the form's.
QString spinBoxStyle(const char* type, int width, int height, bool border) {
  const QString button = QStringLiteral(
                             "%1::%2-button { subcontrol-origin: border; subcontrol-position: "
                             "center %3; width: %4px; height: %5px; }")
                             .arg(QLatin1String(type));
  QString style = button.arg(QStringLiteral("up"), QStringLiteral("right")).arg(width).arg(height) +
                  button.arg(QStringLiteral("down"), QStringLiteral("left")).arg(width).arg(height);
  if (border) style += QStringLiteral("%1 { border: 2px inset white; }").arg(QLatin1String(type));
  return style;
}

const char* const kBlue = "QLabel { color: blue; }";
const char* const kRed = "QLabel { color: red; }";

QString oneDecimal(float value) { return QString::number(value, 'f', 1); }

orvDatas* store() { return Singleton<orv_classPtr>::ptr()->datas; }

ModulsCenter* centre() { return Singleton<orv_classPtr>::ptr()->modules; }

EnerModul* energyClient() {
  ModulsCenter* c = centre();
  return c ? c->ener_ptr() : nullptr;
}

float generalFloat(int id) {
  orvDatas* s = store();
  return s ? s->getCFG_struct(id).floatValue : 0.0f;
}

// False when the key was not stored (a store lock timed out, the file was not written).
bool setGeneralFloat(int id, float value) {
  orvDatas* s = store();
  return s && s->setCFG_struct(id, &value) == 1;
}

// Writes a General key only when the value differs from the stored one.
bool updateGeneralFloat(int id, float value) {
  return generalFloat(id) == value || setGeneralFloat(id, value);
}

}  // namespace

cConf_Energie::cConf_Energie(QWidget* parent)
    : QWidget(parent), ui(new Ui::cConf_Energie), calibThread(nullptr), enerIndex(0),
      calibType(CalibNone), bundleCopied(false) {
  ui->setupUi(this);
  std::memset(&enerConfig, 0, sizeof enerConfig);
  std::memset(&backupConfig, 0, sizeof backupConfig);
  ui->spinBox_PressionMINI->setStyleSheet(spinBoxStyle("QSpinBox", 40, 35, true));
  ui->spinBox_PressionMAXI->setStyleSheet(spinBoxStyle("QSpinBox", 35, 30, true));
  ui->dS_PT100correctionManuel->setStyleSheet(spinBoxStyle("QDoubleSpinBox", 30, 25, false));
  setCursor(Qt::BlankCursor);
  ui->label_enerID->setText(QStringLiteral("1"));

  ui->spinBox_PressionMAXI->setRange(0, 300);
  ui->spinBox_PressionMINI->setRange(-1, 0);
  ui->dS_PT100correctionManuel->setRange(-10.0, 10.0);
  ui->dS_PT100correctionManuel->setSingleStep(0.1);
  ui->spinBox_PressionMAXI->setButtonSymbols(QAbstractSpinBox::PlusMinus);
  ui->spinBox_PressionMINI->setButtonSymbols(QAbstractSpinBox::PlusMinus);
  ui->dS_PT100correctionManuel->setButtonSymbols(QAbstractSpinBox::PlusMinus);

  for (int c = 0; c < kInputs; ++c) {
    for (const char* share : kShares) shareList(c)->addItem(QString::fromLatin1(share));
    shareList(c)->hide();
    for (int code = 0; code < static_cast<int>(sizeof kAllocations / sizeof *kAllocations); ++code)
      allocationList(c)->addItem(QString());
  }
  for (int c = 0; c < kInputs; ++c) {
    ratingList(c)->addItem(QString());
    for (const char* rating : kRatingTexts) ratingList(c)->addItem(QString::fromLatin1(rating));
  }
  for (int c = 0; c < kInputs; ++c) {
    countList(c)->addItem(QString());
    for (const char* count : kCountTexts) countList(c)->addItem(QString::fromLatin1(count));
  }
  fillListTexts();

  connect(ui->pB_Reset_PT100Calib, &QPushButton::released, this, &cConf_Energie::On_ResetPT100Corr);
}

cConf_Energie::~cConf_Energie() { delete ui; }

QComboBox* cConf_Energie::allocationList(int input) const {
  QComboBox* lists[kInputs] = {ui->cB_Affectation_1, ui->cB_Affectation_2, ui->cB_Affectation_3};
  return lists[input];
}

QComboBox* cConf_Energie::shareList(int input) const {
  QComboBox* lists[kInputs] = {ui->cB_P1_shared, ui->cB_P2_shared, ui->cB_P3_shared};
  return lists[input];
}

QComboBox* cConf_Energie::ratingList(int input) const {
  QComboBox* lists[kInputs] = {ui->cB_PuissanceTI_1, ui->cB_PuissanceTI_2, ui->cB_PuissanceTI_3};
  return lists[input];
}

QComboBox* cConf_Energie::countList(int input) const {
  QComboBox* lists[kInputs] = {ui->cB_NombreTI_1, ui->cB_NombreTI_2, ui->cB_NombreTI_3};
  return lists[input];
}

// The translated item texts; the lists keep their items and current items.
void cConf_Energie::fillListTexts() {
  for (int c = 0; c < kInputs; ++c) {
    for (int code = 0; code < allocationList(c)->count(); ++code)
      allocationList(c)->setItemText(code, tr(kAllocations[code]));
    ratingList(c)->setItemText(0, tr("Aucun"));
    countList(c)->setItemText(0, tr("Aucun TI"));
  }
}

bool cConf_Energie::saveAllowed() const {
  return bundleCopied && enerConfig.connectState[enerIndex] != 0;
}

// ---- Show, load and module choice --------------------------------------------------------

void cConf_Energie::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  enerIndex = 0;
  ui->label_enerID->setText(QString::number(enerIndex + 1));
  ModulsCenter* modules = centre();
  bool anyModule = false;
  for (int n = 0; n < kModules; ++n)
    anyModule = anyModule || (modules && modules->isModulEner_connected(n) != 0);
  if (!anyModule) {
    bundleCopied = false;
    ui->label_SendConfigMessage->setText(tr("Aucun module ENERGIE detecter"));
    ui->pB_SaveENER->setEnabled(false);
    return;
  }
  EnerModul* ener = energyClient();
  bundleCopied = ener != nullptr && ener->cfg_getAllENER_Config(&enerConfig) == 1;
  ui->pB_SaveENER->setEnabled(false);
  if (bundleCopied) {
    // One load shows module index 0 whatever the other modules' states.
    onEnergieNumValueChanged(enerIndex);
  } else {
    showBundleReadError();
  }
  connect(ui->cB_P1_shared, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
          &cConf_Energie::oncB_P1shared_currentIndexChanged, Qt::UniqueConnection);
  connect(ui->cB_P2_shared, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
          &cConf_Energie::oncB_P2shared_currentIndexChanged, Qt::UniqueConnection);
  connect(ui->cB_P3_shared, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
          &cConf_Energie::oncB_P3shared_currentIndexChanged, Qt::UniqueConnection);
  connect(ui->cB_Affectation_1, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
          &cConf_Energie::oncB_Affectation1_currentIndexChanged, Qt::UniqueConnection);
  connect(ui->cB_Affectation_2, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
          &cConf_Energie::oncB_Affectation2_currentIndexChanged, Qt::UniqueConnection);
  connect(ui->cB_Affectation_3, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
          &cConf_Energie::oncB_Affectation3_currentIndexChanged, Qt::UniqueConnection);
}

void cConf_Energie::hideEvent(QHideEvent* event) { QWidget::hideEvent(event); }

void cConf_Energie::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    ui->retranslateUi(this);
    fillListTexts();
  }
  QWidget::changeEvent(event);
}

void cConf_Energie::updateEnerID() {
  ui->label_enerID->setText(QString::number(enerIndex + 1));
  onEnergieNumValueChanged(enerIndex);
}

void cConf_Energie::on_pB_enerIDplus_clicked() {
  if (enerIndex < kModules - 1) ++enerIndex;
  updateEnerID();
}

void cConf_Energie::on_pB_enerIDmoins_clicked() {
  if (enerIndex > 0) --enerIndex;
  updateEnerID();
}

// Without the client's bundle a save would send and store a record never read: the page
// says so and keeps the save disabled until a show reads it.
void cConf_Energie::showBundleReadError() {
  ui->label_SendConfigMessage->setStyleSheet(kRed);
  ui->label_SendConfigMessage->setText(
      tr("ERREUR lecture de la configuration des modules ENERGIE"));
}

void cConf_Energie::onEnergieNumValueChanged(int) {
  const int i = enerIndex;
  energyORV_cfg_t& record = enerConfig.cfg[i];
  ui->label_SendConfigMessage->clear();
  if (!bundleCopied) showBundleReadError();
  ui->label_enerFirmware->setText(tr("ENER v%1").arg(enerConfig.ident[i].version, 0, 'g', 6));
  ui->label_RS485_ID->setText(QString::number(record.module.addr));
  // The address as the module's six address switches show it, switch 6 first.
  ui->label_Adressage->setText(
      QString::number(record.module.addr, 2).rightJustified(6, QLatin1Char('0')));
  ui->label_PT100correction->setText(tr("°C"));

  orvDatas* s = store();
  const QString fluid =
      s ? QString::fromStdString(s->getCFG_struct(CFG_FLUID).stringValue) : QString();
  const int transcritical = s ? s->getCFG_struct(CFG_TRANSCRITIQUE).intValue : 0;
  // Module index 1 carries the HP gas pressure probe: in CO2 its range is 0..200 bar, and
  // in transcritical CO2 both its probes are needed. Every load sets the range, so that
  // another module's full scale is never cut to the CO2 range.
  if (i == 1 && fluid == QLatin1String("CO2")) {
    ui->spinBox_PressionMAXI->setRange(0, 200);
    record.module.pressionMini = 0.0f;
    if (transcritical == 1) {
      ui->gB_CapteurPression->setChecked(true);
      ui->gB_CapteurPT100->setChecked(true);
      record.module.pressionEnabled = 1;
      record.module.pt100Enabled = 1;
    }
  } else {
    ui->spinBox_PressionMAXI->setRange(0, 300);
  }

  const ProbeKeys& keys = kProbeKeys[i];
  ui->label_PressureOffset->setText(
      oneDecimal(keys.pressureOffset >= 0 ? generalFloat(keys.pressureOffset) : 0.0f));
  ui->label_PT100calibration->setText(oneDecimal(generalFloat(keys.calibration)));
  ui->dS_PT100correctionManuel->setValue(generalFloat(keys.manual));
  EnerModul* ener = energyClient();
  ui->label_TempPT100->setText(
      oneDecimal(ener ? ener->getDATA_struct(i, kPt100Reading).floatValue : 0.0f));
  ui->checkBox_PT100correctionASPI->setChecked(generalFloat(keys.cable) == kCable3m);
  ui->gB_CapteurPression->setTitle(tr(keys.pressureTitle));
  ui->gB_CapteurPT100->setTitle(tr(keys.pt100Title));

  const bool connected = enerConfig.connectState[i] != 0;
  ui->label_Message->setStyleSheet(connected ? kBlue : kRed);
  ui->label_Message->setText(connected ? tr("OK Connecte") : tr("NON Connecte"));
  ui->pB_SaveENER->setVisible(connected);
  ui->pB_SaveENER->setEnabled(connected && saveAllowed());
  ui->widgetENERcfg->setEnabled(connected);

  for (int c = 0; c < kInputs; ++c) {
    const int code = record.module.affectation[c];
    allocationList(c)->setCurrentIndex(code);
    if (code == CondenserFans || code == Pumps || code == ParallelCompressors) {
      shareList(c)->show();
      onSetAffectationSharePercent(c);
    } else {
      shareList(c)->hide();
    }
    const unsigned rating = record.module.puissanceTI[c];
    ratingList(c)->setCurrentIndex(rating <= 150 ? static_cast<int>(rating / kRatingStep)
                                                 : kLargestRatingItem);
    const int count = record.module.nombreTI[c];
    countList(c)->setCurrentIndex(count >= 2 ? 2 : count);
  }

  ui->gB_CapteurPression->setChecked(record.module.pressionEnabled != 0);
  ui->spinBox_PressionMINI->setValue(static_cast<int>(record.module.pressionMini));
  ui->spinBox_PressionMAXI->setValue(static_cast<int>(record.module.pressionType));
  ui->gB_CapteurPT100->setChecked(record.module.pt100Enabled != 0);
}

// ---- Inputs ---------------------------------------------------------------------------------

void cConf_Energie::onSetAffectationSharePercent(int blocPuissance) {
  if (blocPuissance < 0 || blocPuissance >= kInputs) return;
  const int percent = enerConfig.cfg[enerIndex].affectationPercent[blocPuissance];
  // A percentage that is none of the items leaves the list without a current item.
  shareList(blocPuissance)
      ->setCurrentIndex(shareList(blocPuissance)->findText(QString::number(percent)));
}

void cConf_Energie::allocationChanged(int input, int code) {
  if (code == CondenserFans || code == Pumps) {
    shareList(input)->show();
    onSetAffectationSharePercent(input);
  } else {
    shareList(input)->hide();
  }
}

void cConf_Energie::oncB_Affectation1_currentIndexChanged(int index) {
  allocationChanged(0, index);
}
void cConf_Energie::oncB_Affectation2_currentIndexChanged(int index) {
  allocationChanged(1, index);
}
void cConf_Energie::oncB_Affectation3_currentIndexChanged(int index) {
  allocationChanged(2, index);
}

void cConf_Energie::shareChanged(int input) {
  QComboBox* list = shareList(input);
  // A list left without a current item (a stored share that is none of the items) is no
  // choice of the technician: the stored share stays.
  if (list->currentIndex() < 0) return;
  const int value = list->currentText().toInt();
  if (value == enerConfig.cfg[enerIndex].affectationPercent[input]) return;
  enerConfig.cfg[enerIndex].affectationPercent[input] = value;
  ui->label_SendConfigMessage->clear();
  ui->label_SendConfigMessage->setStyleSheet(kBlue);
  ui->label_SendConfigMessage->setText(
      tr("PUISSANCE:%1 Enregistrent Modification Pourcentage OK").arg(input + 1));
}

void cConf_Energie::oncB_P1shared_currentIndexChanged(int) { shareChanged(0); }
void cConf_Energie::oncB_P2shared_currentIndexChanged(int) { shareChanged(1); }
void cConf_Energie::oncB_P3shared_currentIndexChanged(int) { shareChanged(2); }

void cConf_Energie::onButtons_Enable(bool _state) {
  // The save comes back only for a module that can be saved.
  ui->pB_SaveENER->setEnabled(_state && saveAllowed());
  ui->pB_PT100calibrage->setEnabled(_state);
  ui->pB_PressCalib->setEnabled(_state);
  ui->pB_enerIDmoins->setEnabled(_state);
  ui->pB_enerIDplus->setEnabled(_state);
  ui->exitButton->setEnabled(_state);
}

// ---- Save -----------------------------------------------------------------------------------

void cConf_Energie::on_pB_SaveENER_clicked() {
  const int i = enerIndex;
  if (!saveAllowed()) return;
  onButtons_Enable(false);
  energyORV_cfg_t& record = enerConfig.cfg[i];
  for (int c = 0; c < kInputs; ++c) {
    if (allocationList(c)->currentIndex() >= 0)
      record.module.affectation[c] = static_cast<uint8_t>(allocationList(c)->currentIndex());
    // Only a shown list with a chosen item is the technician's share; otherwise the
    // record keeps its percentage.
    QComboBox* share = shareList(c);
    if (!share->isHidden() && share->currentIndex() >= 0)
      record.affectationPercent[c] = share->currentText().toInt();
    const int rating = ratingList(c)->currentIndex();
    if (rating >= 0)
      record.module.puissanceTI[c] = rating == kLargestRatingItem
                                         ? kLargestRating
                                         : static_cast<unsigned>(rating * kRatingStep);
    const int count = countList(c)->currentIndex();
    if (count >= 0) record.module.nombreTI[c] = static_cast<uint8_t>(kCounts[count]);
  }

  orvDatas* s = store();
  const QString fluid =
      s ? QString::fromStdString(s->getCFG_struct(CFG_FLUID).stringValue) : QString();
  if (i == 1 && fluid == QLatin1String("CO2") && s &&
      s->getCFG_struct(CFG_TRANSCRITIQUE).intValue == 1) {
    ui->gB_CapteurPression->setChecked(true);
    ui->gB_CapteurPT100->setChecked(true);
  }

  // The probe keys of section General are stored only once the module has taken its
  // configuration: a failed save leaves the file as it was.
  std::vector<std::function<bool()>> probeKeyWrites;
  const ProbeKeys& keys = kProbeKeys[i];
  if (ui->gB_CapteurPression->isChecked()) {
    record.module.pressionEnabled = 1;
    record.module.pressionMini = static_cast<float>(ui->spinBox_PressionMINI->value());
    record.module.pressionType = static_cast<float>(ui->spinBox_PressionMAXI->value());
    const float offset = ui->label_PressureOffset->text().toFloat();
    if (keys.pressureOffset >= 0)
      probeKeyWrites.push_back(
          [&keys, offset] { return updateGeneralFloat(keys.pressureOffset, offset); });
  } else {
    record.module.pressionEnabled = 0;
  }
  if (ui->gB_CapteurPT100->isChecked()) {
    record.module.pt100Enabled = 1;
    const float cable = ui->checkBox_PT100correctionASPI->isChecked() ? kCable3m : 0.0f;
    const float calibration = ui->label_PT100calibration->text().toFloat();
    const float manual = static_cast<float>(ui->dS_PT100correctionManuel->value());
    probeKeyWrites.push_back([&keys, i, cable, calibration, manual] {
      if (!setGeneralFloat(keys.cable, cable) || !updateGeneralFloat(keys.calibration, calibration))
        return false;
      const float before = generalFloat(keys.manual);
      if (manual == before) return true;
      if (i > 0) {
        std::printf("+++++ After = %f, Before = %f ++++\t\n", manual, before);
        std::fflush(stdout);
      }
      return setGeneralFloat(keys.manual, manual);
    });
  } else {
    record.module.pt100Enabled = 0;
  }

  EnerModul* ener = energyClient();
  // The backup is this save's own copy of the client's record, or none: a copy left from
  // an earlier save (perhaps of another module) must never be put back into this slot.
  std::memset(&backupConfig, 0, sizeof backupConfig);
  bool saved = ener->cfg_getENER_Config(i, &backupConfig) == 1;
  // A client record that could not be replaced would be sent and saved in place of this one.
  if (saved) saved = ener->cfg_setENER_Config(i, false, &record) == 1;
  if (saved) {
    ui->label_SendConfigMessage->setText(
        tr("Envoi Configuation au module ENERGIE %1 ....").arg(i + 1));
    // The exchange blocks the GUI thread for its tries: show the text before it.
    ui->label_SendConfigMessage->repaint();
    saved = ener->orvcomm_sendToENER(i, kConfigWrite) == 0;
    // Acknowledged but not in the file: the next start would give the module the old one.
    if (saved) saved = ener->cfg_writeENER_Config_toFile(i) == 1;
    if (!saved) ener->cfg_setENER_Config(i, false, &backupConfig);
  }
  // Probe keys that did not reach the file are a failed save like any other: the page
  // must not say OK for corrections the next start would not have.
  for (size_t k = 0; saved && k < probeKeyWrites.size(); ++k) saved = probeKeyWrites[k]();
  if (saved) {
    ui->label_SendConfigMessage->setStyleSheet(kBlue);
    ui->label_SendConfigMessage->clear();
    ui->label_SendConfigMessage->setText(tr("Envoi Configuation module ENERGIE %1 OK").arg(i + 1));
  } else {
    ui->label_SendConfigMessage->setStyleSheet(kRed);
    ui->label_SendConfigMessage->clear();
    ui->label_SendConfigMessage->setText(
        tr("!! ECHEC !! Configuation module ENERGIE %1").arg(i + 1));
  }
  onButtons_Enable(true);
}

void cConf_Energie::on_exitButton_clicked() { emit OnEnerCfgExit(); }

// ---- Probe calibration ------------------------------------------------------------------

void cConf_Energie::on_pB_PressCalib_clicked() { startCalibration(CalibPressure); }

void cConf_Energie::on_pB_PT100calibrage_clicked() { startCalibration(CalibPT100); }

void cConf_Energie::startCalibration(int kind) {
  onButtons_Enable(false);
  if (calibThread) {
    calibThread->wait();
    delete calibThread;
    calibThread = nullptr;
  }
  const ProbeKeys& keys = kProbeKeys[enerIndex];
  QString title, text;
  if (kind == CalibPressure) {
    const QString probe = tr(keys.pressureProbe);
    title = tr("ATTENTION Lancer le CALIBRAGE de la sonde %1?").arg(probe);
    text = tr("Lancer la procedure de Calibrage %1?!\nveuillez cliquer sur OK si la sonde est a la "
              "Pression Atmospherique!")
               .arg(probe);
  } else {
    const QString probe = tr(keys.pt100Probe);
    title = tr("ATTENTION Lancer le CALIBRAGE de la sonde %1 ?").arg(probe);
    text = tr("Lancer la procedure de Calibrage %1 ?!\nveuillez cliquer sur OK APRES avoir branche "
              "la RESISTANCE de 100 ohms a la place de la PT100!")
               .arg(probe);
  }
  QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No);
  if (box.exec() != QMessageBox::Yes) {
    onButtons_Enable(true);
    return;
  }
  calibType = kind;
  calibThread = new cSensorCalibThread(enerIndex, kind, this);
  connect(calibThread, &cSensorCalibThread::OnThreadTerminate, this,
          &cConf_Energie::OnThreadTerminate, Qt::QueuedConnection);
  calibThread->start(QThread::InheritPriority);
}

void cConf_Energie::OnThreadTerminate(bool aStatus, float aVal) {
  if (!aStatus) {
    ui->label_SendConfigMessage->setText(tr("ERREUR Reponse module ENERGIE %1").arg(enerIndex + 1));
  } else if (aVal == kInvalidReading) {
    ui->label_SendConfigMessage->setText(tr("ERREUR Mesure, veuillez reessayer"));
  } else if (calibType == CalibPressure) {
    ui->label_PressureOffset->setText(oneDecimal(aVal));
  } else if (calibType == CalibPT100) {
    ui->label_PT100calibration->setText(oneDecimal(aVal));
  }
  calibType = CalibNone;
  onButtons_Enable(true);
}

void cConf_Energie::On_ResetPT100Corr() {
  ui->label_PT100calibration->setText(oneDecimal(0.0f));
  const int key = kProbeKeys[enerIndex].calibration;
  if (generalFloat(key) != 0.0f) setGeneralFloat(key, 0.0f);
}
