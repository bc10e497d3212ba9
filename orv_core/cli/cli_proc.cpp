// "proc": the processing thread's pass from the command line, on the modules of the
// simulated bus (orvbus-sim at $ORV_ROOT/dev/ttyS1) or on a scripted measurement card, with
// the stand-in core: the journal and the day file go through the file service, relays
// through GPIO, alarms, notices and restart requests are printed ("[ORV_core] ...").
//
//   proc run [--passes N] [--dump] [--fast] [--clock-step S] [--scripted [READINGS]]
//       N passes (until interrupted without --passes), each printed as key=value lines;
//       --fast skips the 1-second sleeps of the pass, --clock-step moves the program's
//       clock S seconds on after each pass, --dump prints the measurement record at the end.
//       READINGS of the scripted V2 card: --weight G --hp BAR --tsor C --tent C --text C,
//       --fault NAME (weight, hp, tsor, tent or text: marker and fault flag), --lost.
//   proc ack WHO      acknowledgement (1 local, 2 remote)
//   proc relearn      relearn reset
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "FLuidsNorvale.h"
#include "ModulsCenter.h"
#include "ORV_ProcScriptedModules.h"
#include "ORV_ProcStandInCore.h"
#include "ORV_ProcThread.h"
#include "ORV_fileManip.h"
#include "cli.h"
#include "orvDatas.h"
#include "orvPlatform.h"
#include "orv_classPtr.h"

namespace {

volatile std::sig_atomic_t interrupted = 0;
void onInterrupt(int) { interrupted = 1; }

// The stand-in core with the real file service behind its journal and day file.
class CliProcCore : public ORV_ProcStandInCore {
public:
  CliProcCore() : ORV_ProcStandInCore(true) { files_.initORV_fileManip(); }
  void write_logfile(int event, const char* a, const char* b, const char* c) override {
    ORV_ProcStandInCore::write_logfile(event, a, b, c);
    files_.write_logfile(event, a, b, c);
  }
  std::string getMeasureMsrFileName() override {
    files_.setMeasureMsrFileName();
    return files_.getMeasureMsrFileName();
  }
  int write_mesurement_file(const char* line) override {
    return files_.write_mesurement_file(line);
  }

private:
  ORV_fileManip files_;
};

// The refrigerant of the configuration, named as the core names it.
void startFluids(orvDatas& datas) {
  std::string name = datas.getCFG_struct(prockey::CONFIG_FLUID).stringValue;
  size_t mix = name.find(".mix");
  if (mix != std::string::npos) name.erase(mix);
  if (name == "R507") name = "R507A";
  if (name == "R744") name = "CO2";
  if (name.empty()) name = "R404A";
  FLuidsNorvale* fluids = new FLuidsNorvale();
  cliPrint("fluid", name);
  cliPrint("fluid_loaded", static_cast<long long>(fluids->loadFluid(name)));
  Singleton<orv_classPtr>::ptr()->fluids = fluids;
}

std::string fixed(float v, const char* format = "%.3f") {
  char text[48];
  std::snprintf(text, sizeof text, format, static_cast<double>(v));
  return text;
}

struct RunOptions {
  long passes = -1;  // until interrupted
  bool dump = false;
  bool fast = false;
  long clockStep = 0;
  bool scripted = false;
  modules_exchange_t card = ORV_ProcScriptedModules::v2Card(1080, 5.641f, 25.0f, 20.0f, 20.0f);
};

bool readingIndex(const std::string& name, int* k) {
  static const struct {
    const char* name;
    int k;
  } kNames[] = {{"weight", modval::Poids}, {"hp", modval::HP}, {"tsor", modval::TempSOR},
                {"tent", modval::TempENT}, {"text", modval::TempEXT}};
  for (const auto& n : kNames) {
    if (name == n.name) {
      *k = n.k;
      return true;
    }
  }
  return false;
}

bool parseRun(const CliArgs& args, RunOptions* o) {
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    bool hasValue = i + 1 < args.size();
    int k = 0;
    if (a == "--dump") {
      o->dump = true;
    } else if (a == "--fast") {
      o->fast = true;
    } else if (a == "--scripted") {
      o->scripted = true;
    } else if (a == "--lost") {
      o->scripted = true;
      o->card.stateMesV2 = 2;
    } else if (a == "--passes" && hasValue) {
      o->passes = std::atol(args[++i].c_str());
    } else if (a == "--clock-step" && hasValue) {
      o->clockStep = std::atol(args[++i].c_str());
    } else if (a == "--fault" && hasValue && readingIndex(args[i + 1], &k)) {
      o->scripted = true;
      o->card.value[k] = k == modval::Poids ? -999.0f : 999.0f;
      o->card.sensorFault[k] = 1;
      ++i;
    } else if (a.size() > 2 && hasValue && readingIndex(a.substr(2), &k)) {
      o->scripted = true;
      o->card.value[k] = static_cast<float>(std::atof(args[++i].c_str()));
    } else {
      return false;
    }
  }
  return true;
}

