#include "enerInfo_Display.h"

#include "standInPage.h"

enerInfo_Display::enerInfo_Display(QWidget* parent) : QWidget(parent) {
  buildStandInBody(this, QStringLiteral("enerInfo_Display"),
                   {{QStringLiteral("OnENERinfoExitButton"), QString(),
                     [this] { emit OnENERinfoExit(); }}});
  trackShown(this, &screenShown);
}

void enerInfo_Display::Update_AllENER_Config(energyORV_config_t&) { ++configCalls; }

void enerInfo_Display::Update_AllENER_Datas(energyORV_data_t&, float coolingCapacity) {
  ++updateCalls;
  lastCoolingCapacity = coolingCapacity;
}
