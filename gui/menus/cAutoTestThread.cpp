#include "cAutoTestThread.h"

#include <chrono>
#include <ctime>
#include <string>
#include <thread>

#include "EnerModul.h"
#include "HpfModul.h"
#include "MesV2Modul.h"
#include "ModulsCenter.h"
#include "ORV_core.h"
#include "ORV_sysNet.h"
#include "orvDatas.h"
#include "orvPlatform.h"
#include "orvVersion.h"
#include "orv_classPtr.h"
#include "orv_utils.h"

namespace {

constexpr int kRelayPulseMs = 1000;
constexpr int kMesNetworkLink = 565;
constexpr int kMesServerReachable = 566;

cfg_value_t setting(orvDatas* store, const char* keyword) {
  return store ? store->getCFG_struct(orvDatas::getCFG_ID_fromKeyString(keyword)) : cfg_value_t();
}

QString text(const std::string& s) { return QString::fromStdString(s); }

// A firmware version as the shortest decimal form, at most 6 significant digits.
QString version(float v) { return QString::number(static_cast<double>(v), 'g', 6); }

// One relay pulse of 1 s; true when both writes succeeded.
int pulseRelay(const char* pin) {
  int failures = ORV_core::driveOutput(pin, 1);
  std::this_thread::sleep_for(std::chrono::milliseconds(kRelayPulseMs));
  return failures + ORV_core::driveOutput(pin, 0);
}

}  // namespace

cAutoTestThread::cAutoTestThread(QObject* parent) : QThread(parent) {}

cAutoTestThread::~cAutoTestThread() = default;

