#include "Ecran_Orv.h"

#include <QEvent>
#include <QPixmap>
#include <QPolygonF>
#include <QRegion>
#include <QTransform>

#include <cmath>
#include <cstdint>
#include <initializer_list>

#include "ClickableLabel.h"
#include "MesV2Modul.h"
#include "ModulsCenter.h"
#include "ReadoutPlates.h"
#include "orvDatas.h"
#include "orv_classPtr.h"
#include "ui_Ecran_Orv.h"

namespace {

const char kPictures[] = "gui_images/";

const QString kRed = QStringLiteral("QLabel { color:#ff0000;}");
const QString kGreen = QStringLiteral("QLabel { color:#00ff00;}");
const QString kBlue = QStringLiteral("QLabel { color:#0000ff;}");
const QString kBlack = QStringLiteral("QLabel { color:#000000;}");
const QString kBrown = QStringLiteral("QLabel { color:#e0a080;}");
const QString kDischargeColour = QStringLiteral("QLabel { color:#3D2121;}");

// Keys of the ENERGIE modules (the module prefix z<6+n> is the client's).
const int kEnerPressureEnabled = 188;
const int kEnerPT100Enabled = 191;
// Key of the V2 card: radio thermometer fitted.
const int kCardRadioEnabled = 117;
// Value of the V2 card: radio thermometer battery, volts.
const int kCardRadioBattery = 7;

// 999.0 marks a missing value throughout the record.
const float kNoValue = 999.0f;

orvDatas* store() { return Singleton<orv_classPtr>::ptr()->datas; }
ModulsCenter* moduleCentre() { return Singleton<orv_classPtr>::ptr()->modules; }

cfg_value_t cfg(const char* keyword) {
  orvDatas* datas = store();
  return datas ? datas->getCFG_struct(orvDatas::getCFG_ID_fromKeyString(keyword)) : cfg_value_t();
}

int enerConnected(int n) {
  ModulsCenter* modules = moduleCentre();
  return modules ? modules->isModulEner_connected(n) == 1 : 0;
}

int enerOption(int n, int id) {
  ModulsCenter* modules = moduleCentre();
  return modules ? modules->ener_getCFG_struct(n, id).charValue : 0;
}

// The V2 card client while the card is there and has the radio thermometer enabled.
MesV2Modul* radioCard(bool cardConnected) {
  ModulsCenter* modules = moduleCentre();
  if (!cardConnected || !modules || !modules->mesV2_ptr()) return nullptr;
  MesV2Modul* card = modules->mesV2_ptr();
  return card->getCFG_struct(kCardRadioEnabled).charValue == 1 ? card : nullptr;
}

QString printf1(const QString& format, double value) {
  return QString::asprintf(format.toUtf8().constData(), value);
}

// A value that carries a sensor state byte: its format and valid colour when the state
// is 0, otherwise a red fault mark (2 below the range, 3 above it, any other a fault).
// The card's 999.0 marker of an invalid reading reaches the record with state 0 until the
// fault latches, dozens of readings later: it is a fault mark too, never a number.
void showSensor(QLabel* label, float value, uint8_t state, const char* format,
                const QString& validStyle) {
  if (state == 0 && value == 999.0f) state = 1;
  if (state == 0) {
    label->setText(printf1(QString::fromUtf8(format), value));
    label->setStyleSheet(validStyle);
    return;
  }
  label->setText(state == 2 ? QStringLiteral("- - -")
                            : state == 3 ? QStringLiteral("+ + +") : QStringLiteral("* * *"));
  label->setStyleSheet(kRed);
}

void showFault(QLabel* label) {
  label->setText(QStringLiteral("* * *"));
  label->setStyleSheet(kRed);
}

void clearAndHide(QLabel* label) {
  label->clear();
  label->hide();
}

// Where the inclined receiver's liquid may show, in the level bar's own coordinates: the
// inside of the body of its picture (the straight part 274..604 x 167..317 within its
// 2-pixel outline, turned 2.5 degrees about 439, 242), less the dome that carries the mass.
QRegion inclinedLiquidRoom(const QRect& bar) {
  QTransform turn;
  turn.translate(439, 242).rotate(-2.5).translate(-439, -242);
  const QPolygon inside = turn.map(QPolygonF(QRectF(QPointF(276, 169), QPointF(602, 315))))
                              .toPolygon()
                              .translated(-bar.topLeft());
  const QRect dome = QRect(QPoint(385, 143), QPoint(481, 174)).translated(-bar.topLeft());
  return QRegion(inside) - QRegion(dome);
}

float value(const struct_mesure& m, int index) { return m.modules.value[index - 623]; }
uint8_t state(const struct_mesure& m, int index) { return m.modules.sensorFault[index - 623]; }

QString batteryStyle(const char* colour) {
  return QStringLiteral(
             "QProgressBar { border: 1px solid black; border-radius: 4px; text-align: center; } "
             "QProgressBar::chunk { background-color: %1; width: 10px; margin: 0.5px; }")
      .arg(QLatin1String(colour));
}

}  // namespace

