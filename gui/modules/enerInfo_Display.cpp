#include "enerInfo_Display.h"

#include <QEvent>

#include <cstring>

#include "ui_enerInfo_Display.h"

namespace {

// Allocation codes of a power input, as the ENERGIE configuration page sets them.
enum Allocation {
  Compressor = 0,      // one individual compressor
  AllCompressors = 1,  // one input measuring every compressor
  CondenserFans = 2,
  Pumps = 3,
  ParallelCompressors = 8,
};

// A share of 99 % or less marks a fans or pumps input that measures a shared feeder.
constexpr int kWholeShare = 99;

QString fixed(float value, int decimals = 1) { return QString::number(value, 'f', decimals); }

// Sums of the three columns of a group.
struct Sums {
  float v[3] = {0.0f, 0.0f, 0.0f};
  void add(const float in[3]) {
    for (int k = 0; k < 3; ++k) v[k] += in[k];
  }
  void set(const float in[3]) {
    for (int k = 0; k < 3; ++k) v[k] = in[k];
  }
};

const QString kNoData = QStringLiteral("---");

}  // namespace

enerInfo_Display::enerInfo_Display(QWidget* parent)
    : QWidget(parent), pageShown(false), ui(new Ui::enerInfo_Display), currentMenu(MenuPowers),
      compressorRow(0), coolingCapacity(0.0f) {
  ui->setupUi(this);
  std::memset(&enerConfig, 0, sizeof enerConfig);
  std::memset(&enerDatas, 0, sizeof enerDatas);
  setCursor(Qt::BlankCursor);
  ui->exitButton->raise();

  const RowLabels rows[kCompressorRows] = {
      {{ui->label_ACT_comp1, ui->label_APP_comp1, ui->label_REA_comp1}},
      {{ui->label_ACT_comp2, ui->label_APP_comp2, ui->label_REA_comp2}},
      {{ui->label_ACT_comp3, ui->label_APP_comp3, ui->label_REA_comp3}},
      {{ui->label_ACT_comp4, ui->label_APP_comp4, ui->label_REA_comp4}},
      {{ui->label_ACT_comp5, ui->label_APP_comp5, ui->label_REA_comp5}},
      {{ui->label_ACT_comp6, ui->label_APP_comp6, ui->label_REA_comp6}},
  };
  QLabel* const factors[kCompressorRows] = {ui->label_COSphi_comp1, ui->label_COSphi_comp2,
                                            ui->label_COSphi_comp3, ui->label_COSphi_comp4,
                                            ui->label_COSphi_comp5, ui->label_COSphi_comp6};
  for (int r = 0; r < kCompressorRows; ++r) {
    compressorLabels[r] = rows[r];
    powerFactorLabels[r] = factors[r];
  }
  compCumulLabels = {{ui->label_ACT_compCumul, ui->label_APP_compCumul, ui->label_REA_compCumul}};
  fansLabels = {{ui->label_ACT_VentCond, ui->label_APP_VentCond, ui->label_REA_VentCond}};
  fansCumulLabels = {
      {ui->label_ACT_VentCondCumul, ui->label_APP_VentCondCumul, ui->label_REA_VentCondCumul}};
  pumpsLabels = {{ui->label_ACT_Pompe, ui->label_APP_Pompe, ui->label_REA_Pompe}};
  compPLabels = {{ui->label_ACT_CompP, ui->label_APP_CompP, ui->label_REA_CompP}};
  pumpsCumulLabels = {
      {ui->label_ACT_PompeCumul, ui->label_APP_PompeCumul, ui->label_REA_PompeCumul}};
  copLabels[0] = ui->label_COPcomp;
  copLabels[1] = ui->label_COPventCond;
  copLabels[2] = ui->label_COPpompe;

  menuGroup.addButton(ui->menuPuissance, MenuPowers);
  menuGroup.addButton(ui->menuIntensite, MenuCurrents);
  menuGroup.addButton(ui->menuKWHminuit, MenuEnergyToday);
  menuGroup.addButton(ui->menuKWHjanvier, MenuEnergyYear);
  ui->menuPuissance->setChecked(true);
  // idClicked is buttonClicked(int) under its Qt 5.15 name: also for the button already
  // chosen.
  connect(&menuGroup, &QButtonGroup::idClicked, this, &enerInfo_Display::onMenuChanged);
}

enerInfo_Display::~enerInfo_Display() { delete ui; }