void cAutoTestThread::run() {
  orv_classPtr* registry = Singleton<orv_classPtr>::ptr();
  ORV_core* core = registry->core;
  orvDatas* store = registry->datas;
  ModulsCenter* modules = registry->modules;
  ORV_sysNet* sysNet = core ? core->ORV_sysNet_Ptr() : nullptr;
  std::string bits;

  emit sig_ThreadUpdText(tr("Demarrage de l'AutoTest ...\n"), true);

  // Identity.
  char now[64] = "";
  const time_t clock = orv::wallClockNow();
  struct tm local {};
  localtime_r(&clock, &local);
  std::strftime(now, sizeof now, "%Y-%m-%d %H:%M:%S;", &local);
  emit sig_ThreadUpdText(tr("\nKernel ORV: %1\n").arg(text(read_KernelVersion())) +
                             tr("Version ORV: v%1.%2.%3\n")
                                 .arg(VERSION_MAJOR)
                                 .arg(VERSION_MINOR)
                                 .arg(VERSION_RELEASE) +
                             tr(" ++ ORV ID: %1\n").arg(setting(store, "CONFIG_SRV_ID").intValue) +
                             tr(" ++ ORV JOUR PREMIER DEMARRAGE: %1\n")
                                 .arg(setting(store, "FLAG_PREM_DEMARRAGE").intValue) +
                             tr(" ++ ORV DATE/TIME: %1\n").arg(QString::fromLatin1(now)),
                         true);

  // Storage, in whole MiB.
  if (core) {
    int total = 0, free = 0;
    core->getStorageInfoSize(&total, &free);
    emit sig_ThreadUpdText(
        tr("\nEspace de Stockage (libre/total): %1Mo/%2Mo\n").arg(free).arg(total), true);
    bits += (free != 0 && total != 0 && free > 1) ? "1" : "0";
  }

  // Network.
  const std::string iface = setting(store, "CONFIG_IFACE").stringValue;
  const std::string server = store ? store->getSFTP_ip() : std::string();
  const int dhcp = store && store->dhcpInUse() ? 1 : 0;
  int link = 0;
  QString item;  // the settings lines are shown as they stand, untranslated
  if (iface == "eth0") {
    item = tr("\nConfiguration Reseau ETHERNET:\n");
    bits += "10";
    link = sysNet ? sysNet->isETH0_Cable_Plugged() : 0;
    item += link == 0 ? tr(" -- ATTENTION Cable Reseau ETHERNET debrancher\n")
                      : tr(" ++ Cable Reseau ETHERNET brancher OK\n");
    bits += link == 0 ? "0" : "1";
    bits += "0";
  } else if (iface == "ra0") {
    item = tr("\nConfiguration Reseau WIFI:\n");
    bits += "01";
    link = sysNet ? sysNet->isWifiRA0_Started() : 0;
    bits += "0";
    item += link == 0 ? tr(" -- ATTENTION Reseau USB WIFI debrancher\n")
                      : tr(" ++ Reseau USB WIFI brancher OK\n");
    bits += link == 0 ? "0" : "1";
    item +=
        QStringLiteral(" ++ SSID: %1\n").arg(text(setting(store, "CONFIG_WIFI_SSID").stringValue));
  } else {
    bits += "0000";
  }
  if (store) store->setMES_struct(kMesNetworkLink, &link);
  item += QStringLiteral(" ++ CONFIG IP: %1\n").arg(text(setting(store, "CONFIG_IP").stringValue));
  item += QStringLiteral(" ++ KERNEL IP: %1\n")
              .arg(text(sysNet ? sysNet->if_getKernel_IfaceInfo(iface, 0) : ""));
  item += QStringLiteral(" ++ MASK: %1\n").arg(text(setting(store, "CONFIG_MASK").stringValue));
  item += QStringLiteral(" ++ GATEWAY: %1\n").arg(text(setting(store, "CONFIG_GW").stringValue));
  item += dhcp == 0 ? QStringLiteral(" ++ DHCP: OFF\n") : QStringLiteral(" ++ DHCP: ON\n");
  bits += dhcp == 0 ? "0" : "1";
  item += QStringLiteral(" ++ ETHERNET MAC: %1\n")
              .arg(text(setting(store, "CONFIG_MACADDR").stringValue));
  emit sig_ThreadUpdText(item, true);

  // Supervision server, port 22.
  int reachable = sysNet ? sysNet->checkInternet_Status(server.c_str(), "22") : 0;
  reachable = reachable ? 1 : 0;
  emit sig_ThreadUpdText(tr("\nConnection Internet/Voredane:\n") +
                             (reachable ? tr(" ++ Connection au serveur VOREDANE OK\n")
                                        : tr(" -- ERREUR connection au serveur VOREDANE\n")),
                         true);
  bits += reachable ? "1" : "0";
  if (store) store->setMES_struct(kMesServerReachable, &reachable);

  // Modules.
  emit sig_ThreadUpdText(tr("\nModules Detecter/Trouver:\n"), true);
  const int mesV1 = modules ? modules->isModulMesV1_connected() : 0;
  const int mesV2 = modules ? modules->isModulMesV2_connected() : 0;
  if (!mesV1 && !mesV2)
    item =
        tr(" -- Aucun Module MESURE v1 ou v2 Detecter/Trouver....\n\n    -(1) Veuillez verifier "
           "les branchements\n    -(2) Puis REBOOTER/REDEMARRER le ORV\n");
  else if (mesV1)
    item = tr(" ++ Module MesureV1: %1\n").arg(mesV1);
  else
    item = tr(" ++ Module MesureV2: v%1\n")
               .arg(version(modules->mesV2_ptr()->getCFG_struct(114).floatValue));
  emit sig_ThreadUpdText(item, true);
  if (modules && modules->isModulHpf_connected())
    emit sig_ThreadUpdText(
        tr(" ++ Module HPF: v%1\n").arg(version(modules->hpf_ptr()->getCFG_struct(131).floatValue)),
        true);
  for (int index = 0; modules && index < 3; ++index)
    if (modules->isModulEner_connected(index))
      emit sig_ThreadUpdText(
          tr(" ++ Module ENERGIE_%1: v%2\n")
              .arg(index)
              .arg(version(modules->ener_ptr()->getCFG_struct(index, 173).floatValue)),
          true);

  emit sig_ThreadUpdText(tr("\nMemoire:\n"), true);
  emit sig_ThreadUpdText(text(getStdoutFromCommand("free")) + "\n", true);
  emit sig_ThreadUpdText(tr("\nPartitions:\n"), true);
  emit sig_ThreadUpdText(text(getStdoutFromCommand("df -h")) + "\n", true);

  // Result code, with the relay pulses.
  if (modules) {
    bits += modules->getAutotest();
    const int porte10 = pulseRelay(ORV_core::kRelayB);
    bits += porte10 == 0 ? "1" : "0";
    const int porte8 = pulseRelay(ORV_core::kRelayA);
    bits += porte10 + porte8 == 0 ? "1" : "0";
    // The pulses leave both relays off: an alarm still active gets its relays back.
    if (core) core->reapplyAlarmRelays();
    emit sig_ThreadUpdText(
        tr("Résultat = ") + QString::number(std::stoull(bits, nullptr, 2), 16) + "\n", true);
  }
  emit sig_ThreadEnd();
}