Ecran_Orv::Ecran_Orv(QWidget* parent)
    : QWidget(parent), screenShown(false), ui(new Ui::Ecran_Orv), outsideTempLabel(nullptr),
      hpPressureLabel(nullptr), tapState(0), ener1Connected(0), ener2Connected(0), ener1PT100(0),
      ener2PT100(0), ener1Pressure(0), ener2Pressure(0), transcritical(0), subcritical(0),
      inclination(0), subcooler(0), tankHeight(0), levelBarMaximum(0), levelDimension(0) {
  ui->setupUi(this);
  setCursor(Qt::BlankCursor);

  ui->label_pumpdown->setStyleSheet(kBlue);

  auto makeValueLabel = [this](const char* name, const QRect& place) {
    auto* label = new ClickableLabel(QStringLiteral("------"), this);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    label->setAlignment(Qt::AlignCenter);
    label->setScaledContents(true);
    return label;
  };
  outsideTempLabel = makeValueLabel("outsideTempLabel", QRect(150, 180, 75, 30));
  hpPressureLabel = makeValueLabel("hpPressureLabel", QRect(398, 176, 75, 30));

  ui->label_net_state->setScaledContents(true);
  ui->label_rs485_state->setScaledContents(true);

  for (QWidget* w : std::initializer_list<QWidget*>{
           ui->FLOWinfosButton, ui->label_flasf_gaz, ui->progBar_ThermoRadioBattLevel,
           ui->label_StrBattLevel, ui->progressBar_rejet, ui->label_rejet_pourcent,
           ui->label_rejet_kW, ui->tempRefoul, ui->pressionHP_Gaz, ui->tempSRliq, ui->tempSRlent})
    w->hide();
  // No alarm is known before the first refresh: the captions appear only when one says so.
  ui->ALARME->hide();
  ui->ZMDHP->hide();

  ui->ALARME->setStyleSheet(
      QStringLiteral("QLabel {color: rgb(255, 0, 0); font: 18pt \"Cantarell\";}"));
  // The level is the liquid in the receiver's dark body, a deep blue that the light brown
  // mass written over its top stands out from; the empty part shows the body.
  ui->progressBar->setStyleSheet(
      QStringLiteral("QProgressBar { border: none; background: transparent; } "
                     "QProgressBar::chunk { background-color: #0a3f7d; }"));

  ui->progBar_ThermoRadioBattLevel->setRange(295, 400);
  ui->progBar_ThermoRadioBattLevel->setTextVisible(false);

  ui->tempRefoul->setGeometry(51, 120, 61, 20);
  ui->tempRefoul->setStyleSheet(kDischargeColour);
  ui->pressionHP_Gaz->setGeometry(59, 181, 41, 20);
  ui->pressionHP_Gaz->setStyleSheet(kRed);
  ui->tempTransHPgaz->setGeometry(42, 220, 75, 20);
  ui->tempTransHPgaz->setStyleSheet(kRed);
  ui->pression2->setGeometry(60, 283, 41, 20);
  ui->tempTransAsp->setGeometry(50, 320, 61, 20);
  ui->tempSC->setGeometry(42, 341, 80, 20);
  ui->tempAsp->setGeometry(52, 368, 61, 20);
  ui->enthalpieAsp->setGeometry(43, 394, 80, 20);
  ui->label_rejet_kW->setGeometry(50, 69, 82, 42);

  // The values written in red, green or light brown read on dark plates, each shown only
  // while its value is.
  plates = std::make_unique<ReadoutPlates>(ui->image);
  for (QLabel* value : {ui->ALARME, ui->ZMDHP, ui->enthalpieLiquide, ui->density_val,
                        ui->pressionHP_Gaz, ui->tempTransHPgaz, ui->tempEnt,
                        static_cast<QLabel*>(hpPressureLabel), ui->tempTrans, ui->tempLiquide,
                        ui->label_flasf_gaz, ui->poid, ui->label_rejet_pourcent})
    plates->add(value);
}

