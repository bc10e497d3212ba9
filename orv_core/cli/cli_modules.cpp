// "v2", "v1", "hpf", "ener": the module clients on the bus (or on orvbus-sim), for
// commissioning checks by hand. Each call starts the configuration store and one client,
// then runs its operations in order, so that a client identified by "init" can be polled,
// have its clock advanced and be polled again in the same call:
//   orvcore-cli v2 init poll 66 --flags clock +181 poll 1
// "send" makes one exchange of a command; "queue" makes a command the next one of the
// cycle ("poll", "cycle"), as the program queues a reboot or a configuration push.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <string>

#include "CComRS485.h"
#include "EnerModul.h"
#include "HpfModul.h"
#include "MesV1Modul.h"
#include "MesV2Modul.h"
#include "cli.h"
#include "orvDatas.h"
#include "orvPlatform.h"

namespace {

// The operations of a call, read one word at a time.
class Words {
public:
  explicit Words(const CliArgs& args) : args_(args) {}
  bool more() const { return i_ < args_.size(); }
  bool peek(const char* word) const { return more() && args_[i_] == word; }
  std::string next() {
    if (more()) return args_[i_++];
    ok_ = false;
    return std::string();
  }
  long integer() {
    std::string t = next();
    char* end = nullptr;
    long v = std::strtol(t.c_str(), &end, 0);
    if (t.empty() || *end) ok_ = false;
    return v;
  }
  double real() {
    std::string t = next();
    char* end = nullptr;
    double v = std::strtod(t.c_str(), &end);
    if (t.empty() || *end) ok_ = false;
    return v;
  }
  // A command code: a number, or a character alone or in single quotes ('k' or k).
  unsigned char code() {
    std::string t = next();
    if (t.size() == 3 && t[0] == '\'' && t[2] == '\'') return static_cast<unsigned char>(t[1]);
    if (t.size() == 1 && !std::isdigit(static_cast<unsigned char>(t[0])))
      return static_cast<unsigned char>(t[0]);
    char* end = nullptr;
    long v = std::strtol(t.c_str(), &end, 0);
    if (t.empty() || *end || v < 0 || v > 255) ok_ = false;
    return static_cast<unsigned char>(v);
  }
  bool ok() const { return ok_; }

private:
  const CliArgs& args_;
  size_t i_ = 0;
  bool ok_ = true;
};

using Operations = std::map<std::string, std::function<void(Words&)>>;

// Runs the operations of a call in order; 2 (usage) on an unknown word or a bad argument.
int runOperations(const char* group, const CliArgs& args, Operations ops) {
  // "clock +S" moves the program's wall clock S seconds on: the watchdogs see it.
  ops["clock"] = [](Words& w) {
    long step = w.integer();
    orv::setWallClock(orv::wallClockNow() + step);
    cliPrint("clock", static_cast<long long>(orv::wallClockNow()));
  };
  Words words(args);
  if (!words.more()) return cliUsage(group);
  while (words.more()) {
    auto op = ops.find(words.next());
    if (op == ops.end()) return cliUsage(group);
    op->second(words);
    if (!words.ok()) return cliUsage(group);
  }
  return 0;
}

void printValue(const cfg_value_t& v) {
  cliPrint("char", static_cast<long long>(static_cast<unsigned char>(v.charValue)));
  cliPrint("int", static_cast<long long>(v.intValue));
  cliPrint("float", static_cast<double>(v.floatValue));
}

// The value of a module key id read from text, in the form the clients' setters take:
// by the key table's type, or `ownType` for the ids outside the tables.
struct KeyValue {
  uint8_t byte;
  int32_t integer;
  float real;
};
const void* keyValue(const ModuleKeyDef* def, ModKeyType ownType, const std::string& text,
                     KeyValue* out) {
  ModKeyType type = def ? def->type : ownType;
  out->integer = static_cast<int32_t>(std::strtoll(text.c_str(), nullptr, 0));
  out->byte = static_cast<uint8_t>(out->integer);
  out->real = std::strtof(text.c_str(), nullptr);
  if (type == ModKeyType::U8) return &out->byte;
  if (type == ModKeyType::F32) return &out->real;
  return &out->integer;
}

// "v0,v1,..." of n packed floats.
std::string joined(const void* values, int n) {
  std::string s;
  char b[32];
  for (int i = 0; i < n; ++i) {
    float v;
    std::memcpy(&v, static_cast<const char*>(values) + 4 * i, sizeof v);
    std::snprintf(b, sizeof b, i ? ",%g" : "%g", static_cast<double>(v));
    s += b;
  }
  return s;
}

// ---- V2 measurement card ----------------------------------------------------------------

int runV2(const CliArgs& args) {
  cliStore();
  CComRS485 link;
  MesV2Modul card(&link);
  auto flags = [&card]() {
    std::string s;
    for (int i = 0; i < 5; ++i) s += (i ? "," : "") + std::to_string(card.CM_sensorError(i));
    return s;
  };
  Operations ops;
  ops["init"] = [&](Words&) {
    cliPrint("found", static_cast<long long>(card.CMinit_Comm(true)));
    cliPrint("state", static_cast<long long>(card.isCMconnected()));
    cliPrint("configured", static_cast<long long>(card.isCMconfigured()));
    cliPrint("version", static_cast<double>(card.getCFG_struct(114).floatValue));
  };
  // poll N [--flags]: N bus cycles; the fault flags of weight, HP and the three
  // temperatures after each with --flags.
  ops["poll"] = [&](Words& w) {
    long n = w.integer();
    bool withFlags = w.peek("--flags");
    if (withFlags) w.next();
    for (long k = 1; k <= n; ++k) {
      int rc = card.CM_sendToORV();
      cliPrint("poll", static_cast<long long>(k));
      cliPrint("rc", static_cast<long long>(rc));
      cliPrint("state", static_cast<long long>(card.isCMconnected()));
      if (withFlags) cliPrint("flags", flags());
    }
    cm_datas_t d{};
    card.cfg_getCM_Data(&d);
    cliPrint("values", joined(&d, 7));
    cliPrint("next", static_cast<long long>(card.getCMcmdToSend()));
  };
  ops["send"] = [&](Words& w) { cliPrint("rc", static_cast<long long>(card.CM_sendTo(w.code()))); };
  ops["queue"] = [&](Words& w) { card.setCMcmdToSend(w.code()); };
  ops["get"] = [&](Words& w) { printValue(card.getCFG_struct(static_cast<int>(w.integer()))); };
  ops["set"] = [&](Words& w) {
    int id = static_cast<int>(w.integer());
    KeyValue v;
    const void* p = keyValue(MESV2_KEY_TABLE.find(id), ModKeyType::F32, w.next(), &v);
    cliPrint("set", static_cast<long long>(card.setCFG_struct(id, p)));
  };
  return runOperations("v2", args, ops);
}

// ---- V1 measurement card ----------------------------------------------------------------

int runV1(const CliArgs& args) {
  cliStore();
  CComRS485 link;
  MesV1Modul card(&link);
  Operations ops;
  ops["init"] = [&](Words&) {
    cliPrint("found", static_cast<long long>(card.CMV1_initComm()));
    cliPrint("state", static_cast<long long>(card.isCMv1connected()));
  };
  ops["poll"] = [&](Words& w) {
    long n = w.integer();
    for (long k = 1; k <= n; ++k) {
      int rc = card.CM1_sendTo();
      cliPrint("poll", static_cast<long long>(k));
      cliPrint("rc", static_cast<long long>(rc));
      cliPrint("state", static_cast<long long>(card.isCMv1connected()));
    }
    static const char* const names[5] = {"weight", "outlet", "outside", "inlet", "pressure"};
    for (int i = 0; i < 5; ++i) {
      cliPrint(names[i], static_cast<double>(card.CMv1_getMesureValue(i)));
      cliPrint(std::string(names[i]) + "_flag", static_cast<long long>(card.CMv1sensorError(i)));
    }
  };
  // silent-count K: as if the last K exchanges had gone unanswered.
  ops["silent-count"] = [&](Words& w) { card.setCMv1commCounter(static_cast<int>(w.integer())); };
  return runOperations("v1", args, ops);
}

// ---- HPF module -------------------------------------------------------------------------

// cycle options: [--running R] [--comp KW,KW,..] [--text T] [--tcond T] [--hp P].
void readPlantValues(Words& w, orv_toHP_datas_t* plant) {
  for (;;) {
    if (w.peek("--running")) {
      w.next();
      plant->compressorsRunning = static_cast<uint8_t>(w.integer());
    } else if (w.peek("--comp")) {
      w.next();
      std::string list = w.next();
      const char* p = list.c_str();
      // Powers in kW, truncated to whole kW as the pass sends them.
      for (int i = 0; i < 6; ++i) {
        char* end = nullptr;
        float kw = std::strtof(p, &end);
        plant->puissanceComp[i] = kw > 0 ? static_cast<uint32_t>(kw) : 0;
        p = *end == ',' ? end + 1 : end;
      }
    } else if (w.peek("--text")) {
      w.next();
      plant->tempExt = static_cast<float>(w.real());
    } else if (w.peek("--tcond")) {
      w.next();
      plant->tempCondensation = static_cast<float>(w.real());
    } else if (w.peek("--hp")) {
      w.next();
      plant->pressionHP = static_cast<float>(w.real());
    } else {
      return;
    }
  }
}

int runHpf(const CliArgs& args) {
  cliStore();
  CComRS485 link;
  HpfModul hpf(&link);
  Operations ops;
  ops["init"] = [&](Words&) {
    cliPrint("found", static_cast<long long>(hpf.HPFinit_Comm(true)));
    cliPrint("state", static_cast<long long>(hpf.isHPFconnected()));
    cliPrint("configured", static_cast<long long>(hpf.isHPFconfigured()));
  };
  // cycle [options]: one pass with these plant values.
  ops["cycle"] = [&](Words& w) {
    orv_toHP_datas_t plant;
    hpf.cfg_getORV_Data(&plant);
    readPlantValues(w, &plant);
    hpf.cfg_setORV_Data(&plant);
    cliPrint("rc", static_cast<long long>(hpf.HPF_sendToORV()));
    cliPrint("state", static_cast<long long>(hpf.isHPFconnected()));
  };
  ops["data"] = [&](Words& w) { printValue(hpf.getDATA_struct(static_cast<int>(w.integer()))); };
  ops["queue"] = [&](Words& w) { hpf.setHPFcmdToSend(w.code()); };
  ops["send"] = [&](Words& w) {
    cliPrint("rc", static_cast<long long>(hpf.orvcomm_sendToHPF(w.code())));
  };
  ops["get"] = [&](Words& w) { printValue(hpf.getCFG_struct(static_cast<int>(w.integer()))); };
  ops["set"] = [&](Words& w) {
    int id = static_cast<int>(w.integer());
    KeyValue v;
    ModKeyType own = id == 131 ? ModKeyType::F32 : ModKeyType::U8;
    const void* p = keyValue(HPF_KEY_TABLE.find(id), own, w.next(), &v);
    cliPrint("set", static_cast<long long>(hpf.setCFG_struct(id, p)));
  };
  return runOperations("hpf", args, ops);
}

// ---- ENERGIE modules --------------------------------------------------------------------

int runEner(const CliArgs& args) {
  cliStore();
  CComRS485 link;
  EnerModul ener(&link);
  Operations ops;
  ops["init"] = [&](Words&) {
    cliPrint("found", static_cast<long long>(ener.ENERinitAll_Comm()));
    for (int n = 0; n < 3; ++n)
      cliPrint("state" + std::to_string(n), static_cast<long long>(ener.isENERconnected(n)));
  };
  // poll N: N bus cycles; per module found, its state and the pressure and PT100 faults.
  ops["poll"] = [&](Words& w) {
    long count = w.integer();
    for (long k = 1; k <= count; ++k) {
      int answered = ener.orvcomm_sendNextCmdToAllENER();
      cliPrint("poll", static_cast<long long>(k));
      cliPrint("answered", static_cast<long long>(answered));
      for (int n = 0; n < 3; ++n) {
        if (ener.isENERconnected(n) == 0) continue;
        std::string m = std::to_string(n);
        cliPrint("state" + m, static_cast<long long>(ener.isENERconnected(n)));
        cliPrint("errors" + m, std::to_string(ener.ENER_sensorError(n, 0)) + "," +
                                   std::to_string(ener.ENER_sensorError(n, 1)));
      }
    }
    cliPrint("connected", static_cast<long long>(ener.ENERtotalConnected()));
  };
  ops["data"] = [&](Words& w) {
    int n = static_cast<int>(w.integer());
    printValue(ener.getDATA_struct(n, static_cast<int>(w.integer())));
  };
  ops["send"] = [&](Words& w) {
    int n = static_cast<int>(w.integer());
    cliPrint("rc", static_cast<long long>(ener.orvcomm_sendToENER(n, w.code())));
  };
  ops["queue"] = [&](Words& w) {
    int n = static_cast<int>(w.integer());
    ener.setENERcmdToSend(n, w.code());
  };
  ops["get"] = [&](Words& w) {
    int n = static_cast<int>(w.integer());
    printValue(ener.getCFG_struct(n, static_cast<int>(w.integer())));
  };
  ops["set"] = [&](Words& w) {
    int n = static_cast<int>(w.integer());
    int id = static_cast<int>(w.integer());
    KeyValue v;
    const void* p = keyValue(ENER_KEY_TABLE.find(id), ModKeyType::F32, w.next(), &v);
    cliPrint("set", static_cast<long long>(ener.setCFG_struct(n, id, p)));
  };
  return runOperations("ener", args, ops);
}

CliGroup v2Group("v2",
                 "v2 [init] [poll N [--flags]] [send CODE] [queue CODE] [get ID] [set ID VALUE] "
                 "[clock +S] ...",
                 &runV2);
CliGroup v1Group("v1", "v1 [init] [poll N] [silent-count K] [clock +S] ...", &runV1);
CliGroup hpfGroup("hpf",
                  "hpf [init] [cycle [--running R] [--comp KW,..] [--text T] [--tcond T] [--hp P]] "
                  "[data INDEX] [send CODE] [queue CODE] [get ID] [set ID VALUE] [clock +S] ...",
                  &runHpf);
CliGroup enerGroup("ener",
                   "ener [init] [poll N] [data N INDEX] [send N CODE] [queue N CODE] [get N ID] "
                   "[set N ID VALUE] "
                   "[clock +S] ...",
                   &runEner);

}  // namespace
