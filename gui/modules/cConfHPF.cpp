#include "cConfHPF.h"

#include "standInPage.h"

cConfHPF::cConfHPF(QWidget* parent) : cConfigurationWidget(parent) {
  buildStandInBody(this, QStringLiteral("cConfHPF"),
                   {
       {QStringLiteral("OnBtnCancelSignalButton"), QString(), [this] { emit OnBtnCancelSignal(); }},
       {QStringLiteral("OnBtnFinishSignalButton"), QString(), [this] { emit OnBtnFinishSignal(); }}
                   });
}