Ecran_Orv::~Ecran_Orv() { delete ui; }

bool Ecran_Orv::isCO2() const { return fluidName == QLatin1String("CO2"); }

bool Ecran_Orv::co2WithoutSubcritical() const { return isCO2() && subcritical != 1; }

void Ecran_Orv::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  tapState = 0;

  ener1Connected = enerConnected(0);
  ener2Connected = enerConnected(1);
  subcooler = cfg("CONFIG_FLAG_REFOIDISSEUR").charValue;
  inclination = cfg("CONFIG_INCLINAISON_RESERVOIR").intValue;
  tankType = QString(QChar::fromLatin1(cfg("CONFIG_TANK_TYPE").charValue));
  fluidName = QString::fromStdString(cfg("CONFIG_FLUID").stringValue);
  transcritical = cfg("CONFIG_TRANSCRITIQUE").intValue;
  subcritical = cfg("CONFIG_SUBCRITIQUE").intValue;
  chargeText = QString::number(cfg("CONFIG_CHARGE_FLUIDE").intValue);
  tankHeight = cfg("CONFIG_HEIGHT").intValue;
  ui->lab_orvID->setText(QString::number(cfg("CONFIG_SRV_ID").intValue));

  // The options of a module that is not there keep the values of its last showing.
  if (ener1Connected) {
    ener1Pressure = enerOption(0, kEnerPressureEnabled);
    ener1PT100 = enerOption(0, kEnerPT100Enabled);
  }
  if (ener2Connected) {
    ener2Pressure = enerOption(1, kEnerPressureEnabled);
    ener2PT100 = enerOption(1, kEnerPT100Enabled);
  }

  ui->tempSRliq->setVisible(!isCO2());
  ui->tempSRlent->setVisible(!isCO2());

  ui->image->setPixmap(QPixmap(QString::fromLatin1(kPictures) + backgroundName() +
                               QStringLiteral(".png")));

  ModulsCenter* modules = moduleCentre();
  if (radioCard(modules && modules->isModulMesV2_connected() == 1)) {
    ui->label_StrBattLevel->show();
    ui->progBar_ThermoRadioBattLevel->show();
  }

  plates->follow();
  screenShown = true;
  showFullScreen();
}

// Picture of the plant: receiver type, subcooler and ENERGIE module 1 probes, or for a
// transcritical CO2 plant the probes of both modules; "_Echangeur" for a water-cooled
// condenser (CO2: a subcritical plant).
QString Ecran_Orv::backgroundName() const {
  static const char* const kHorizontal[] = {"ecran5P_test1", "ecran5P_test2", "ecran5P_test3",
                                            "ecran5P_test"};
  static const char* const kInclined[] = {"ecran5P_HI", "ecran5P_HI_DM", "ecran5P_HI_SF",
                                          "ecran5P_HI_DMSF"};
  static const char* const kVertical[] = {"ecran5P-1", "ecran5P-2", "ecran5P-3", "ecran5P"};
  const int column = (subcooler != 0 ? 2 : 0) + (ener1Connected ? 1 : 0);

  QString base;
  if (tankType == QLatin1String("H")) {
    base = QLatin1String(inclination == 0 ? kHorizontal[column] : kInclined[column]);
  } else if (tankType == QLatin1String("V")) {
    if (isCO2() && transcritical == 1) {
      if (ener1PT100 == 1 && ener2PT100 == 1 && ener1Pressure == 1 && ener2Pressure == 1)
        base = QStringLiteral("ecran5P_trans2");
      else if (ener1PT100 == 1 && ener2PT100 == 0 && ener1Pressure == 1 && ener2Pressure == 0)
        base = QStringLiteral("ecran5P_trans1_1");
      else
        base = QStringLiteral("ecran5P_trans1");
    } else {
      base = QLatin1String(kVertical[column]);
    }
  }

  const bool exchanger = isCO2() ? subcritical == 1
                                 : cfg("CONFIG_CONDENSEUR_TYPE").intValue == 0;
  return exchanger ? base + QStringLiteral("_Echangeur") : base;
}

