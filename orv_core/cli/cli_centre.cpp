// The module centre on the bus, as the core runs it: detection, bus rounds with the
// exchange record and the power cumuls, settings received from the server, the voltage
// log rotation and the module firmware job.
//
//   bus detect [dispatch KEY=VALUE...] [cycles N [--dump] [--cumuls]] [reset-energy] ...
//       one process, the steps in the order given (the centre lives in memory only)
//   bus rotate-log                the daily rotation of "tension.log"
//   cfg dispatch KEY=VALUE...     settings received from the server, without modules
//   fw upgrade [--wait MS] [--mode N]   detection, then one firmware job with a stand-in core
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <list>
#include <string>
#include <utility>

#include "EnerModul.h"
#include "EnerPowerCumuls.h"
#include "FirmwareStandInCore.h"
#include "ModulsCenter.h"
#include "cli.h"
#include "firmwareLauncher.h"
#include "orvDatas.h"
#include "orvPlatform.h"
#include "orv_classPtr.h"

int runBusCentre(const CliArgs& args);
int runCfgDispatch(const CliArgs& args);

namespace {

// The centre as the core starts it: registered in slot 3, then detection.
ModulsCenter* startCentre() {
  cliStore();
  ModulsCenter* centre = new ModulsCenter();
  Singleton<orv_classPtr>::ptr()->modules = centre;
  centre->initModulsCenter();
  int count = centre->autoDetect_AllModuls();
  cliPrint("count", static_cast<long long>(count));
  cliPrint("autotest", centre->getAutotest());
  cliPrint("card_type", static_cast<long long>(centre->get_MesureCardType()));
  return centre;
}

std::string floatList(const float* v, int n) {
  std::string text;
  char one[32];
  for (int i = 0; i < n; ++i) {
    std::snprintf(one, sizeof one, i ? ",%g" : "%g", static_cast<double>(v[i]));
    text += one;
  }
  return text;
}

std::string fixed(float v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", static_cast<double>(v));
  return text;
}

void printRecord(ModulsCenter& centre) {
  centre.printDEBUG_Moduls_StructDatas();
  modules_exchange_t r;
  centre.get_Moduls_StructDatas(r);
  cliPrint("states", std::to_string(r.stateMesV2) + "," + std::to_string(r.stateHpf) + "," +
                         std::to_string(r.stateEner[0]) + "," + std::to_string(r.stateEner[1]) +
                         "," + std::to_string(r.stateEner[2]) + "," + std::to_string(r.stateMesV1));
  static const char* const kNames[12] = {"Poids",  "HP",      "BP",        "TempSOR",
                                         "TempENT", "TempEXT", "TempASP",   "TempREF",
                                         "BattRadio", "PressionEner1", "TRES1", "TRES2"};
  std::string flags;
  for (int k = 0; k < 12; ++k) {
    float v = r.value[k];
    cliPrint(kNames[k], fixed(v));
    flags += (k ? "," : "") + std::to_string(r.sensorFault[k]);
  }
  cliPrint("flags", flags);
}

void printCumuls(ModulsCenter& centre) {
  struct_cumul_puissanse c;
  centre.get_CumulPuiss_StructDatas(c);
  float v[40];
  static_assert(sizeof c == sizeof v, "40 floats");
  std::memcpy(v, &c, sizeof v);
  cliPrint("puissComp", floatList(v, 6));
  static const char* const kSums[8] = {"puissTotalComp", "puissVentilCond", "puissPompes",
                                       "puissVitrines",  "puissChambres",   "puissClim",
                                       "puissEclairage", "puissCompP"};
  for (int i = 0; i < 8; ++i) cliPrint(kSums[i], floatList(v + 6 + i, 1));
  cliPrint("energieComp", floatList(v + 14, 6));
  cliPrint("energieGroupe", floatList(v + 20, 8));
  cliPrint("intensiteComp", floatList(v + 28, 6));
  cliPrint("cosPhiComp", floatList(v + 34, 6));
  // The active power each block holds in the client after the share division.
  if (EnerModul* ener = centre.ener_ptr()) {
    for (int n = 0; n < 3; ++n) {
      if (ener->isENERconnected(n) == 0) continue;
      float p[3];
      for (int b = 0; b < 3; ++b) p[b] = ener->getDATA_struct(n, 3 + b).floatValue;
      cliPrint("ener" + std::to_string(n) + "_P", floatList(p, 3));
    }
  }
}

// "KEY=VALUE" words into the list the server exchange hands to the store.
bool parsePairs(const CliArgs& args, size_t from, size_t* next,
                std::list<std::pair<std::string, std::string>>* pairs) {
  size_t i = from;
  for (; i < args.size(); ++i) {
    size_t eq = args[i].find('=');
    if (eq == std::string::npos || eq == 0) break;
    pairs->emplace_back(args[i].substr(0, eq), args[i].substr(eq + 1));
  }
  *next = i;
  return !pairs->empty();
}

int runFw(const CliArgs& args) {
  if (args.empty() || args[0] != "upgrade") return cliUsage("fw");
  int waitMs = orvbus::modules_Upgrade::kFinalWaitMs;
  int mode = 1;
  for (size_t i = 1; i + 1 < args.size(); i += 2) {
    if (args[i] == "--wait") waitMs = std::atoi(args[i + 1].c_str());
    else if (args[i] == "--mode") mode = std::atoi(args[i + 1].c_str());
    else return cliUsage("fw");
  }
  ModulsCenter* centre = startCentre();
  FirmwareStandInCore core(centre);
  int64_t started = orv::monotonicMs();
  orvbus::modules_Upgrade job(mode, &core, centre, waitMs);
  cliPrint("ms", static_cast<long long>(orv::monotonicMs() - started));
  cliPrint("reports", static_cast<long long>(core.reports().size()));
  if (!core.reports().empty()) {
    const auto& report = core.reports().back();
    std::string types;
    for (size_t i = 0; i < report.types.size(); ++i)
      types += (i ? "," : "") + std::to_string(report.types[i]);
    cliPrint("types", types);
    cliPrint("failing", static_cast<long long>(report.failingBusAddress));
  }
  return 0;
}

CliGroup fwGroup("fw", "fw upgrade [--wait MS] [--mode N]", &runFw);

}  // namespace

