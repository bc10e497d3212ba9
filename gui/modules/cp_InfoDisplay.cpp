#include "cp_InfoDisplay.h"

#include <QEvent>

#include <cmath>

#include "EnerModul.h"
#include "ModulsCenter.h"
#include "orv_classPtr.h"
#include "ui_cp_InfoDisplay.h"

namespace {

// Fields of a refrigerant state block: the temperature, then two groups of six properties
// (density, specific volume, speed of sound, gas concentration, entropy, enthalpy); the HP
// gas state carries its properties in the first group, the two others in the second.
constexpr int kTemperature = 0;
constexpr int kFirstGroup = 1;
constexpr int kSecondGroup = 8;
enum Property { Density = 0, Volume, Sound, Concentration, Entropy, Enthalpy };
enum FluidBlock { HPliquid = 0, HPgas = 1, BPgas = 2 };

// Atmospheric pressure, bar: without ENERGIE module 0 the BP field is absolute.
constexpr float kAtmosphere = 1.01325f;
// Calculated discharge temperature: value 6 of the cycle values (index 573).
constexpr int kCalcDischargeTemp = 6;

QString fixed(float value, int decimals = 1) { return QString::number(value, 'f', decimals); }

// The ENERGIE client, or null when start-up found no ENERGIE module.
EnerModul* energyClient() {
  ModulsCenter* centre = Singleton<orv_classPtr>::ptr()->modules;
  return centre ? centre->ener_ptr() : nullptr;
}

// Whether ENERGIE module 1 is there and has the input of `key` (188 pressure, 191 PT100)
// enabled; without a client no input counts as enabled.
bool module1InputEnabled(const struct_mesure& m, EnerModul* ener, int key) {
  return m.modules.stateEner[1] != 0 && ener != nullptr &&
         ener->getCFG_struct(1, key).charValue == 1;
}

}  // namespace

cp_InfoDisplay::cp_InfoDisplay(QWidget* parent)
    : QWidget(parent), pageShown(false), ui(new Ui::cp_InfoDisplay), transcritic(0),
      co2Transcritical(false) {
  ui->setupUi(this);
  setCursor(Qt::BlankCursor);
  ui->pushButton_exit->raise();
}

cp_InfoDisplay::~cp_InfoDisplay() { delete ui; }

void cp_InfoDisplay::onSet_FluidName(QString _fluidName, int _transcritic) {
  fluidName = _fluidName;
  transcritic = _transcritic;
  ui->label_fluide_name->setText(fluidName + "\n ");
  ui->label_2->setText(" \n ");
  if (fluidName == QLatin1String("CO2") && transcritic == 1) {
    co2Transcritical = true;
    ui->label_temperatureHPG->setText(QString());
    ui->titre_glissement->setText(QString());
  } else {
    ui->titre_glissement->setText(tr("Glide"));
    co2Transcritical = false;
  }
}

