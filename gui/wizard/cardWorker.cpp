#include "cardWorker.h"

#include <QElapsedTimer>
#include <QProgressBar>
#include <QThread>

#include "ORV_ProcThread.h"
#include "orv_classPtr.h"

namespace {
constexpr int kBusWaitMs = 30000;
constexpr int kBusPollMs = 20;
}  // namespace

ModulsCenter* cardModules() { return Singleton<orv_classPtr>::ptr()->modules; }

bool waitForFreeBus(QThread* worker) {
  ORV_ProcThread* proc = Singleton<orv_classPtr>::ptr()->procThread;
  QElapsedTimer waited;
  waited.start();
  while (proc && proc->isInPass() && waited.elapsed() < kBusWaitMs) {
    if (worker->isInterruptionRequested()) return false;
    QThread::msleep(kBusPollMs);
  }
  return !worker->isInterruptionRequested();
}

void finishCardWorker(QThread* worker, QObject* page) {
  if (!worker) return;
  QObject::disconnect(worker, nullptr, page, nullptr);
  worker->requestInterruption();
  worker->wait();
}

void dropFinishedWorker(QThread* worker) {
  if (!worker) return;
  worker->exit(0);
  worker->wait();
  delete worker;
}

void showWorkerProgress(QProgressBar* bar, long aMax, long aMin, long aValue) {
  bar->setMaximum(static_cast<int>(aMax));
  bar->setMinimum(static_cast<int>(aMin));
  bar->setValue(static_cast<int>(aValue));
}
