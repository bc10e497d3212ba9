#include "cSensorCalibThread.h"

#include "EnerModul.h"
#include "ModulsCenter.h"
#include "orv_classPtr.h"

namespace {
constexpr unsigned char kReadMeasures = '6';
constexpr int kPressureIndex = 1;
constexpr int kPt100Index = 2;
constexpr float kInvalid = 999.0f;
}  // namespace

cSensorCalibThread::cSensorCalibThread(int moduleNumber, int kind, QObject* parent)
    : QThread(parent), moduleNumber(moduleNumber), kind(kind) {}

cSensorCalibThread::~cSensorCalibThread() { wait(); }

void cSensorCalibThread::run() {
  ModulsCenter* centre = Singleton<orv_classPtr>::ptr()->modules;
  // Compared unsigned, so a negative module number is refused too.
  if (static_cast<unsigned>(moduleNumber) > 2 || !centre || !centre->ener_ptr() ||
      centre->isModulEner_connected(moduleNumber) != 1) {
    emit OnThreadTerminate(false, kInvalid);
    return;
  }
  EnerModul* ener = centre->ener_ptr();
  if (ener->orvcomm_sendToENER(moduleNumber, kReadMeasures) != 0) {
    emit OnThreadTerminate(false, kInvalid);
    return;
  }
  if (kind == 0) emit OnThreadTerminate(true, ener->getDATA_struct(moduleNumber, kPt100Index).floatValue);
  else if (kind == 1) emit OnThreadTerminate(true, ener->getDATA_struct(moduleNumber, kPressureIndex).floatValue);
  else emit OnThreadTerminate(true, kInvalid);
}