void cp_InfoDisplay::UpdateMesureValues(struct_mesure& aMesures) {
  const struct_mesure& m = aMesures;
  // The record is packed: its fields are read one by one.
  auto values = [&m](int k) { return m.modules.value[k]; };
  auto liquid = [&m](int k) { return m.fluid[HPliquid].val[k]; };
  auto gas = [&m](int k) { return m.fluid[HPgas].val[k]; };
  auto suction = [&m](int k) { return m.fluid[BPgas].val[k]; };
  EnerModul* ener = energyClient();

  const float hp = values(modval::HP);
  ui->label_pressionHPL->setText(fixed(hp));
  float bp = values(modval::BP);
  if (m.modules.stateEner[0] == 0) bp -= kAtmosphere;
  ui->label_pressionBPG->setText(fixed(bp));

  // HP liquid and BP gas columns.
  ui->label_temperatureHPL->setText(fixed(liquid(kTemperature)));
  ui->label_temperatureBPG->setText(fixed(suction(kTemperature)));
  ui->label_tempFluideHPL->setText(fixed(values(modval::TempSOR)));
  ui->label_tempFluideBPG->setText(fixed(values(modval::TempASP)));
  ui->label_densiteHPL->setText(fixed(liquid(kSecondGroup + Density)));
  ui->label_densiteBPG->setText(fixed(suction(kSecondGroup + Density)));
  ui->label_volMassiqueHPL->setText(fixed(liquid(kSecondGroup + Volume)));
  ui->label_volMassiqueBPG->setText(fixed(suction(kSecondGroup + Volume)));
  ui->label_vitesseSonHPL->setText(fixed(liquid(kSecondGroup + Sound)));
  ui->label_vitesseSonBPG->setText(fixed(suction(kSecondGroup + Sound)));
  ui->label_concentLiquideHPL->setText(fixed(liquid(kSecondGroup + Concentration)));
  ui->label_concentLiquideBPG->setText(fixed(suction(kSecondGroup + Concentration)));
  ui->label_entropyHPL->setText(fixed(liquid(kSecondGroup + Entropy)));
  ui->label_entropyBPG->setText(fixed(suction(kSecondGroup + Entropy)));
  ui->label_enthalpieHPL->setText(fixed(liquid(kSecondGroup + Enthalpy)));
  ui->label_enthalpieBPG->setText(fixed(suction(kSecondGroup + Enthalpy)));

  // HP gas pressure, temperatures and glide. In transcritical CO2 there is no
  // condensation: only ENERGIE module 1's probes say anything about the HP gas.
  const bool pt100OnModule1 = module1InputEnabled(m, ener, 191);
  if (!co2Transcritical) {
    ui->label_tempFluideHPG->setText(pt100OnModule1 ? fixed(values(modval::TempREF)) : QString());
    const bool pressureOnModule1 = module1InputEnabled(m, ener, 188);
    ui->label_pressionHPG->setText(fixed(pressureOnModule1 ? values(modval::PressionEner1) : hp));
    ui->label_temperatureHPG->setText(fixed(gas(kTemperature)));
    if (ui->label_tempFluideHPG->text().isEmpty())
      ui->label_tempFluideHPG->setText(fixed(gas(kTemperature)));
    ui->label_glissement->setText(fixed(std::fabs(gas(kTemperature) - liquid(kTemperature)), 2) +
                                  " K");
  } else if (pt100OnModule1) {
    ui->label_pressionHPG->setText(fixed(values(modval::PressionEner1)));
    ui->label_temperatureHPG->setText(QString());
    ui->label_tempFluideHPG->setText(fixed(values(modval::TempREF)));
    ui->label_glissement->setText(QString());
  } else {
    ui->label_pressionHPG->setText(QString());
    ui->label_temperatureHPG->setText(QString());
    ui->label_tempFluideHPG->setText(QString());
    ui->label_glissement->setText(QString());
  }
  ui->label_densiteHPG->setText(fixed(gas(kFirstGroup + Density), 3));
  ui->label_volMassiqueHPG->setText(fixed(gas(kFirstGroup + Volume), 3));
  ui->label_vitesseSonHPG->setText(fixed(gas(kFirstGroup + Sound)));
  ui->label_concentLiquideHPG->setText(fixed(gas(kFirstGroup + Concentration)));
  ui->label_entropyHPG->setText(fixed(gas(kFirstGroup + Entropy), 3));
  ui->label_enthalpieHPG->setText(fixed(gas(kFirstGroup + Enthalpy)));

  ui->label_temp_refoulement_isent->setText(fixed(m.isentropicDischargeTemp));
  ui->label_temp_refoulement_calc->setText(fixed(m.valCalcul.val[kCalcDischargeTemp]));
  ui->label_temp_refoulement_mes->setText(fixed(values(modval::TempREF)));
  ui->label_diffEnthalpie->setText(
      fixed(std::fabs(suction(kSecondGroup + Enthalpy) - liquid(kSecondGroup + Enthalpy))));

  const float capacity = m.refrigerationCapacity;
  ui->label_debitMasse->setText(fixed(m.massFlow));
  ui->label_puissanceFrigo->setText(fixed(capacity));

  int compressors = 0;
  if (m.modules.stateEner[0] == 1) {
    const float pc = m.cumuls.puissTotalComp;
    const float pf = m.cumuls.puissVentilCond;
    const float pp = m.cumuls.puissPompes;
    const float ppar = m.cumuls.puissCompP;
    ui->label_puissanceAbsorbComp->setText(fixed(pc));
    ui->label_puissanceAbsorbVentil->setText(fixed(pf));
    ui->label_puissanceAbsorbPompes->setText(fixed(pp));
    compressors = ener ? ener->ENERtotalAffectationON_locked(0) : 0;
    ui->label_COP_comps->setText(fixed(pc > 0.0f ? capacity / pc : 0.0f));
    // The fans' COP is tested on the fans' power alone.
    ui->label_COP_ventil->setText(fixed(pf > 0.0f ? capacity / (pc + pf) : 0.0f));
    if (pp > 0.0f || ppar > 0.0f) {
      QString title = tr("kw ");
      if (pp > 0.0f) title += tr("pour les pompes ");
      if (ppar > 0.0f) title += tr("compresseurs paralleles");
      ui->titre_9->setText(title);
      ui->label_COP_pompes->setText(fixed(capacity / (pp + ppar)));
    } else {
      ui->label_COP_pompes->setText(fixed(0.0f));
    }
  } else {
    ui->label_puissanceAbsorbComp->setText(fixed(0.0f));
    ui->label_puissanceAbsorbVentil->setText(fixed(0.0f));
    ui->label_puissanceAbsorbPompes->setText(fixed(0.0f));
    compressors = m.plantRunning == 1 ? 1 : 0;
    const QString noCop = co2Transcritical ? QStringLiteral("***") : fixed(0.0f);
    ui->label_COP_comps->setText(noCop);
    ui->label_COP_ventil->setText(noCop);
    ui->label_COP_pompes->setText(noCop);
  }
  ui->label_numCompresseur->setText(QString::number(compressors));
}

void cp_InfoDisplay::showEvent(QShowEvent* event) {
  pageShown = true;
  QWidget::showEvent(event);
}

void cp_InfoDisplay::hideEvent(QHideEvent* event) {
  pageShown = false;
  QWidget::hideEvent(event);
}

void cp_InfoDisplay::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) ui->retranslateUi(this);
  QWidget::changeEvent(event);
}

void cp_InfoDisplay::on_pushButton_exit_clicked() { emit OnCPinfoExit(); }