void enerInfo_Display::Update_AllENER_Config(energyORV_config_t& aConfig) {
  enerConfig = aConfig;
  for (int i = 0; i < 3; ++i) {
    if (enerConfig.connectState[i] == 0) continue;
    for (int c = 0; c < 3; ++c) {
      const int allocation = enerConfig.cfg[i].module.affectation[c];
      if (enerConfig.cfg[i].affectationPercent[c] > kWholeShare) continue;
      if (allocation == CondenserFans) ui->label_Ventil_sharedPercent->setText(QStringLiteral("%"));
      if (allocation == Pumps) ui->label_Pompe_sharedPercent->setText(QStringLiteral("%"));
    }
  }
}

void enerInfo_Display::Update_AllENER_Datas(energyORV_data_t& aDatas, float aCoolingCapacity) {
  enerDatas = aDatas;
  coolingCapacity = aCoolingCapacity;
  update_ENERdatas_Display();
}

void enerInfo_Display::reset_LabelDatas_Display() {
  const QString zero = fixed(0.0f);
  for (int r = 0; r < kCompressorRows; ++r) {
    powerFactorLabels[r]->setText(zero);
    writeRow(compressorLabels[r], 0.0f, 0.0f, 0.0f);
  }
  for (QLabel* cop : copLabels) cop->setText(zero);
  for (const RowLabels* row :
       {&compCumulLabels, &fansLabels, &fansCumulLabels, &pumpsLabels, &pumpsCumulLabels})
    writeRow(*row, 0.0f, 0.0f, 0.0f);
  ui->label_PuissangeFrigo->setText(zero);
}

void enerInfo_Display::update_ENERdatas_Display() {
  reset_LabelDatas_Display();
  const ener_block_t& reference = enerDatas.module[0].block[0];
  ui->label_Tension_PH0->setText(fixed(reference.V1, 0));
  ui->label_Tension_PH1->setText(fixed(reference.V2, 0));
  ui->label_Tension_PH2->setText(fixed(reference.V3, 0));

  compressorRow = 0;
  Sums compressors, fans, pumps, parallel;
  // The year's energies are not measured: that menu takes no value of any input.
  if (currentMenu != MenuEnergyYear) {
    for (int i = 0; i < 3; ++i) {
      if (enerConfig.connectState[i] == 0) continue;
      for (int c = 0; c < 3; ++c) {
        const ener_block_t& in = enerDatas.module[i].block[c];
        float column[3];
        if (currentMenu == MenuPowers) {
          column[0] = in.P_kW, column[1] = in.S_kVA, column[2] = in.Q_kVAR;
        } else if (currentMenu == MenuCurrents) {
          column[0] = in.I1, column[1] = in.I2, column[2] = in.I3;
        } else {
          column[0] = in.E_kWh, column[1] = 0.0f, column[2] = 0.0f;
        }
        switch (enerConfig.cfg[i].module.affectation[c]) {
          case Compressor:
            compressors.add(column);
            onAddCompressurInfo(column[0], column[1], column[2]);
            break;
          // One input for all compressors stands for the compressors met before it.
          case AllCompressors: compressors.set(column); break;
          case CondenserFans: fans.add(column); break;
          case Pumps: pumps.add(column); break;
          case ParallelCompressors: parallel.add(column); break;
          default: break;  // lighting, cold rooms, ...: not shown here
        }
      }
    }
  }

  ui->label_PuissangeFrigo->setText(fixed(coolingCapacity));
  if (coolingCapacity > 0.0f) {
    const float pc = compressors.v[0], pf = fans.v[0], pp = pumps.v[0];
    const float divisors[3] = {pc, pc + pf, pc + pf + pp};
    for (int k = 0; k < 3; ++k)
      copLabels[k]->setText(fixed(divisors[k] > 0.0f ? coolingCapacity / divisors[k] : 0.0f));
  }

  if (currentMenu == MenuEnergyYear) {
    for (int r = 0; r < kCompressorRows; ++r) {
      for (QLabel* label : compressorLabels[r].col) label->setText(kNoData);
      powerFactorLabels[r]->setText(kNoData);
    }
    for (const RowLabels* row : {&compCumulLabels, &fansLabels, &fansCumulLabels, &pumpsLabels,
                                 &compPLabels, &pumpsCumulLabels})
      for (QLabel* label : row->col) label->setText(kNoData);
    return;
  }
  const float* comp = compressors.v;
  onAddVentilCondensInfo(fans.v[0], fans.v[1], fans.v[2]);
  onAddPompesInfo(pumps.v[0], pumps.v[1], pumps.v[2]);
  onAddCompPInfo(parallel.v[0], parallel.v[1], parallel.v[2]);
  onAddCompressurCumulInfo(comp[0], comp[1], comp[2]);
  onAddVentilCondensCumulInfo(comp[0] + fans.v[0], comp[1] + fans.v[1], comp[2] + fans.v[2]);
  onAddPompesCumulInfo(comp[0] + fans.v[0] + pumps.v[0], comp[1] + fans.v[1] + pumps.v[1],
                       comp[2] + fans.v[2] + pumps.v[2]);
}

