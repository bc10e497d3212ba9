#include "Choix.h"

#include "standInPage.h"

Choix::Choix(QWidget* parent) : QWidget(parent) {
  buildStandInBody(
      this, QStringLiteral("Choix"),
      {{QStringLiteral("paramButton"), tr("Parametrages et Reglages"), [this] { emit okConfig(); }},
       {QStringLiteral("visualisationButton"), tr("Visualisations"),
        [this] { emit okVisualisation(); }},
       {QStringLiteral("escButton"), tr("Quitter"), [this] { emit escButtonSignal(); }}});
}