void Ecran_Orv::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  screenShown = false;
  tapState = 0;
}

void Ecran_Orv::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) {
    ui->retranslateUi(this);
    plates->follow();
  }
}

void Ecran_Orv::UpdateNoyauValues(struct_mesure& m) {
  // 1. Title: charge and fluid.
  QString title = tr("Charge Fluide : %1 Kg   ").arg(chargeText) + tr("Fluide : %1 ").arg(fluidName);
  if (isCO2()) {
    if (subcritical == 1)
      title += tr(" Subcritique");
    else if (transcritical == 1)
      title += tr(" Transcritique");
  }
  ui->date->setText(title);

  // 2, 3. Network and module bus icons.
  orvDatas* datas = store();
  const bool networkUp = datas && datas->getMES_struct(565).intValue >= 1 &&
                         datas->getMES_struct(566).intValue >= 1;
  ui->label_net_state->setPixmap(QPixmap(QStringLiteral("%1%2").arg(
      QLatin1String(kPictures),
      networkUp ? QLatin1String("ethernet_on.png") : QLatin1String("ethernet_off.png"))));
  // Exactly one measurement card answering: the V2 or the V1 card, not both.
  const bool oneCard = int(m.modules.stateMesV2) + int(m.modules.stateMesV1) == 1;
  ui->label_rs485_state->setPixmap(QPixmap(QStringLiteral("%1%2").arg(
      QLatin1String(kPictures),
      oneCard ? QLatin1String("RS485_green_icon.png") : QLatin1String("RS485_red_icon.png"))));

  // 4. Inclination of the receiver. An inclination beyond the length has no angle.
  if (inclination != 0 && tankHeight != 0) {
    const float ratio = float(unsigned(inclination)) / float(unsigned(tankHeight));
    ui->angle->setText(ratio > 1.0f ? QStringLiteral("- - -")
                                    : QString::number(std::asin(ratio) * 57.2957763671875, 'f', 1) +
                                          QStringLiteral("°"));
  } else {
    ui->angle->setText(QString::number(0.0, 'f', 1) + QStringLiteral("°"));
  }

  // 5. Places of the values around the receiver of this type.
  ui->progressBar->setMinimum(0);
  placeForTankType();

  // 6, 7. Receivers and level in mm.
  const int tanks = cfg("CONFIG_TANK_NUMBER").intValue;
  ui->nombre_tank->setText((tanks < 2 ? tr("NB.reservoir: ") : tr("NB. reservoirs: ")) +
                           QString::number(tanks));
  ui->hauteur->hide();
  ui->hauteur->setText(QString::number(m.liquidLevel) + QStringLiteral(" mm"));

  // 8. Sensor values.
  const struct_fluid_datas& hpState = m.fluid[0];
  ui->tempTrans->setText(printf1(QStringLiteral("%.1f°C"), hpState.val[0]));
  ui->tempTrans->setStyleSheet(kRed);
  showSensor(hpPressureLabel, value(m, 624), state(m, 624), "%.1f", kRed);
  ui->enthalpieLiquide->setText(printf1(QStringLiteral("%.1f Kj/Kg"), hpState.val[13]));
  ui->enthalpieLiquide->setStyleSheet(kBrown);
  ui->density_val->setText(printf1(QStringLiteral("%.1f Kg/dm3"), hpState.val[8]));
  ui->density_val->setStyleSheet(kBrown);
  showSensor(ui->tempLiquide, value(m, 626), state(m, 626), "%.1f°C", kGreen);
  showSensor(ui->tempEnt, value(m, 627), state(m, 627), "%.1f°C", kGreen);
  showSensor(outsideTempLabel, value(m, 628), state(m, 628), "%.1f°C", kBlue);

  // 9. Subcooling of the inlet and of the liquid against the saturation temperature.
  auto showSubcooling = [this](QLabel* label, float difference) {
    label->setText(printf1(tr("SR : %.1f K"), difference));
    label->setStyleSheet(difference < 0 ? kRed : kBlack);
  };
  showSubcooling(ui->tempSRlent, hpState.val[0] - value(m, 627));
  showSubcooling(ui->tempSRliq, hpState.val[0] - value(m, 626));

  // 10. High side from ENERGIE module 2.
  showHighSide(m);

  // 11. Flash gas.
  const float flashGas = m.fluid[0].val[11];
  if (flashGas > 0) {
    const QString percent = QString::number(flashGas, 'f', 1) + QStringLiteral("%");
    ui->label_flasf_gaz->setText(isCO2() ? percent : tr("Flash Gaz avec ") + percent);
    ui->label_flasf_gaz->show();
  } else {
    ui->label_flasf_gaz->hide();
  }

  // 12. Low side from ENERGIE module 1.
  showLowSide(m);

  // 13. Values the screen does not show.
  ui->debitMassique->hide();
  ui->vitesse->hide();
  ui->puissance->hide();
  ui->qualite->hide();

  // 14 to 19.
  showMassAndLevel(m, oneCard);
  showLowLevelSettings(m);
  showAlarmState(m);
  showRadioBattery(m);
  showHeatRejection(m);
  plates->follow();
}

