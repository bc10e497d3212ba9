#include "hpfInfo_Display.h"

#include <QCursor>
#include <QLayout>
#include <QPixmap>

#include <cstring>

#include "hpfPageSupport.h"
#include "led_Rect.h"
#include "ui_hpfInfo_Display.h"

namespace {
constexpr int kLedNameSize = 12;
constexpr int kReserveLed = 3;   // never shown
constexpr int kFloatingLed = 4;  // floating head pressure (on) or emergency mode (off)
constexpr int kStagesPerCard = 4;

// A lamp of the page: its name in the given size, off, never focused, in `column`. The
// lamp's own margins are narrowed so that the longest name fits the panel.
led_Rect* addLamp(QWidget* page, QLayout* column, const QString& name) {
  auto* led = new led_Rect(page);
  led->setLedNameTextSize(kLedNameSize);
  led->setLedName(name);
  led->setFocusPolicy(Qt::NoFocus);
  if (led->layout()) led->layout()->setContentsMargins(2, 2, 2, 2);
  column->addWidget(led);
  return led;
}

QString oneDecimal(float value) { return QString::number(double(value), 'f', 1); }
}  // namespace

hpfInfo_Display::hpfInfo_Display(QWidget* parent)
    : QWidget(parent), ui(new Ui::hpfInfo_Display) {
  ui->setupUi(this);
  QPixmap picture(QStringLiteral("gui_images/") + QStringLiteral("hpf_infos.png"));
  if (!picture.isNull()) ui->label_image->setPixmap(picture);
  std::memset(&hpfConfig, 0, sizeof hpfConfig);
  std::memset(&hpfDatas, 0, sizeof hpfDatas);
  std::memset(&toHpfDatas, 0, sizeof toHpfDatas);
  setCursor(QCursor(Qt::BlankCursor));
  pageShown = false;

  for (int i = 0; i < 6; ++i) {
    compLeds.append(addLamp(this, ui->verticalLayout_Comp, tr("Comp_%1").arg(i + 1)));
    compLeds[i]->setLedState(false);
  }
  const QString stateNames[6] = {tr("M/A"), tr("DELEST"), tr("NUIT"), tr("RESERVE"),
                                 tr("HP Flottante"), tr("Compresseur(s) ORV")};
  for (int i = 0; i < 6; ++i) {
    led_Rect* led = addLamp(this, ui->verticalLayout_Other, stateNames[i]);
    stateLeds.append(led);
    if (i == kReserveLed) led->setVisible(false);
    if (i == kFloatingLed) led->setLedColors(Qt::green, Qt::red);
    led->setLedState(false);
  }
  ui->exitButton->raise();
  connect(ui->exitButton, SIGNAL(clicked()), this, SLOT(on_exitButton_clicked()),
          Qt::UniqueConnection);
}

hpfInfo_Display::~hpfInfo_Display() { delete ui; }

void hpfInfo_Display::OnSet_HPF_Config(hp_global_config_t& cfg, int _relayBlocNumber,
                                       float _hpfFirmwareVer) {
  hpfConfig = cfg;
  relayBlocNumber = _relayBlocNumber;
  hpfFirmwareVer = _hpfFirmwareVer;
}

void hpfInfo_Display::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  pageShown = true;
  bool variator = hpfConfig.regulMode != 0;
  ui->label_PasVariaVal->setVisible(variator);
  ui->label_PasVariaUnit->setVisible(variator);
  if (variator)
    ui->label_PasVariaUnit->setText(hpfConfig.variateur == 0 ? QStringLiteral("V")
                                                             : QStringLiteral("mA"));
  ui->label_hpfFirmware->setText(tr("HPF v%1").arg(hpfNumberText(hpfFirmwareVer)));
  on_update_HPFconfig();
}

void hpfInfo_Display::hideEvent(QHideEvent* e) {
  QWidget::hideEvent(e);
  pageShown = false;
}

void hpfInfo_Display::on_update_HPFconfig() {
  ui->label_DiffUp->setText(hpfNumberText(hpfConfig.difUp));
  ui->label_DiffDown->setText(hpfNumberText(hpfConfig.difDown));
  ui->label_TCmini->setText(hpfNumberText(hpfConfig.TCmini));
}

void hpfInfo_Display::nameFloatingLed() {
  stateLeds[kFloatingLed]->setLedName(hpfDatas.hpFlottante == 0 ? tr("Mode Secours")
                                                                 : tr("HP Flottante"));
}

