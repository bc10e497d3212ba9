#include "PoidsCtrl.h"

#include "standInPage.h"

PoidsCtrl::PoidsCtrl(QWidget* parent, int mode) : QWidget(parent), mode(mode) {
  buildStandInBody(this, QStringLiteral("PoidsCtrl"),
                   {{QStringLiteral("sig_CtrlPoidsExitButton"), QString(),
                     [this] { emit sig_CtrlPoidsExit(); }}});
  trackShown(this, &screenShown);
}

void PoidsCtrl::UpdatePoidsConfig(unsigned tare) {
  ++configCalls;
  lastTare = tare;
}

void PoidsCtrl::UpdatePoidsCtrl(unsigned weight, unsigned liquidWeight, float density,
                                int height) {
  ++updateCalls;
  lastWeight = weight;
  lastLiquidWeight = liquidWeight;
  lastDensity = density;
  lastHeight = height;
}
