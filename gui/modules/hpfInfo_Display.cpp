#include "hpfInfo_Display.h"

#include "standInPage.h"

hpfInfo_Display::hpfInfo_Display(QWidget* parent) : QWidget(parent) {
  buildStandInBody(this, QStringLiteral("hpfInfo_Display"),
                   {{QStringLiteral("OnHPSinfoExitButton"), QString(),
                     [this] { emit OnHPSinfoExit(); }}});
  trackShown(this, &screenShown);
}

void hpfInfo_Display::OnSet_HPF_Config(hp_global_config_t&, int relayCards, float version) {
  ++configCalls;
  lastRelayCards = relayCards;
  lastVersion = version;
}

void hpfInfo_Display::UpdateMesureValues(int, float outsideTemp, int, float hp, float hpTemp,
                                         bool hpfConnected, hp_toORV_data_t&,
                                         orv_toHP_datas_t&) {
  ++updateCalls;
  lastOutsideTemp = outsideTemp;
  lastHp = hp;
  lastHpTemp = hpTemp;
  lastHpfConnected = hpfConnected;
}

void hpfInfo_Display::on_update_HPFdatas() { ++redrawCalls; }