void hpfInfo_Display::UpdateMesureValues(int tempExtError, float tempExt, int hpError, float hp,
                                         float hpTemp, bool hpfConnected,
                                         hp_toORV_data_t& hpfData, orv_toHP_datas_t& toHpfData) {
  QString problems;
  hpfDatas = hpfData;
  toHpfDatas = toHpfData;
  if (tempExtError == 0) {
    ui->label_tempExt->setText(oneDecimal(tempExt));
  } else {
    problems += QStringLiteral("\n- cap_TEMP-EXT");
    ui->label_tempExt->setText(QStringLiteral("***"));
  }
  if (hpError == 0) {
    ui->label_Pression->setText(QStringLiteral("(") + oneDecimal(hp) + QStringLiteral(" bar)"));
  } else {
    problems += QStringLiteral("\n- cap_HP");
    ui->label_Pression->setText(QStringLiteral("***"));
  }
  ui->label_PressionTemp->setText(oneDecimal(hpTemp));

  if (!hpfConnected) {
    problems += QStringLiteral("\n- mod_HPF");
    // A module that does not answer runs nothing the page can vouch for: its lamps go out
    // (the record copy with them, until a refresh with the module connected).
    for (int i = 0; i < 6; ++i) {
      if (hpfDatas.compressor[i] == 1) {
        compLeds[i]->setLedState(false);
        hpfDatas.compressor[i] = 0;
      }
    }
    uint8_t* states = &hpfDatas.marcheArret;
    for (int i = 0; i < 5; ++i) {
      if (states[i] == 1) {
        stateLeds[i]->setLedState(false);
        states[i] = 0;
        if (hpfDatas.hpFlottante == 0) stateLeds[kFloatingLed]->setLedName(tr("Mode Secours"));
      }
    }
    if (hpfConfig.regulMode != 0) ui->label_PasVariaVal->setText(tr("0"));
    ui->label_Puissance->setText(tr("0"));
  } else {
    on_update_HPFdatas();
  }

  if (problems.isEmpty())
    ui->label_errorCom->clear();
  else
    ui->label_errorCom->setText(tr("Probleme RS485:") + problems);
}

void hpfInfo_Display::on_update_HPFdatas() {
  compressorsOn = 0;
  for (uint8_t compressor : hpfDatas.compressor) compressorsOn += compressor == 1;
  stagesOn = 0;
  for (uint8_t stage : hpfDatas.ventil) stagesOn += stage == 1;

  bool running;
  switch (hpfConfig.compOnInfoMode) {
    case 0: running = toHpfDatas.compressorsRunning != 0; break;
    case 1: running = compressorsOn != 0; break;
    default: running = true; break;
  }
  ui->label_consigne->setText(running ? tr("Consigne\nCalculee") : tr("Consigne\nArret"));

  float setPoint = hpfDatas.consigneCalculee;
  ui->label_ConsHPF->setText(hpfNumberText(setPoint));
  ui->label_ConsPlusDiffUp->setText(hpfNumberText(setPoint + hpfConfig.difUp));
  ui->label_ConsMoinsDiffDown->setText(hpfNumberText(setPoint - hpfConfig.difDown));
  ui->label_NumVentilON->setText(
      QStringLiteral("%1 / %2").arg(stagesOn).arg((relayBlocNumber + 1) * kStagesPerCard));
  if (hpfConfig.regulMode != 0)
    ui->label_PasVariaVal->setText(
        oneDecimal(hpfConfig.variateur == 0 ? hpfDatas.variaOut_V : hpfDatas.variaOut_mA));

  // Summed in 64 bits: twelve stage powers as typed could overflow an int.
  qint64 watts = 0;
  for (int i = 0; i < 12; ++i)
    if (hpfDatas.ventil[i] == 1) watts += hpfConfig.ventilPowerKw[i];
  ui->label_Puissance->setText(QString::number(watts));

  for (int i = 0; i < 6; ++i) compLeds[i]->setLedState(hpfDatas.compressor[i] != 0);
  const uint8_t* states = &hpfDatas.marcheArret;
  for (int i = 0; i < 5; ++i) stateLeds[i]->setLedState(states[i] != 0);
  nameFloatingLed();
  stateLeds[5]->setLedState(toHpfDatas.compressorsRunning != 0);
}

void hpfInfo_Display::on_exitButton_clicked() { emit OnHPSinfoExit(); }

void hpfInfo_Display::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}