void Ecran_Orv::placeForTankType() {
  struct Place {
    QWidget* widget;
    QRect horizontal;
    QRect vertical;
  };
  const Place places[] = {
      {ui->tempLiquide, {556, 130, 62, 17}, {395, 285, 62, 17}},
      {ui->tempEnt, {260, 90, 61, 21}, {390, 90, 61, 21}},
      {ui->tempTrans, {190, 270, 75, 19}, {400, 220, 75, 19}},
      {ui->tempSRlent, {240, 70, 101, 17}, {370, 70, 101, 17}},
      {ui->label_flasf_gaz, {390, 120, 171, 21}, {470, 60, 171, 21}},
      {ui->poid, {390, 150, 86, 20}, {496, 110, 86, 17}},
      {hpPressureLabel, {205, 228, 45, 30}, {398, 176, 75, 30}},
      {ui->tempSRliq, {545, 110, 91, 17}, {370, 260, 91, 17}},
  };
  if (tankType == QLatin1String("H")) {
    for (const Place& p : places) p.widget->setGeometry(p.horizontal);
    const bool inclined = inclination != 0;
    ui->progressBar->setGeometry(inclined ? QRect(276, 159, 320, 138) : QRect(276, 184, 319, 114));
    // The bar is upright, the inclined body is not: its liquid is cut to the body.
    if (inclined)
      ui->progressBar->setMask(inclinedLiquidRoom(ui->progressBar->geometry()));
    else
      ui->progressBar->clearMask();
    levelBarMaximum = inclined ? 138 : 114;
    ui->angle->setVisible(inclined);
    levelDimension = unsigned(cfg("CONFIG_DIAMETRE").floatValue);
    // The inclined receiver, as the vertical one, carries the mass on its own dark body.
    plates->setNeeded(ui->poid, !inclined);
  } else if (tankType == QLatin1String("V")) {
    for (const Place& p : places) p.widget->setGeometry(p.vertical);
    plates->setNeeded(ui->poid, false);
    ui->progressBar->clearMask();
    ui->progressBar->setGeometry(480, 120, 131, 190);
    levelBarMaximum = 190;
    ui->angle->hide();
    levelDimension = unsigned(tankHeight);
  } else {
    levelBarMaximum = 0;
    levelDimension = 0;
  }
  ui->progressBar->setMaximum(levelBarMaximum);
}

