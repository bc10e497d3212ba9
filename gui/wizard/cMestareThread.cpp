#include "cMestareThread.h"

#include "MesV1Modul.h"
#include "MesV2Modul.h"
#include "ModulsCenter.h"
#include "cardWorker.h"

namespace {
constexpr int kPasses = 5;
// The V2 card's mark of a missing weight, once truncated.
constexpr int kNoWeight = -999;
// Value 1 of both clients' data: the weight in grams.
constexpr int kWeight = 1;
}  // namespace

cMestareThread::cMestareThread(int speed, int cardType, QObject* parent)
    : QThread(parent), speed(speed), cardType(cardType) {}

void cMestareThread::run() {
  long sum = 0;
  int count = 0;
  if (waitForFreeBus(this)) {
    for (int i = 0; i < kPasses; ++i) {
      // A cancelled wizard waits for at most the exchange under way.
      if (isInterruptionRequested()) break;
      int grams = 0;
      if (readWeight(&grams)) {
        sum += grams;
        ++count;
      }
      emit OnThreadChangePercent(kPasses - 1, 0, i);
    }
  }
  if (count > 0)
    emit OnThreadTerminate(true, static_cast<int>(sum / count));
  else
    emit OnThreadTerminate(false, 0);
}

bool cMestareThread::readWeight(int* grams) {
  ModulsCenter* modules = cardModules();
  if (!modules) return false;
  if (cardType == 1) {
    MesV1Modul* card = modules->mesV1_ptr();
    if (modules->isModulMesV1_connected() != 1 || !card || card->CM1_sendTo() < 0) return false;
    *grams = static_cast<int>(card->getDATA_struct(kWeight).floatValue);
    return true;
  }
  if (cardType == 2) {
    MesV2Modul* card = modules->mesV2_ptr();
    if (modules->isModulMesV2_connected() != 1 || !card || card->CM_sendTo(13) != 0) return false;
    *grams = static_cast<int>(card->getDATA_struct(kWeight).floatValue);
    return *grams != kNoWeight;
  }
  return false;
}
