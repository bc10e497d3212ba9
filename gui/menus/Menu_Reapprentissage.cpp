#include "Menu_Reapprentissage.h"

#include "standInPage.h"

Menu_Reapprentissage::Menu_Reapprentissage(QWidget* parent) : QWidget(parent) {
  buildStandInBody(this, QStringLiteral("Menu_Reapprentissage"),
                   {
       {QStringLiteral("escButtonSignalButton"), QString(), [this] { emit escButtonSignal(); }},
       {QStringLiteral("ReappMoyenButton"), QString(), [this] { emit ReappMoyen(); }},
       {QStringLiteral("RestAlarmeButton"), QString(), [this] { emit RestAlarme(); }},
       {QStringLiteral("recalculNivRefButton"), QString(), [this] { emit recalculNivRef(); }},
       {QStringLiteral("exitReappMenuButton"), QString(), [this] { emit exitReappMenu(); }}
                   });
}