void Ecran_Orv::showHighSide(const struct_mesure& m) {
  QLabel* discharge = ui->tempRefoul;
  QLabel* pressure = ui->pressionHP_Gaz;
  QLabel* saturation = ui->tempTransHPgaz;
  const float gasSaturation = m.fluid[1].val[0];
  // Without a gas pressure of its own the high side shows the card's high pressure.
  auto showCardPressure = [&] {
    showSensor(pressure, value(m, 624), state(m, 624), "%.1f", kRed);
    saturation->setText(printf1(QStringLiteral("%.1f°C"), gasSaturation));
  };

  if (!ener2Connected) {
    if (co2WithoutSubcritical()) {
      clearAndHide(discharge);
      clearAndHide(pressure);
      clearAndHide(saturation);
    } else {
      showCardPressure();
      pressure->show();
      saturation->show();
    }
    return;
  }

  discharge->show();
  pressure->show();
  saturation->show();
  if (ener2PT100 == 1) {
    if (value(m, 630) == kNoValue || state(m, 630) != 0) {
      showFault(discharge);
    } else {
      discharge->setText(printf1(QStringLiteral("%.1f°C"), value(m, 630)));
      discharge->setStyleSheet(kDischargeColour);
    }
  } else {
    discharge->hide();
  }
  if (ener2Pressure == 1) {
    if (value(m, 632) != kNoValue && state(m, 632) == 0) {
      pressure->setText(printf1(QStringLiteral("%.1f"), value(m, 632)));
      pressure->setStyleSheet(kRed);
      if (co2WithoutSubcritical())
        saturation->hide();
      else
        saturation->setText(printf1(QStringLiteral("%.1f°C"), gasSaturation));
    } else {
      showFault(pressure);
      showFault(saturation);
    }
  } else if (co2WithoutSubcritical()) {
    clearAndHide(pressure);
    clearAndHide(saturation);
  } else {
    showCardPressure();
  }
}

void Ecran_Orv::showLowSide(const struct_mesure& m) {
  QLabel* suctionTemp = ui->tempAsp;
  QLabel* suctionEnthalpy = ui->enthalpieAsp;
  QLabel* superheat = ui->tempSC;
  QLabel* lowPressure = ui->pression2;
  QLabel* lowSaturation = ui->tempTransAsp;
  if (!ener1Connected) {
    for (QLabel* label : {suctionTemp, suctionEnthalpy, lowSaturation, superheat, lowPressure})
      label->hide();
    return;
  }
  const float saturation = m.fluid[2].val[0];

  if (ener1PT100 == 1) {
    suctionTemp->show();
    suctionEnthalpy->show();
    superheat->show();
    if (state(m, 629) == 0) {
      const float suction = value(m, 629);
      suctionTemp->setText(printf1(QStringLiteral("%.1f°C"), suction));
      suctionTemp->setStyleSheet(kBlue);
      const float overheat = suction - saturation;
      superheat->setText(printf1(QStringLiteral("SC : %.1fK"), overheat));
      superheat->setStyleSheet(overheat <= 0 ? kRed : kBlack);
      suctionEnthalpy->setText(printf1(QStringLiteral("%.1fKj/Kg"), m.fluid[2].val[13]));
      suctionEnthalpy->setStyleSheet(kBlue);
    } else {
      for (QLabel* label : {suctionTemp, lowSaturation, superheat, suctionEnthalpy}) showFault(label);
    }
  } else {
    suctionTemp->hide();
    suctionEnthalpy->hide();
    superheat->hide();
  }

  if (ener1Pressure == 1) {
    lowPressure->show();
    lowSaturation->show();
    if (state(m, 625) == 0) {
      lowPressure->setText(printf1(QStringLiteral("%.1f"), value(m, 625)));
      lowPressure->setStyleSheet(kBlue);
      lowSaturation->setText(printf1(QStringLiteral("%.1f°C"), saturation));
      lowSaturation->setStyleSheet(kBlue);
    } else {
      showFault(lowPressure);
      showFault(lowSaturation);
    }
  } else {
    lowPressure->hide();
    lowSaturation->hide();
  }
}

