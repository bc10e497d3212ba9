// The core object: its start and stop operations, the start-up sequence with the network
// and clock checks, the refrigerant loading, the passes per measurement record and the
// console trace.
#include "ORV_core.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "EnerModul.h"
#include "FLuidsNorvale.h"
#include "ModulsCenter.h"
#include "ORV_ProcThread.h"
#include "ORV_UpdThread.h"
#include "ORV_fileManip.h"
#include "ORV_sysNet.h"
#include "gpio.h"
#include "orvDatas.h"
#include "orvPlatform.h"
#include "orvServerDefaults.h"
#include "orvVersion.h"
#include "orv_classPtr.h"
#include "orv_utils.h"

namespace {

const int kFlagPremDemarrage = orvDatas::getCFG_ID_fromKeyString("FLAG_PREM_DEMARRAGE");
const int kCycleNbre = orvDatas::getCFG_ID_fromKeyString("CONFIG_CYCLE_NBRE");
const int kRecalculHeure = orvDatas::getCFG_ID_fromKeyString("CONFIG_MOY_REF_RECALCUL_HEURE");

// Outputs switched off first thing: line drivers, the two alarm relays and the others.
const char* const kOutputsAtStart[] = {"PORTH8", "PORTH6", "PORTB0", "PORTB1",
                                       "PORTE8", "PORTE10", "PORTE9"};

}  // namespace

int ORV_core::driveOutput(const char* pin, int value) {
  int v = value;
  const int result = GPIO(pin, "OUTPUT", &v);
  orv::recordPlatformCall(std::string("gpio ") + pin + " OUTPUT " + std::to_string(value));
  return result;
}

ORV_core::ORV_core()
    : fluids_(nullptr),
      datas_(nullptr),
      modules_(nullptr),
      proc_(nullptr),
      sysNet_(nullptr),
      fileManip_(nullptr),
      upd_(nullptr),
      firmwareJob_(nullptr),
      version_(0),
      alarmType_(0),
      statistiqueAlarm_(false),
      firmwarePausedUpd_(false),
      firmwarePausedProc_(false) {
  Singleton<orv_classPtr>::ptr()->core = this;
}

ORV_core::~ORV_core() {
  // The two services objects are reached only through this core (no registry slot):
  // nothing can use them once it is gone.
  delete fileManip_;
  fileManip_ = nullptr;
  delete sysNet_;
  sysNet_ = nullptr;
  fallbackServers_.clear();
  orv_classPtr* registry = Singleton<orv_classPtr>::ptr();
  if (registry->core == this) registry->core = nullptr;
}

void ORV_core::DBG_PrintCons(const char* format, ...) {
  char message[256];
  va_list args;
  va_start(args, format);
  std::vsnprintf(message, sizeof message, format, args);
  va_end(args);
  std::printf("[%s]> %s\n", _getSysDateTime_string().c_str(), message);
  std::fflush(stdout);
}

int ORV_core::read_ORVversion() {
  char text[16];
  std::snprintf(text, sizeof text, "%02d%02d%02d", VERSION_MAJOR, VERSION_MINOR, VERSION_RELEASE);
  return std::atoi(text);
}

// ---------------------------------------------------------------------------------------
// Start and stop operations

int ORV_core::start_orvDatas() {
  if (!datas_) {
    datas_ = new orvDatas();
    Singleton<orv_classPtr>::ptr()->datas = datas_;
  }
  DBG_PrintCons("[ORV_core] start_orvDatas OK");
  return 1;
}

int ORV_core::start_ORV_fileManip() {
  if (!fileManip_) fileManip_ = new ORV_fileManip();
  DBG_PrintCons("[ORV_core] start_ORV_fileManip OK");
  return 1;
}

int ORV_core::start_ORV_sysNet() {
  if (!sysNet_) sysNet_ = new ORV_sysNet();
  DBG_PrintCons("[ORV_core] start_ORV_sysNet OK");
  return 1;
}

int ORV_core::start_FLuidsNorvale() {
  if (!fluids_) {
    std::string name = datas_ ? datas_->getCFG_struct(CFG_FLUID).stringValue : std::string();
    if (string_endsWith(name.c_str(), ".mix")) string_replaceChar(name, ".mix", "");
    if (name == "R507") name = "R507A";
    if (name == "R744") name = "CO2";
    if (name.empty()) name = "R404A";
    fluids_ = new FLuidsNorvale();
    change_FLuid(name);
    Singleton<orv_classPtr>::ptr()->fluids = fluids_;
  }
  std::printf("[ORV_core] start_FLuidsNorvale OK\n");
  std::fflush(stdout);
  return 1;
}

