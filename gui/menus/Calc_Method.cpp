#include "Calc_Method.h"

#include "standInPage.h"

Calc_Method::Calc_Method(QWidget* parent) : QWidget(parent) {
  buildStandInBody(this, QStringLiteral("Calc_Method"),
                   {{QStringLiteral("esc_CalcMethodButton"), QString(),
                     [this] { emit esc_CalcMethod(); }}});
  trackShown(this, &screenShown);
}

void Calc_Method::UpdateCalcValues(struct_mesure& m) {
  ++updateCalls;
  lastRecord = m;
}
