#include "FuseauHorraire.h"

#include "standInPage.h"

FuseauHorraire::FuseauHorraire(QWidget* parent) : QWidget(parent) {
  buildStandInBody(this, QStringLiteral("FuseauHorraire"),
                   {{QStringLiteral("sig_fushorraireExitButton"), QStringLiteral("15"),
                     [this] { emit sig_fushorraireExit(15); }},
                    {QStringLiteral("sig_fushorraireExit0Button"), QStringLiteral("0"),
                     [this] { emit sig_fushorraireExit(0); }},
                    {QStringLiteral("sig_fushorraireExit2Button"), QStringLiteral("2"),
                     [this] { emit sig_fushorraireExit(2); }}});
}

void FuseauHorraire::setCfgFusHorraire(int offset) { cfgFusHorraire = offset; }