void ORV_core::change_FLuid(std::string name) {
  if (!fluids_) return;
  std::string stored = datas_ ? datas_->getCFG_struct(CFG_FLUID).stringValue : std::string();
  if (fluids_->loadFluid(name)) {
    if (name != stored && datas_) datas_->setCFG_struct(CFG_FLUID, name.c_str());
    DBG_PrintCons("[ORV_core] Chargement Librairie Fluides %s OK", name.c_str());
    return;
  }
  fluids_->loadFluid(stored.empty() ? "R404A" : stored);
  DBG_PrintCons("[ORV_core] Erreur Chargement Librairie Fluides %s", name.c_str());
}

int ORV_core::start_ModulsCenter() {
  if (!modules_) {
    modules_ = new ModulsCenter();
    Singleton<orv_classPtr>::ptr()->modules = modules_;
    if (modules_->initModulsCenter())
      DBG_PrintCons("[ORV_core] ---- modul(s) Number: %d", modules_->autoDetect_AllModuls());
    if (!modules_->isModulMesV1_connected() && !modules_->isModulMesV2_connected()) {
      // No measuring card: every sensor fault bit of the card set.
      int allCardFaults = 31;
      if (datas_) datas_->setCFG_struct(CFG_FLAG_ALARM_CAPTEUR, &allCardFaults);
      dispatchAlarm(112, false, "Aucun Module MESURE detecter", "RS-485");
    }
  }
  DBG_PrintCons("[ORV_core] start_ModulsCenter OK");
  return 1;
}

int ORV_core::start_ORV_process() {
  if (!proc_) {
    ORV_ProcThread* proc = new ORV_ProcThread(this, modules_);
    proc_ = proc;
    if (proc->initORV_process()) {
      Singleton<orv_classPtr>::ptr()->procThread = proc;
      proc->start();
      proc->detach();
    }
  }
  DBG_PrintCons("[ORV_core] start_ORV_process OK");
  return 1;
}

int ORV_core::start_ORV_UpdThread() {
  if (!upd_) {
    ORV_UpdThread* upd = new ORV_UpdThread(this);
    upd_ = upd;
    if (upd->init()) {
      Singleton<orv_classPtr>::ptr()->updThread = upd;
      upd->start();
      upd->detach();
    }
  }
  DBG_PrintCons("[ORV_core] start_ORV_UpdThread OK");
  return 1;
}

void ORV_core::adoptWorkerThreads(ORV_ProcThread* proc, ORV_UpdThread* upd) {
  proc_ = proc;
  upd_ = upd;
  Singleton<orv_classPtr>::ptr()->procThread = proc;
  Singleton<orv_classPtr>::ptr()->updThread = upd;
}

namespace {
// Deletes one owned object that its owner has already taken out of its member, once its
// registry slot no longer holds it: nothing finds it while it goes.
template <typename T, typename Slot>
void release(T* object, Slot orv_classPtr::*slot, const char* trace) {
  if (!object) return;
  orv_classPtr* registry = Singleton<orv_classPtr>::ptr();
  if (slot && registry->*slot == object) registry->*slot = nullptr;
  delete object;
  ORV_core::DBG_PrintCons("%s", trace);
}
}  // namespace

// The two worker stops free their thread: with the other worker still running, call them
// as closeORV_core() does, once both loops have ended.
void ORV_core::stop_ORV_UpdThread() {
  ORV_UpdThread* upd = upd_.exchange(nullptr);
  if (upd) upd->change_sleepThreadState(true);
  release(upd, &orv_classPtr::updThread, "[ORV_core] stop_ORV_UpdThread OK");
}

void ORV_core::stop_ORV_process() {
  ORV_ProcThread* proc = proc_.exchange(nullptr);
  if (proc) proc->change_sleepThreadState(true);
  release(proc, &orv_classPtr::procThread, "[ORV_core] stop_ORV_process OK");
}

void ORV_core::stop_ModulsCenter() {
  release(std::exchange(modules_, nullptr), &orv_classPtr::modules,
          "[ORV_core] stop_ModulsCenter OK");
}

void ORV_core::stop_FLuidsNorvale() {
  release(std::exchange(fluids_, nullptr), &orv_classPtr::fluids,
          "[ORV_core] stop_FLuidsNorvale OK");
}

void ORV_core::stop_ORV_fileManip() {
  release(std::exchange(fileManip_, nullptr), static_cast<ORV_fileManip* orv_classPtr::*>(nullptr),
          "[ORV_core] stop_ORV_fileManip OK");
}

void ORV_core::stop_ORV_sysNet() {
  release(std::exchange(sysNet_, nullptr), static_cast<ORV_sysNet* orv_classPtr::*>(nullptr),
          "[ORV_core] stop_ORV_sysNet OK");
}

