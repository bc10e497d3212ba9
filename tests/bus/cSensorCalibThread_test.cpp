#include "cSensorCalibThread.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <string>

#include "support/module_bench.h"

namespace {

QCoreApplication& application() {
  static int argc = 1;
  static char name[] = "cSensorCalibThread_test";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
  return app;
}

struct CalibResult {
  bool reported = false;
  bool inGuiThread = false;
  bool status = true;
  float value = 0.0f;
};

// Starts one worker as the ENERGIE configuration screen does and waits in the event loop
// for its queued report.
CalibResult calibrate(int module, int kind) {
  QObject screen;
  CalibResult result;
  QEventLoop loop;
  auto* worker = new cSensorCalibThread(module, kind, &screen);
  QObject::connect(worker, &cSensorCalibThread::OnThreadTerminate, &screen,
                   [&](bool status, float value) {
                     result.reported = true;
                     result.inGuiThread = QThread::currentThread() == application().thread();
                     result.status = status;
                     result.value = value;
                     loop.quit();
                   });
  QTimer::singleShot(15000, &loop, &QEventLoop::quit);
  worker->start();
  loop.exec();
  worker->wait();
  return result;
}

TEST(cSensorCalibThread, readsOneInputOfAConnectedModule) {
  application();
  CentreBench bench("module 6 energie pressure=3.5 pt100=-5\nmodule 7 energie\nmodule 8 energie\n" +
                    garbledModules({0, 1, 5}));
  ASSERT_TRUE(bench.sim->ready());
  ASSERT_EQ(bench.detect(), 3);
  bench.centre->Modul_setConnectState(3, 2);  // ENERGIE module 1 lost

  const struct {
    int module;
    int kind;
    bool status;
    float value;
    size_t exchanges;  // requests '6' to module 0
  } cases[] = {
      {0, 0, true, -5.0f, 1},    // PT100
      {0, 1, true, 3.5f, 1},     // pressure
      {0, 2, true, 999.0f, 1},   // no such input: one exchange all the same
      {3, 0, false, 999.0f, 0},  // no such module
      {-1, 0, false, 999.0f, 0},
      {1, 0, false, 999.0f, 0},  // lost
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.module) + " " + std::to_string(c.kind));
    size_t before = bench.requests(6, '6').size() + bench.requests(7, '6').size();
    CalibResult r = calibrate(c.module, c.kind);
    EXPECT_TRUE(r.reported);
    EXPECT_TRUE(r.inGuiThread);
    EXPECT_EQ(r.status, c.status);
    EXPECT_FLOAT_EQ(r.value, c.value);
    EXPECT_EQ(bench.requests(6, '6').size() + bench.requests(7, '6').size() - before, c.exchanges);
  }

  // An invalid input reports its marker as a reading; a silent module reports a failure.
  bench.sim->command("set 6 pt100 999");
  CalibResult invalid = calibrate(0, 0);
  EXPECT_TRUE(invalid.status);
  EXPECT_FLOAT_EQ(invalid.value, 999.0f);
  bench.sim->command("fault 6 silent");
  CalibResult silent = calibrate(0, 1);
  EXPECT_TRUE(silent.reported);
  EXPECT_FALSE(silent.status);
  EXPECT_FLOAT_EQ(silent.value, 999.0f);
}

}  // namespace
