#include "cEtalonnageThread.h"

#include "MesV1Modul.h"
#include "MesV2Modul.h"
#include "ModulsCenter.h"
#include "cardWorker.h"

namespace {
// Outdoor, inlet, outlet: the V1 client's data indices and the V2 client's value indices.
constexpr int kV1Index[3] = {3, 4, 2};
constexpr int kV2Index[3] = {4, 2, 3};
}  // namespace

cEtalonnageThread::cEtalonnageThread(int speed, int cardType, QObject* parent)
    : QThread(parent), speed(speed), cardType(cardType) {}

void cEtalonnageThread::run() {
  const bool answered = waitForFreeBus(this) && readTemperatures();
  emit OnThreadTerminate(answered, 0);
}

bool cEtalonnageThread::readTemperatures() {
  ModulsCenter* modules = cardModules();
  if (!modules) return false;
  if (cardType == 1) {
    MesV1Modul* card = modules->mesV1_ptr();
    if (modules->isModulMesV1_connected() != 1 || !card) return false;
    if (card->CM1_sendTo() < 0) {
      emit OnThreadAddLine(tr("Pas de reponse de la carte V1; Verifier les connexions de la carte mesure"), 0);
      return false;
    }
    for (int k = 0; k < 3; ++k)
      emit OnThreadAddLine(QString::number(card->getDATA_struct(kV1Index[k]).floatValue, 'f', 1), k + 1);
    return true;
  }
  if (cardType == 2) {
    MesV2Modul* card = modules->mesV2_ptr();
    if (modules->isModulMesV2_connected() != 1 || !card) return false;
    if (card->CM_sendTo(13) != 0) {
      emit OnThreadAddLine(tr("Pas de reponse de la carte V2; Verifier les connexions de la carte mesure"), 0);
      return false;
    }
    for (int k = 0; k < 3; ++k)
      emit OnThreadAddLine(QString::number(card->CM_getMesureValue(kV2Index[k]), 'f', 1), k + 1);
    return true;
  }
  return false;
}