void ORV_core::stop_orvDatas() {
  release(std::exchange(datas_, nullptr), &orv_classPtr::datas, "[ORV_core] stop_orvDatas OK");
}

void ORV_core::closeORV_core() {
  // Each worker reaches the other (an alarm queues an upload; a remote command or an
  // update pauses the processing), and the processing thread runs the storage clean-up to
  // its end inside its pass: both loops end, the processing thread's first, before either
  // object goes, and before the firmware job, the module centre and the refrigerant facade.
  if (ORV_ProcThread* proc = proc_) proc->stop();
  if (ORV_UpdThread* upd = upd_) upd->stop();
  delete firmwareJob_;
  firmwareJob_ = nullptr;
  stop_ORV_process();
  stop_ORV_UpdThread();
  stop_ModulsCenter();
  stop_FLuidsNorvale();
  stop_ORV_fileManip();
  stop_ORV_sysNet();
  stop_orvDatas();
  // The registry object itself stays: Singleton keeps its pointer for the whole process,
  // and a freed registry would be read by any later ptr() call.
  orv_classPtr* registry = Singleton<orv_classPtr>::ptr();
  if (registry->core == this) registry->core = nullptr;
}

// ---------------------------------------------------------------------------------------
// Start-up sequence

void ORV_core::resetOutputs() {
  for (const char* pin : kOutputsAtStart) driveOutput(pin, 0);
  alarmType_ = 0;
  statistiqueAlarm_ = false;
}

bool ORV_core::rewriteVersionKeys() {
  const int ids[3] = {CFG_VERSION_MAJOR, CFG_VERSION_MINOR, CFG_VERSION_RELEASE};
  const int running[3] = {VERSION_MAJOR, VERSION_MINOR, VERSION_RELEASE};
  bool changed = false;
  for (int i = 0; i < 3; ++i) changed = changed || datas_->getCFG_struct(ids[i]).intValue != running[i];
  if (changed)
    for (int i = 0; i < 3; ++i) datas_->setCFG_struct(ids[i], &running[i]);
  return changed;
}

int ORV_core::checkNetworkLink(const std::string& iface) {
  int link = 0;
  if (iface == "eth0") {
    link = sysNet_->isETH0_Cable_Plugged();
    datas_->setMES_struct(kMesNetworkLink, &link);
    DBG_PrintCons(link == 1 ? "[ORV_core] Cable Réseau ETHERNET branché OK"
                            : "[ORV_core] Erreur Cable Réseau ETHERNET débranché");
  } else if (iface == "ra0") {
    link = sysNet_->isWifiRA0_Started();
    datas_->setMES_struct(kMesNetworkLink, &link);
    DBG_PrintCons(link == 1 ? "[ORV_core] USB Réseau WIFI branché OK"
                            : "[ORV_core] Erreur USB Réseau WIFI débranché");
  }
  return link;
}

void ORV_core::checkNetworkSettings(const std::string& iface) {
  const bool dhcp = datas_->getCFG_struct(CFG_DHCP).charValue == 1;
  std::string address = datas_->getCFG_struct(CFG_IP).stringValue;
  std::string mask = datas_->getCFG_struct(CFG_MASK).stringValue;
  std::string gateway = datas_->getCFG_struct(CFG_GW).stringValue;

  if (dhcp) {
    std::string kernelAddress = sysNet_->if_getKernel_IfaceInfo(iface, 0);
    if (address == kernelAddress && kernelAddress != "0.0.0.0") {
      DBG_PrintCons("[ORV_core] Réseau DHCP:: CONFIG Réseau/Kernel OK.");
      return;
    }
    if (kernelAddress == "0.0.0.0") {
      sysNet_->startDHCP_leaseRequest(iface);
      kernelAddress = sysNet_->if_getKernel_IfaceInfo(iface, 0);
    }
    std::string kernelMask = sysNet_->if_getKernel_IfaceInfo(iface, 1);
    std::string kernelRoute = sysNet_->if_getKernel_IfaceInfo(iface, 2);
    datas_->setCFG_struct(CFG_IP, kernelAddress.c_str());
    datas_->setCFG_struct(CFG_MASK, kernelMask.c_str());
    datas_->setCFG_struct(CFG_GW, kernelRoute.c_str());
    DBG_PrintCons("[ORV_core] Réseau DHCP:: Reconfiguration Nouvelle IP %s OK.", kernelAddress.c_str());
    return;
  }

  if (sysNet_->checkNetworkCFG_Status(iface, address, mask, gateway)) {
    DBG_PrintCons("[ORV_core] Réseau:: CONFIG Réseau/Kernel OK.");
    return;
  }
  DBG_PrintCons("[ORV_core] Réseau:: Différence entre CONFIG et KERNEL, reconfiguration en cours ...");
  int result = sysNet_->reconfigureNetwork(iface, 0, address, mask, gateway);
  if (result < 0) {
    DBG_PrintCons("[ORV_core] Réseau:: ERREUR(%d) Reconfiguration.", result);
    return;
  }
  // The boot script carries the network settings.
  fileManip_->CreateDefaultRCFile(false);
  DBG_PrintCons("[ORV_core] Réseau:: Reconfiguration OK.");
}

