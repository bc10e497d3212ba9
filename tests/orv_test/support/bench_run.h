// Runs one bench worker on its own and collects what it reports, in the test's thread.
#pragma once

#include <gtest/gtest.h>

#include <QObject>
#include <QString>
#include <QTest>

#include <string>
#include <vector>

#include "cAutoTestThread.h"
#include "support/bench_sandbox.h"

struct BenchRun {
  std::vector<std::string> lines;
  int errors = -1;

  // Starts a worker for `server` and waits for its end (`whileRunning` is called once the
  // watch line has come, with the lines so far).
  template <typename F>
  void run(const std::string& server, int gpioWatchMs, F whileRunning) {
    benchApplication();
    cAutoTestThread worker(nullptr, gpioWatchMs, 0);
    worker.setServerAddress(server);
    QObject receiver;
    QObject::connect(&worker, &cAutoTestThread::sig_ThreadUpdText, &receiver,
                     [this](QString text) { lines.push_back(text.toStdString()); },
                     Qt::QueuedConnection);
    QObject::connect(&worker, &cAutoTestThread::sig_ThreadEnd, &receiver,
                     [this](int count) { errors = count; }, Qt::QueuedConnection);
    worker.start();
    if (QTest::qWaitFor([&] { return has("Test GPIO des sorties RELAIS et entrées TOR pour 40 secondes"); },
                        60000))
      whileRunning(*this);
    if (!QTest::qWaitFor([&] { return errors >= 0; }, 120000)) ADD_FAILURE() << "the run did not end";
    worker.wait();
  }
  void run(const std::string& server, int gpioWatchMs = 200) {
    run(server, gpioWatchMs, [](BenchRun&) {});
  }
  bool has(const std::string& text) const {
    for (const std::string& l : lines)
      if (l == text) return true;
    return false;
  }
};
