#include "Ecran_Orv.h"

#include <QFont>
#include <QPushButton>

#include "standInPage.h"

Ecran_Orv::Ecran_Orv(QWidget* parent) : QWidget(parent) {
  std::vector<QPushButton*> buttons = buildStandInBody(
      this, QStringLiteral("Ecran_Orv"),
      {{QStringLiteral("menuButton"), tr("Menu"), [this] { emit OnMenuSignal(); }},
       {QStringLiteral("HPFinfosButton"), QString(), [this] { emit OnHPFinfoSignal(); }},
       {QStringLiteral("CPinfosButton"), QString(), [this] { emit OnCPinfoSignal(); }},
       {QStringLiteral("ENERinfosButton"), QString(), [this] { emit OnENERinfoSignal(); }},
       {QStringLiteral("pB_simul1"), QString(), [this] { emit OnMenuNorvaleSignal(); }},
       {QStringLiteral("pB_simul2"), QString(), [this] { emit OnMenuCalculMethodSignal(); }}});
  // The places of the main screen's form, so that taps land where they will on the device.
  const QRect places[] = {{517, 10, 100, 45}, {139, 70, 91, 61}, {10, 400, 220, 71},
                          {0, 210, 71, 100},  {530, 430, 111, 51}, {10, 10, 131, 51}};
  for (size_t i = 0; i < buttons.size(); ++i) {
    buttons[i]->setGeometry(places[i]);
    // The flat buttons lie over the plant picture; their names in small type.
    buttons[i]->setFlat(i != 0);
    if (i != 0) buttons[i]->setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
  }
  trackShown(this, &screenShown);
}

void Ecran_Orv::UpdateNoyauValues(struct_mesure& m) {
  ++updateCalls;
  lastRecord = m;
}
