// A plant on the test bench for the module clients and their centre: a sandbox with its
// config.conf, the configuration store registered in slot 1 as the core does, orvbus-sim
// with the scenario's modules on "/dev/ttyS1", and a bus link. CentreBench adds the module
// centre, registered in slot 3, which owns a link of its own.
//
//   ModuleBench bench("module 1 mesv2 configured=1\n", "[Module_Mesure_V2]\nz2_CM_CONFIGURED=0\n");
//   MesV2Modul card(&bench.link);
//   ...; EXPECT_EQ(bench.requests(1, 15).size(), 1u);
//
//   CentreBench bench("module 1 mesv2 version=10.0\n");
//   EXPECT_EQ(bench.detect(), 1);
//   bench.centre->sendTo_AllModuls();
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "CComRS485.h"
#include "ModulsCenter.h"
#include "busFrame.h"
#include "orvDatas.h"
#include "orv_classPtr.h"
#include "orv_test_sandbox.h"
#include "orvbus_sim.h"

class ModuleBench {
public:
  // `config`: the text of config.conf before the store starts ("" lets it create one).
  explicit ModuleBench(const std::string& scenario, const std::string& config = "") {
    if (!config.empty()) box.write("/home/ORV/config.conf", config);
    store.reset(new orvDatas());
    Singleton<orv_classPtr>::ptr()->datas = store.get();
    sim.reset(new BusSimulator(box, scenario));
  }
  virtual ~ModuleBench() { Singleton<orv_classPtr>::ptr()->datas = nullptr; }

  // The payloads of the requests the simulator received for `address` with `code`.
  std::vector<std::vector<unsigned char>> requests(int address, int code) const {
    std::vector<std::vector<unsigned char>> out;
    for (const std::vector<unsigned char>& wire : wires(address, code))
      out.emplace_back(wire.begin() + 6, wire.end() - 1);
    return out;
  }
  // The simulator logs a request once it has read it; a client that sends without reading a
  // reply returns before that, so this waits (5 s at most) for `count` such requests.
  std::vector<std::vector<unsigned char>> awaitRequests(int address, int code, size_t count) const {
    std::vector<std::vector<unsigned char>> out = requests(address, code);
    for (int i = 0; i < 500 && out.size() < count; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
      out = requests(address, code);
    }
    return out;
  }
  // Wire bytes of the last request the simulator received for `address` with `code`.
  std::vector<unsigned char> lastRequest(int address, int code) const {
    std::vector<std::vector<unsigned char>> all = wires(address, code);
    return all.empty() ? std::vector<unsigned char>() : all.back();
  }
  std::string configText() const { return box.read("/home/ORV/config.conf"); }
  // The body of section `name` of config.conf, its header included; "" when there is none.
  std::string section(const std::string& name) const {
    std::string text = configText();
    size_t start = text.find("[" + name + "]");
    if (start == std::string::npos) return "";
    size_t end = text.find("\n[", start + 1);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start) + "\n";
  }
  // Whether config.conf holds the line "key=value" in section `name`.
  bool configHas(const std::string& name, const std::string& line) const {
    return ("\n" + section(name)).find("\n" + line + "\n") != std::string::npos;
  }
  // Moves the program's wall clock: the watchdogs count on it.
  void advanceClock(long seconds) const { orv::setWallClock(orv::wallClockNow() + seconds); }

  TestSandbox box;
  std::unique_ptr<orvDatas> store;
  std::unique_ptr<BusSimulator> sim;
  CComRS485 link;

private:
  // Wire bytes of the requests (a payload at least) for `address` with `code`, in order.
  std::vector<std::vector<unsigned char>> wires(int address, int code) const {
    std::vector<std::vector<unsigned char>> out;
    for (const BusSimulator::LoggedFrame& f : sim->frames())
      if (f.direction == "RX" && f.bytes.size() >= 7 && f.bytes[0] == address && f.bytes[3] == code)
        out.push_back(f.bytes);
    return out;
  }
};

class CentreBench : public ModuleBench {
public:
  explicit CentreBench(const std::string& scenario, const std::string& config = "")
      : ModuleBench(scenario, config), centre(new ModulsCenter()) {
    Singleton<orv_classPtr>::ptr()->modules = centre.get();
  }
  ~CentreBench() override { centre.reset(); }

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

  std::unique_ptr<ModulsCenter> centre;
};

// A float at `offset` of a little-endian payload.
inline float payloadFloat(const std::vector<unsigned char>& p, size_t offset) {
  float v = 0;
  if (offset + 4 <= p.size()) std::memcpy(&v, p.data() + offset, 4);
  return v;
}

// A reply frame as a module sends it (no trailing 0x00).
inline std::vector<unsigned char> moduleReply(unsigned char address, unsigned char code,
                                              const std::vector<unsigned char>& payload) {
  std::vector<unsigned char> wire = encodeBusRequest(BusFrame{address, code, payload});
  wire.pop_back();
  return wire;
}

// What `run` printed on the console (the clients' traces).
inline std::string capturedStdout(const std::function<void()>& run) {
  testing::internal::CaptureStdout();
  run();
  return testing::internal::GetCapturedStdout();
}

// One case of a client's configuration handshake at identification: the side that holds a
// commissioned configuration gives it to the other.
struct HandshakeCase {
  const char* what;
  int moduleConfigured;  // the module's configured flag
  int fileConfigured;    // the controller's, in config.conf
  size_t pulls;          // configuration reads from the module
  size_t pushes;         // configuration writes into the module
  const char* message;   // console line of the transfer, nullptr for none
};

// Runs `identify` (the client's identification with its handshake), which must succeed,
// and checks the pulls (`pullCode`) and pushes (`pushCode`) sent to `address` and the
// console line of case `c`.
inline void expectHandshake(const ModuleBench& bench, int address, int pullCode, int pushCode,
                            const HandshakeCase& c, const std::function<int()>& identify) {
  std::string out = capturedStdout([&] { EXPECT_EQ(identify(), 1) << c.what; });
  EXPECT_EQ(bench.requests(address, pullCode).size(), c.pulls) << c.what;
  EXPECT_EQ(bench.requests(address, pushCode).size(), c.pushes) << c.what;
  if (c.message) {
    EXPECT_NE(out.find(c.message), std::string::npos) << c.what << "\n" << out;
  }
}