void printPass(long pass, ORV_ProcThread& thread, orvDatas& datas) {
  const modules_exchange_t& x = thread.modsDatas();
  cliPrint("pass", static_cast<long long>(pass));
  cliPrint("weight", static_cast<long long>(datas.getMES_struct(procmes::ColumnWeight).intValue));
  cliPrint("net_weight", static_cast<long long>(datas.getMES_struct(procmes::NetWeight).intValue));
  cliPrint("level_mm", static_cast<long long>(datas.getMES_struct(procmes::LiquidLevel).intValue));
  cliPrint("mass_kg", fixed(datas.getMES_struct(procmes::RefrigerantMass).floatValue, "%.2f"));
  cliPrint("tsat_hp", fixed(thread.fluidDatas(0).val[0]));
  cliPrint("liquid_pressure", fixed(thread.fluidDatas(0).val[7]));
  cliPrint("liquid_density", fixed(thread.fluidDatas(0).val[8], "%.4f"));
  cliPrint("tsat_bp", fixed(thread.fluidDatas(2).val[0]));
  cliPrint("bp", fixed(x.value[modval::BP]));
  cliPrint("tasp", fixed(x.value[modval::TempASP]));
  std::fflush(stdout);
}

void dumpRecord(orvDatas& datas) {
  for (int index = 500; index <= 634; ++index) {
    MesType type = mesIndexType(index);
    if (type == MES_NONE) continue;
    mes_value_t v = datas.getMES_struct(index);
    std::string key = "mes." + std::to_string(index);
    if (type == MES_FLOAT) {
      cliPrint(key, fixed(v.floatValue, "%.4f"));
    } else if (type == MES_CHAR) {
      cliPrint(key, static_cast<long long>(static_cast<signed char>(v.charValue)));
    } else {
      cliPrint(key, static_cast<long long>(v.intValue));
    }
  }
}

int runPasses(const CliArgs& args) {
  RunOptions o;
  if (!parseRun(args, &o)) return cliUsage("proc");
  orvDatas* datas = cliStore();
  startFluids(*datas);

  std::unique_ptr<ORV_ProcModules> modules;
  if (o.scripted) {
    ORV_ProcScriptedModules* scripted = new ORV_ProcScriptedModules();
    scripted->setExchange(o.card);
    modules.reset(scripted);
  } else {
    ModulsCenter* centre = new ModulsCenter();
    Singleton<orv_classPtr>::ptr()->modules = centre;
    centre->initModulsCenter();
    cliPrint("modules", static_cast<long long>(centre->autoDetect_AllModuls()));
    modules.reset(centre);
  }
  CliProcCore core;
  ORV_ProcThread thread(&core, modules.get());
  if (o.fast) thread.setSleepFunction([](unsigned) {});
  Singleton<orv_classPtr>::ptr()->procThread = &thread;
  thread.initORV_process();

  std::signal(SIGINT, onInterrupt);
  std::signal(SIGTERM, onInterrupt);
  for (long pass = 1; (o.passes < 0 || pass <= o.passes) && !interrupted; ++pass) {
    thread.update_Process();
    printPass(pass, thread, *datas);
    if (o.clockStep) orv::setWallClock(orv::wallClockNow() + o.clockStep);
  }
  if (o.dump) dumpRecord(*datas);
  Singleton<orv_classPtr>::ptr()->procThread = nullptr;
  Singleton<orv_classPtr>::ptr()->modules = nullptr;
  return 0;
}

int runProc(const CliArgs& args) {
  if (args.empty()) return cliUsage("proc");
  if (args[0] == "run") return runPasses(args);
  if ((args[0] == "ack" && args.size() == 2) || (args[0] == "relearn" && args.size() == 1)) {
    cliStore();
    CliProcCore core;
    ORV_ProcThread thread(&core, nullptr);
    if (args[0] == "ack") {
      thread.ResetAlarmes(std::atoi(args[1].c_str()));
    } else {
      thread.ResetProcess();
    }
    cliPrint("done", 1LL);
    return 0;
  }
  return cliUsage("proc");
}

CliGroup group("proc",
               "proc run [--passes N] [--dump] [--fast] [--clock-step S] [--scripted] "
               "[--weight G] [--hp BAR] [--tsor C] [--tent C] [--text C] [--fault NAME] "
               "[--lost] | proc ack WHO | proc relearn",
               &runProc);

}  // namespace
