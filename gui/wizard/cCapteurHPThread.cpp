#include "cCapteurHPThread.h"

#include "MesV1Modul.h"
#include "MesV2Modul.h"
#include "ModulsCenter.h"
#include "cardWorker.h"

namespace {
// The card clients' failure value.
constexpr float kNoReading = 999.0f;
// Value 5 of the V1 client, value 1 of the V2 client: the high pressure in bar.
constexpr int kV1Pressure = 5;
constexpr int kV2Pressure = 1;
}  // namespace

cCapteurHPThread::cCapteurHPThread(int speed, int cardType, float pressureMin, float pressureMax,
                                   QObject* parent)
    : QThread(parent), speed(speed), cardType(cardType), pressureMin(pressureMin),
      pressureMax(pressureMax) {}

cCapteurHPThread::~cCapteurHPThread() = default;

void cCapteurHPThread::run() {
  float value = kNoReading;
  const bool ok = waitForFreeBus(this) && readPressure(&value);
  emit OnThreadTerminate(ok, ok ? value : kNoReading);
}

bool cCapteurHPThread::readPressure(float* value) {
  ModulsCenter* modules = cardModules();
  if (!modules) return false;
  if (cardType == 1) {
    MesV1Modul* card = modules->mesV1_ptr();
    if (modules->isModulMesV1_connected() != 1 || !card) return false;
    if (card->CM1_sendTo() < 0) {
      emit OnThreadAddLine(tr("Pas de reponse de la carte V1; Verifier les connexions de la carte mesure"));
      return false;
    }
    *value = card->getDATA_struct(kV1Pressure).floatValue;
  } else if (cardType == 2) {
    MesV2Modul* card = modules->mesV2_ptr();
    if (modules->isModulMesV2_connected() != 1 || !card) return false;
    if (card->CM_sendTo(13) != 0) {
      emit OnThreadAddLine(tr("Pas de reponse de la carte V2; Verifier les connexions de la carte mesure"));
      return false;
    }
    *value = card->CM_getMesureValue(kV2Pressure);
  } else {
    return false;
  }
  emit OnThreadAddLine(QString::number(*value, 'f', 1));
  return true;
}
