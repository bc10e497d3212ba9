// A plant on the test bench for the module clients: a sandbox with its config.conf, the
// configuration store registered in slot 1 as the core does, orvbus-sim with the
// scenario's modules on "/dev/ttyS1", and the one bus link.
//
//   ModuleBench bench("module 1 mesv2 configured=1\n", "[Module_Mesure_V2]\nz2_CM_CONFIGURED=0\n");
//   MesV2Modul card(&bench.link);
//   ...; EXPECT_EQ(bench.requests(1, 15).size(), 1u);
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CComRS485.h"
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
  ~ModuleBench() { Singleton<orv_classPtr>::ptr()->datas = nullptr; }

  // The payloads of the requests the simulator received for `address` with `code`.
  std::vector<std::vector<unsigned char>> requests(int address, int code) const {
    std::vector<std::vector<unsigned char>> out;
    for (const BusSimulator::LoggedFrame& f : sim->frames())
      if (f.direction == "RX" && f.bytes.size() >= 7 && f.bytes[0] == address && f.bytes[3] == code)
        out.emplace_back(f.bytes.begin() + 6, f.bytes.end() - 1);
    return out;
  }
  // Wire bytes of the last request the simulator received.
  std::vector<unsigned char> lastRequest() const {
    std::vector<unsigned char> last;
    for (const BusSimulator::LoggedFrame& f : sim->frames())
      if (f.direction == "RX") last = f.bytes;
    return last;
  }
  std::string configText() const { return box.read("/home/ORV/config.conf"); }
  // Whether config.conf holds the line "key=value" in section `section`.
  bool configHas(const std::string& section, const std::string& line) const {
    std::string text = configText();
    size_t start = text.find("[" + section + "]");
    if (start == std::string::npos) return false;
    size_t end = text.find("\n[", start + 1);
    std::string body =
        text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    return ("\n" + body + "\n").find("\n" + line + "\n") != std::string::npos;
  }
  // Moves the program's wall clock: the watchdogs count on it.
  void advanceClock(long seconds) const { orv::setWallClock(orv::wallClockNow() + seconds); }

  TestSandbox box;
  std::unique_ptr<orvDatas> store;
  std::unique_ptr<BusSimulator> sim;
  CComRS485 link;
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
