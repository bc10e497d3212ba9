// The module centre on the test bench: a sandbox with its config.conf, the configuration
// store and the module centre registered in slots 1 and 3 as the core does, and orvbus-sim
// playing the scenario's modules on "/dev/ttyS1".
//
//   CentreBench bench("module 1 mesv2 version=10.0\n");
//   EXPECT_EQ(bench.detect(), 1);
//   bench.centre->sendTo_AllModuls();
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ModulsCenter.h"
#include "orvDatas.h"
#include "orv_classPtr.h"
#include "orv_test_sandbox.h"
#include "orvbus_sim.h"

class CentreBench {
public:
  // `config`: lines of config.conf before the store starts ("" lets it create the file).
  explicit CentreBench(const std::string& scenario, const std::string& config = "") {
    if (!config.empty()) box.write("/home/ORV/config.conf", config);
    store.reset(new orvDatas());
    Singleton<orv_classPtr>::ptr()->datas = store.get();
    sim.reset(new BusSimulator(box, scenario));
    centre.reset(new ModulsCenter());
    Singleton<orv_classPtr>::ptr()->modules = centre.get();
  }
  ~CentreBench() {
    centre.reset();
    Singleton<orv_classPtr>::ptr()->datas = nullptr;
  }

  int detect() {
    centre->initModulsCenter();
    return centre->autoDetect_AllModuls();
  }
  modules_exchange_t record() {
    modules_exchange_t r;
    centre->get_Moduls_StructDatas(r);
    return r;
  }
  struct_cumul_puissanse cumuls() {
    struct_cumul_puissanse c;
    centre->get_CumulPuiss_StructDatas(c);
    return c;
  }
  // The payloads of the requests the simulator received for `address` with `code`.
  std::vector<std::vector<unsigned char>> requests(int address, int code) const {
    std::vector<std::vector<unsigned char>> out;
    for (const BusSimulator::LoggedFrame& f : sim->frames())
      if (f.direction == "RX" && f.bytes.size() >= 7 && f.bytes[0] == address && f.bytes[3] == code)
        out.emplace_back(f.bytes.begin() + 6, f.bytes.end() - 1);
    return out;
  }
  std::string configText() const { return box.read("/home/ORV/config.conf"); }
  // The body of section `name` of config.conf, "" when there is none.
  std::string section(const std::string& name) const {
    std::string text = configText();
    size_t start = text.find("[" + name + "]");
    if (start == std::string::npos) return "";
    size_t end = text.find("\n[", start + 1);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start) + "\n";
  }
  // Moves the program's wall clock: the watchdogs count on it.
  void advanceClock(long seconds) const { orv::setWallClock(orv::wallClockNow() + seconds); }

  TestSandbox box;
  std::unique_ptr<orvDatas> store;
  std::unique_ptr<BusSimulator> sim;
  std::unique_ptr<ModulsCenter> centre;
};