void Ecran_Orv::showMassAndLevel(const struct_mesure& m, bool oneCard) {
  QProgressBar* bar = ui->progressBar;
  if (m.refrigerantMass >= 0 && oneCard) {
    ui->poid->setText(printf1(QStringLiteral("%.1fKg"), m.refrigerantMass));
    const int64_t level = m.liquidLevel;
    if (level >= int64_t(levelDimension)) {
      bar->setValue(levelBarMaximum);
    } else if (level < 0) {
      bar->setValue(0);
      ui->poid->setText(QStringLiteral("0.0 Kg"));
    } else {
      bar->setValue(int(int64_t(levelBarMaximum) * level / int64_t(levelDimension)));
    }
    bar->repaint();
  } else {
    bar->setValue(0);
    ui->poid->setText(QStringLiteral("0.0 Kg"));
  }
  ui->poid->setStyleSheet(kBrown);
}

void Ecran_Orv::showLowLevelSettings(const struct_mesure& m) {
  // Pump-down: the plant stopped with the night settings in force.
  const bool pumpDown = cfg("ALARME_PUMPDOWN").intValue == 1 && m.plantRunning == 0;
  const int threshold = cfg(pumpDown ? "ALARME_NIVEAU_MINI_G_NUIT" : "ALARME_NIVEAU_MINI_G").intValue;
  const int delay = cfg(pumpDown ? "ALARME_TEMPORISATION_NUIT" : "ALARME_TEMPORISATION").intValue;
  ui->label_pumpdown->setText(pumpDown ? QStringLiteral("Pump Down") : QString());

  ui->NivBasConfig->setText(tr("Alarme Niveau Bas < ") +
                            QString::number(threshold / 1000.0, 'f', 1) + QStringLiteral(" Kg"));
  ui->TempoNivBas->setText(QString::number(delay) + QStringLiteral(" Min"));
  const int below = m.lowLevelDuration % 86400;
  ui->NivBasDepuis->setText(
      tr("%1 H : %2 Min : %3 Sec / ").arg(below / 3600).arg(below % 3600 / 60).arg(below % 60));
  ui->NivBasDepuis->setStyleSheet(int64_t(m.lowLevelDuration) >= int64_t(delay) * 60 ? kRed : kBlack);
}

void Ecran_Orv::showAlarmState(const struct_mesure& m) {
  const int leakState = cfg("FLAG_ALARM").intValue;
  QString text;
  bool red = true;
  switch (leakState) {
    case 0: break;
    case 2: text = tr("Alarme Stat 1"); break;
    case 4: text = tr("Alarme LP"); break;
    case 6: text = tr("Alarmes 3j + LP"); break;
    case 7: text = tr("Alarme Stat 3"); break;
    default:  // 1, 3, 5 and any other: learning
      text = tr("Apprentissage");
      red = false;
  }
  QString style = red ? kRed : kBlue;
  if (cfg("FLAG_RECALC_MOYREF").intValue == 1) {
    text = tr("Recalcul");
    style = QStringLiteral("QLabel { color:#0018FF;}");
  }
  ui->Etat_Alarme->setText(text);
  ui->Etat_Alarme->setStyleSheet(style);

  const int sensorFaults = cfg("FLAG_ALARM_CAPTEUR").intValue;
  const bool machineStop = m.machineStop == 1;
  ui->ALARME->setText(machineStop ? tr("ARRET MACHINE") : tr("ALARME"));
  const bool blinking = (leakState >= 2 && leakState <= 6) || sensorFaults != 0 ||
                        m.lowLevelAlarm != 0 || machineStop;
  if (blinking) {
    ui->ALARME->setHidden(!ui->ALARME->isHidden());
    ui->ZMDHP->setVisible(sensorFaults != 0);
  } else {
    ui->ALARME->hide();
    ui->ZMDHP->hide();
  }
}

