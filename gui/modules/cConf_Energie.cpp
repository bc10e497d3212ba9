#include "cConf_Energie.h"

#include "standInPage.h"

cConf_Energie::cConf_Energie(QWidget* parent) : QWidget(parent) {
  buildStandInBody(this, QStringLiteral("cConf_Energie"),
                   {
       {QStringLiteral("OnEnerCfgExitButton"), QString(), [this] { emit OnEnerCfgExit(); }}
                   });
}
