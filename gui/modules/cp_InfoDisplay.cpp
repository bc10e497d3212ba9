#include "cp_InfoDisplay.h"

#include "standInPage.h"

cp_InfoDisplay::cp_InfoDisplay(QWidget* parent) : QWidget(parent) {
  buildStandInBody(this, QStringLiteral("cp_InfoDisplay"),
                   {{QStringLiteral("OnCPinfoExitButton"), QString(),
                     [this] { emit OnCPinfoExit(); }}});
  trackShown(this, &screenShown);
}

void cp_InfoDisplay::onSet_FluidName(QString fluid, int transcritical) {
  fluidName = fluid;
  transcriticalPlant = transcritical;
}

void cp_InfoDisplay::UpdateMesureValues(struct_mesure& m) {
  ++updateCalls;
  lastRecord = m;
}
