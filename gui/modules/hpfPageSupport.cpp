#include "hpfPageSupport.h"

#include <cmath>

#include "ModulsCenter.h"
#include "orv_classPtr.h"

HpfModul* hpfClient() {
  ModulsCenter* centre = Singleton<orv_classPtr>::ptr()->modules;
  return centre ? centre->hpf_ptr() : nullptr;
}

QString hpfNumberText(double value) { return QStringLiteral("%1").arg(value, 0, 'g', 6); }

float hpfTextToFloat(const QString& text) {
  bool ok = false;
  float value = text.toFloat(&ok);
  return ok && std::isfinite(value) ? value : 0.0f;
}

int hpfTextToInt(const QString& text) {
  bool ok = false;
  int value = text.toInt(&ok, 10);
  return ok ? value : 0;
}

unsigned hpfTextToUInt(const QString& text) {
  bool ok = false;
  unsigned value = text.toUInt(&ok, 10);
  return ok ? value : 0u;
}
