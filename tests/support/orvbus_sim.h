// Runs orvbus-sim for one test: the simulator owns a pseudo-terminal, links it as
// "$ORV_ROOT/dev/ttyS1" in the test's sandbox, and answers as the scripted modules.
//
//   TestSandbox box;
//   BusSimulator sim(box, "module 1 echo\nset 1 delay 1000\n");
//   ASSERT_TRUE(sim.ready());
//   CComRS485 link;  ...  link.sendWaitForRespAuto(9600, ...);
//   EXPECT_EQ(sim.requestsSeen(request), 1);
//   sim.command("fault 1 crc 1");
#pragma once

#include <sys/types.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "orv_test_sandbox.h"

class BusSimulator {
public:
  // `scenario`: commands run at start, one a line (see platform/orvbus-sim/README.md).
  explicit BusSimulator(const TestSandbox& box, const std::string& scenario = "");
  ~BusSimulator();
  BusSimulator(const BusSimulator&) = delete;
  BusSimulator& operator=(const BusSimulator&) = delete;

  // True once the simulator linked the device and listens on its control socket.
  bool ready() const { return ready_; }
  // Sends one control command; returns the answer line ("ok ..." or "error ...").
  std::string command(const std::string& line) const;

  struct LoggedFrame {
    std::string direction;  // "RX" from the controller, "TX" from a module, "--" a note
    std::vector<unsigned char> bytes;
    std::string text;       // what the simulator made of it
  };
  std::vector<LoggedFrame> frames() const;
  // The whole frame log.
  std::string log() const;
  // How many requests arrived whose wire bytes (trailing 0x00 included) were `bytes`.
  int requestsSeen(const std::vector<unsigned char>& bytes) const;

private:
  const TestSandbox& box_;
  pid_t pid_ = -1;
  bool ready_ = false;
};

// Scenario lines of modules whose every answer is garbled: a V1 card (address 0) with a
// wrong header, the framed modules (1 V2 card, 5 HPF, 6..8 ENERGIE) with a wrong CRC.
// Their clients reject the answer at once, so detection passes over them as over absent
// modules without waiting out the link's silent tries (4.5 s an exchange, three exchanges
// for the V1 card).
std::string garbledModules(std::initializer_list<int> addresses);