void enerInfo_Display::onAddCompressurInfo(float _active, float _apparente, float _reactive) {
  if (compressorRow >= kCompressorRows) return;
  // The fifth row has always shown two decimals.
  const int decimals = compressorRow == 4 ? 2 : 1;
  writeRow(compressorLabels[compressorRow], _active, _apparente, _reactive, decimals);
  const float factor = _apparente > 0.0f ? _active / _apparente : 0.0f;
  powerFactorLabels[compressorRow]->setText(fixed(factor, decimals));
  ++compressorRow;
}

void enerInfo_Display::onAddCompressurCumulInfo(float _activeCumul, float _apparenteCumul,
                                                float _reactiveCumul) {
  writeRow(compCumulLabels, _activeCumul, _apparenteCumul, _reactiveCumul);
}

void enerInfo_Display::onAddVentilCondensInfo(float _active, float _apparente, float _reactive) {
  writeRow(fansLabels, _active, _apparente, _reactive);
}

void enerInfo_Display::onAddVentilCondensCumulInfo(float _activeCumul, float _apparenteCumul,
                                                   float _reactiveCumul) {
  writeRow(fansCumulLabels, _activeCumul, _apparenteCumul, _reactiveCumul);
}

void enerInfo_Display::onAddPompesInfo(float _active, float _apparente, float _reactive) {
  writeRow(pumpsLabels, _active, _apparente, _reactive);
}

void enerInfo_Display::onAddCompPInfo(float _active, float _apparente, float _reactive) {
  writeRow(compPLabels, _active, _apparente, _reactive);
}

void enerInfo_Display::onAddPompesCumulInfo(float _activeCumul, float _apparenteCumul,
                                            float _reactiveCumul) {
  writeRow(pumpsCumulLabels, _activeCumul, _apparenteCumul, _reactiveCumul);
}

void enerInfo_Display::writeRow(const RowLabels& row, float a, float b, float c, int decimals) {
  row.col[0]->setText(fixed(a, decimals));
  row.col[1]->setText(fixed(b, decimals));
  row.col[2]->setText(fixed(c, decimals));
}

void enerInfo_Display::showPowerFactorsAndCops(bool visible) {
  ui->label_CosPhi_title->setVisible(visible);
  for (QLabel* label : powerFactorLabels) label->setVisible(visible);
  for (QLabel* label : copLabels) label->setVisible(visible);
}

void enerInfo_Display::onMenuChanged(int _menu) {
  if (QAbstractButton* button = menuGroup.button(_menu)) button->setChecked(true);
  showPowerFactorsAndCops(_menu == MenuPowers);
  onUpdateMenu(_menu);
}

void enerInfo_Display::onUpdateMenu(int _menu) {
  if (_menu == currentMenu) return;
  currentMenu = _menu;
  if (_menu == MenuPowers) {
    ui->label_U1->setText(tr("Active(kW)"));
    ui->label_U2->setText(tr("Apparente(kVA)"));
    ui->label_U3->setText(tr("Reactive(kVAR)"));
  } else if (_menu == MenuCurrents) {
    ui->label_U1->setText(tr("Phase1(A)"));
    ui->label_U2->setText(tr("Phase2(A)"));
    ui->label_U3->setText(tr("Phase3(A)"));
  } else {
    ui->label_U1->setText(tr("kW/h"));
    ui->label_U2->setText(tr("kW/h"));
    ui->label_U3->setText(tr("kW/h"));
  }
  update_ENERdatas_Display();
}

void enerInfo_Display::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  pageShown = true;
  compressorRow = 0;
  reset_LabelDatas_Display();
}

void enerInfo_Display::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  pageShown = false;
  compressorRow = 0;
}

void enerInfo_Display::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) ui->retranslateUi(this);
  QWidget::changeEvent(event);
}

void enerInfo_Display::on_exitButton_clicked() { emit OnENERinfoExit(); }