bool ORV_core::findReachableServer(std::string& server) {
  bool reachable = sysNet_->checkInternet_Status(server.c_str(), "22") == 1;
  for (const char* address : ORV_FALLBACK_SFTP_SERVERS) fallbackServers_.push_back(address);
  for (size_t i = 0; !reachable && i < fallbackServers_.size(); ++i) {
    if (sysNet_->checkInternet_Status(fallbackServers_[i].c_str(), "22") == 1) {
      server = fallbackServers_[i];
      datas_->setCFG_struct(CFG_STFP_IP, server.c_str());
      reachable = true;
    }
  }
  DBG_PrintCons(reachable ? "[ORV_core] Réseau:: INTERNET: OUI" : "[ORV_core] Réseau:: INTERNET: NON");
  return reachable;
}

void ORV_core::setTime(int link, bool reachable, const std::string& server) {
  int synchronised = sysNet_->syncNet_DateTime(server);
  if (link == 1 && reachable && !server.empty() && synchronised) {
    systemCommand("hwclock -w");
    DBG_PrintCons("[ORV_core] Mise a jour de la date/heure OK");
  } else {
    DBG_PrintCons("[ORV_core] ECHEC de Mise a jour de la date/heure, erreur pas Internet");
  }
}

int ORV_core::initORV_core() {
  resetOutputs();
  version_ = read_ORVversion();
  DBG_PrintCons("[ORV_core] version: %d", version_);

  start_orvDatas();
  const bool versionChanged = rewriteVersionKeys();
  datas_->setCFG_struct(CFG_KERNEL_VER, read_KernelVersion().c_str());
  datas_->setCFG_struct(CFG_DM9000_VER, read_DM9000_version().c_str());

  start_ORV_fileManip();
  fileManip_->setMeasureMsrFileName();
  fileManip_->write_logfile(E_EVT_ORV_START, nullptr, nullptr,
                            orv::versionText(orv::kVersionJournalFormat).c_str());
  fileManip_->CreateDefaultRCFile(true);

  start_ORV_sysNet();

  DBG_PrintCons("[ORV_core] Vérification du Réseau ...");
  std::string server = datas_->getSFTP_ip();
  const std::string iface = datas_->getCFG_struct(CFG_IFACE).stringValue;
  const int link = checkNetworkLink(iface);
  bool reachable = false;
  if (link >= 1) {
    checkNetworkSettings(iface);
    reachable = findReachableServer(server);
    int answered = reachable ? 1 : 0;
    datas_->setMES_struct(kMesServerReachable, &answered);
  }

  checkSensiStat();
  if (datas_->getCFG_struct(kRecalculHeure).floatValue < 12.0f) {
    float noon = 12.0f;
    datas_->setCFG_struct(kRecalculHeure, &noon);
  }

  start_FLuidsNorvale();
  start_ModulsCenter();
  calculateNumCycle();

  setTime(link, reachable, server);

  start_ORV_process();
  start_ORV_UpdThread();

  if (datas_->getCFG_struct(kFlagPremDemarrage).intValue <= 0) {
    if (ORV_ProcThread* proc = proc_) proc->change_sleepThreadState(true);
  } else {
    checkMoyRef();
  }
  if (ORV_UpdThread* upd = upd_) {
    if (link == 0)
      upd->change_sleepThreadState(true);
    else if (versionChanged)
      upd->add_toSendFilesToServerList(0);
  }
  return 1;
}

int ORV_core::calculateNumCycle() {
  int n = 5;
  n -= fluids_ ? fluids_->getFluid_ComposantNum() : 0;
  if (modules_) {
    if (modules_->isModulEner_connected(0) == 1 && modules_->ener_ptr())
      n -= modules_->ener_ptr()->ENERtotalConnected();
    if (modules_->isModulHpf_connected()) n -= 1;
  }
  if (n < 0) n = 0;
  if (datas_ && datas_->getCFG_struct(kCycleNbre).intValue != n) datas_->setCFG_struct(kCycleNbre, &n);
  std::printf("  +++ saved _nbre_cycles= %d\n", n);
  std::fflush(stdout);
  return n;
}