int runBusCentre(const CliArgs& args) {
  if (args.size() == 1 && args[0] == "rotate-log") {
    cliPrint("rotated", static_cast<long long>(ENERmanageDailyPowerLog()));
    return 0;
  }
  if (args.empty() || args[0] != "detect") return cliUsage("bus");
  ModulsCenter* centre = startCentre();
  size_t i = 1;
  while (i < args.size()) {
    if (args[i] == "cycles" && i + 1 < args.size()) {
      int n = std::atoi(args[i + 1].c_str());
      i += 2;
      bool dump = false, cumuls = false;
      for (; i < args.size() && args[i].rfind("--", 0) == 0; ++i) {
        dump = dump || args[i] == "--dump";
        cumuls = cumuls || args[i] == "--cumuls";
      }
      for (int c = 0; c < n; ++c)
        cliPrint("answered", static_cast<long long>(centre->sendTo_AllModuls()));
      if (dump) printRecord(*centre);
      if (cumuls) printCumuls(*centre);
    } else if (args[i] == "dispatch") {
      std::list<std::pair<std::string, std::string>> pairs;
      if (!parsePairs(args, i + 1, &i, &pairs)) return cliUsage("bus");
      cliPrint("dispatch", static_cast<long long>(cliStore()->dispatchNetCFG_List(pairs)));
    } else if (args[i] == "reset-energy") {
      centre->reset_CumulPuissance_Wh();
      ++i;
    } else {
      return cliUsage("bus");
    }
  }
  return 0;
}

int runCfgDispatch(const CliArgs& args) {
  std::list<std::pair<std::string, std::string>> pairs;
  size_t next = 0;
  if (!parsePairs(args, 1, &next, &pairs) || next != args.size()) return cliUsage("cfg");
  cliPrint("dispatch", static_cast<long long>(cliStore()->dispatchNetCFG_List(pairs)));
  return 0;
}
