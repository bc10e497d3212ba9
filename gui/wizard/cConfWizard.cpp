#include "cConfWizard.h"

#include "standInPage.h"

cConfWizard::cConfWizard(QWidget* parent) : cConfigurationWidget(parent) {
  buildStandInBody(
      this, QStringLiteral("cConfWizard"),
      {{QStringLiteral("cancelButton"), tr("ANNULER"), [this] { emit OnBtnCancelSignal(); }},
       {QStringLiteral("finishButton"), tr("ENREGISTREMENT"), [this] { emit OnBtnFinishSignal(); }},
       {QStringLiteral("emitOnFluidChangeButton"), QString(),
        [this] { emit emitOnFluidChange(QStringLiteral("R404A")); }},
       {QStringLiteral("emitOnCalibPressV1Button"), QString(),
        [this] { emit emitOnCalibPressV1(); }}});
}

void cConfWizard::setFLuidsList(std::vector<std::string>& names) { fluidNames = names; }