void Ecran_Orv::showRadioBattery(const struct_mesure& m) {
  MesV2Modul* card = radioCard(m.modules.stateMesV2 == 1);
  if (!card) return;
  const float volts = card->getDATA_struct(kCardRadioBattery).floatValue;
  QProgressBar* bar = ui->progBar_ThermoRadioBattLevel;
  // 999.0 is no reading at all: a fault, not a full battery.
  if (volts == kNoValue) {
    showFault(ui->label_StrBattLevel);
    bar->setStyleSheet(batteryStyle("red"));
    bar->setValue(295);
    return;
  }
  ui->label_StrBattLevel->setText(QString::number(volts, 'f', 1) + QStringLiteral("V"));
  ui->label_StrBattLevel->setStyleSheet(QString());
  if (volts >= 3.5f)
    bar->setStyleSheet(batteryStyle("green"));
  else if (volts >= 3.2f)
    bar->setStyleSheet(batteryStyle("orange"));
  else if (volts >= 2.95f)
    bar->setStyleSheet(batteryStyle("red"));
  bar->setValue(volts >= 2.95f ? int(volts * 100) : 295);
}

void Ecran_Orv::showHeatRejection(const struct_mesure& m) {
  QProgressBar* bar = ui->progressBar_rejet;
  QLabel* percentLabel = ui->label_rejet_pourcent;
  QLabel* powerLabel = ui->label_rejet_kW;
  if (isCO2() || cfg("CONFIG_CONDENSEUR_TYPE").intValue != 1 || !ener1Connected) {
    bar->hide();
    percentLabel->hide();
    powerLabel->hide();
    return;
  }
  bar->show();
  percentLabel->show();
  powerLabel->show();
  powerLabel->setText(tr("Rejet:\n%1 kW").arg(QString::number(m.heatToReject, 'f', 1)));
  const int percent = m.heatToReject >= 1.0f && m.condenserCapacity >= 1.0f
                          ? int(m.heatToReject / m.condenserCapacity * 100)
                          : 0;
  const char* colour = percent <= 80 ? "green" : percent < 100 ? "orange" : "red";
  bar->setStyleSheet(QStringLiteral("QProgressBar::chunk {background-color: %1; height: 4px; "
                                    "margin: 0.5px;}")
                         .arg(QLatin1String(colour)));
  percentLabel->setStyleSheet(QStringLiteral("QLabel { color: %1;}").arg(QLatin1String(colour)));
  bar->setValue(qMin(percent, 100));
  percentLabel->setText(tr("%1%").arg(percent));
}

void Ecran_Orv::on_menuButton_clicked() { emit OnMenuSignal(); }
void Ecran_Orv::on_CPinfosButton_clicked() { emit OnCPinfoSignal(); }
void Ecran_Orv::on_ENERinfosButton_clicked() { emit OnENERinfoSignal(); }

// pB_simul1 opens a hidden sequence; its second tap may be on the HPF button or on
// pB_simul2, the third decides: HPF the service menu, pB_simul2 the calculation view.
void Ecran_Orv::on_pB_simul1_clicked() { tapState = tapState == 0 ? 1 : 0; }

// Second or third tap of a hidden sequence on HPF or pB_simul2.
Ecran_Orv::SequenceTap Ecran_Orv::nextSequenceTap() {
  if (tapState == 1) {
    tapState = 2;
    return SequenceTap::Going;
  }
  const bool ends = tapState == 2;
  tapState = 0;
  return ends ? SequenceTap::Ended : SequenceTap::None;
}

void Ecran_Orv::on_HPFinfosButton_clicked() {
  switch (nextSequenceTap()) {
    case SequenceTap::Ended: emit OnMenuNorvaleSignal(); break;
    case SequenceTap::None: emit OnHPFinfoSignal(); break;
    case SequenceTap::Going: break;
  }
}

void Ecran_Orv::on_pB_simul2_clicked() {
  if (nextSequenceTap() == SequenceTap::Ended) emit OnMenuCalculMethodSignal();
}
