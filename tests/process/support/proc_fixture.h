// Fixture of the processing-thread tests: a sandbox with a fresh configuration store in the
// registry, the stand-in core, a scripted module centre and a thread whose 1-second sleeps
// are only counted. The clock is the program's own (orv::setWallClock moves it).
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "ORV_ProcScriptedModules.h"
#include "ORV_ProcStandInCore.h"
#include "ORV_ProcThread.h"
#include "orvDatas.h"
#include "orv_test_sandbox.h"

// The thread with its private state open to the tests.
class ProcThreadPeer : public ORV_ProcThread {
public:
  using ORV_ProcThread::ORV_ProcThread;
  using ORV_ProcThread::fluidDatas_;
  using ORV_ProcThread::cumulPuissance_;
  using ORV_ProcThread::modsDatas_;
  using ORV_ProcThread::moyenne_;
  using ORV_ProcThread::noyau_;
  using ORV_ProcThread::passLocalTime;
  using ORV_ProcThread::passTime;
  using ORV_ProcThread::valCalcul_;
  using ORV_ProcThread::alarm100_hours;
  using ORV_ProcThread::alarmStateMutex;
};

class ProcFixture : public ::testing::Test {
protected:
  ProcFixture();
  ~ProcFixture() override;

  // Configuration keys by id, as the screens would store them.
  void setCfg(int id, int value);
  void setCfgFloat(int id, float value);
  void setCfgText(int id, const std::string& value);
  int cfgInt(int id);
  // Measurement record fields by index.
  void setMes(int index, int value);
  void setMesFloat(int index, float value);
  int mesInt(int index);
  float mesFloat(int index);

  // Level of a relay output ("PORTE8", "PORTE10") in the GPIO register file.
  int relay(const char* pin);
  // Scripts the level of an input pin ("PORTG8") in the register file.
  void setInput(const char* pin, int level);

  // Local time of the program's clock moved to `text` ("YYYY-MM-DD HH:MM:SS").
  static time_t localTime(const char* text);
  void setClock(const char* text);

  // A fresh thread (after the store and the clock are set up as the test needs).
  void makeThread();
  // Starts the thread's loop and waits until it runs (its loop raises the running flag
  // itself, so a stop requested before that would be overwritten).
  void startThread();
  void stopThread();

  TestSandbox box;
  std::unique_ptr<orvDatas> store;
  ORV_ProcStandInCore core;
  ORV_ProcScriptedModules modules;
  std::unique_ptr<ProcThreadPeer> thread;
  std::vector<unsigned> sleeps;
};
