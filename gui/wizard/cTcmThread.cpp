#include "cTcmThread.h"

#include "MesV1Modul.h"
#include "MesV2Modul.h"
#include "ModulsCenter.h"
#include "cardWorker.h"

namespace {
constexpr long kSteps = 5;
// A V2 probe reading of exactly this value is a failed probe.
constexpr float kFailedProbe = 999.0f;
// The 3 m probe cable reads this much above the probe.
constexpr double kCableCorrection = 3.6;
const QString kDegrees = QStringLiteral("°C");

QString shortest(double value) { return QString::number(value, 'g', 6); }
}  // namespace

cTcmThread::cTcmThread(int speed, int cardType, QObject* parent)
    : QThread(parent), speed(speed), cardType(cardType) {}

cTcmThread::~cTcmThread() = default;

void cTcmThread::run() {
  bool answered = false;
  if (waitForFreeBus(this)) {
    if (cardType == 1)
      answered = reportV1();
    else if (cardType == 2)
      answered = reportV2();
  }
  emit OnThreadTerminate(answered);
}

bool cTcmThread::reportV1() {
  ModulsCenter* modules = cardModules();
  MesV1Modul* card = modules ? modules->mesV1_ptr() : nullptr;
  if (!card) return false;
  if (card->CM1_sendTo() < 0) {
    emit OnThreadAddLine(
        tr("\t\t\tPas de reponse de la carte\n\t\t\tVerifier les connexions de la carte mesure_V1"));
    return false;
  }
  // Value order of the V1 client: weight, outlet, outside, inlet, pressure.
  emit OnThreadChangePercent(kSteps, 0, 1);
  emit OnThreadAddLine(tr("Poids OK :\t\t\t\t %1 gr").arg(static_cast<int>(card->CMv1_getMesureValue(0))));
  emit OnThreadChangePercent(kSteps, 0, 1);
  emit OnThreadAddLine(tr("Temperature sortie reservoir OK :\t %1 ").arg(shortest(card->CMv1_getMesureValue(1))) + kDegrees);
  emit OnThreadChangePercent(kSteps, 0, 2);
  emit OnThreadAddLine(tr("Temperature exterieur OK :\t\t %1 ").arg(shortest(card->CMv1_getMesureValue(2))) + kDegrees);
  emit OnThreadChangePercent(kSteps, 0, 3);
  emit OnThreadAddLine(tr("Temperature entree reservoir OK :\t %1 ").arg(shortest(card->CMv1_getMesureValue(3))) + kDegrees);
  emit OnThreadChangePercent(kSteps, 0, 4);
  emit OnThreadAddLine(tr("Pression OK :\t\t\t\t %1 bar").arg(shortest(card->CMv1_getMesureValue(4))));
  emit OnThreadChangePercent(kSteps, 0, 5);
  return true;
}

bool cTcmThread::reportV2() {
  ModulsCenter* modules = cardModules();
  MesV2Modul* card = modules ? modules->mesV2_ptr() : nullptr;
  if (!card) return false;
  if (card->CM_sendTo(13) != 0) {
    emit OnThreadAddLine(
        tr("\t\t\tPas de reponse de la carte\n\t\t\tVerifier les connexions de la carte mesure_V2"));
    return false;
  }
  // Value order of the V2 client: weight, pressure, inlet, outlet, outside.
  const float outlet = card->CM_getMesureValue(3);
  const float outside = card->CM_getMesureValue(4);
  const float inlet = card->CM_getMesureValue(2);
  emit OnThreadChangePercent(kSteps, 0, 1);
  emit OnThreadAddLine(tr("Poids OK :\t\t\t\t %1 gr").arg(static_cast<int>(card->CM_getMesureValue(0))));
  emit OnThreadChangePercent(kSteps, 0, 1);
  if (outlet != kFailedProbe)
    emit OnThreadAddLine(tr("Temperature sortie reservoir OK :\t %1 ").arg(outlet - kCableCorrection, 0, 'f', 1) + kDegrees);
  else
    emit OnThreadAddLine(tr("Temperature sortie reservoir NOK :\t %1 ").arg(shortest(outlet)) + kDegrees);
  emit OnThreadChangePercent(kSteps, 0, 2);
  if (outside != kFailedProbe)
    emit OnThreadAddLine(tr("Temperature exterieur OK :\t\t %1 ").arg(outside - kCableCorrection, 0, 'f', 1) + kDegrees);
  else
    emit OnThreadAddLine(tr("Temperature exterieur NOK :\t\t %1 ").arg(shortest(outside)) + kDegrees);
  emit OnThreadChangePercent(kSteps, 0, 3);
  if (inlet != kFailedProbe)
    emit OnThreadAddLine(tr("Temperature entree reservoir OK :\t %1 ").arg(inlet - kCableCorrection, 0, 'f', 1) + kDegrees);
  else
    emit OnThreadAddLine(tr("Temperature entree reservoir NOK :\t %1 ").arg(inlet, 0, 'f', 1) + kDegrees);
  emit OnThreadChangePercent(kSteps, 0, 4);
  emit OnThreadAddLine(tr("Pression OK :\t\t\t\t %1 bar").arg(card->CM_getMesureValue(1), 0, 'f', 1));
  emit OnThreadChangePercent(kSteps, 0, 5);
  return true;
}
