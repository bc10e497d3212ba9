// Reference learning and the statistical leak analyses on the hourly means file: the
// learned reference mass, its commanded recalculation and automatic raise, the 3-day
// analysis that raises alarm 100 and the long-period analysis, and the alarm state they
// leave in FLAG_ALARM.
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "ORV_MeansFile.h"
#include "ORV_ProcThread.h"
#include "orv_utils.h"

namespace {
const int kLinesPerDay = 24;
const int kThreeDays = 72;
const int kSevenDays = 168;
const int kFifteenDays = 360;
const int kSixMonths = 4320;  // the longest window read, 180 days
// Band above the 3-day threshold in which a standing alarm is held.
const float kHysteresis = 0.3f;
const int kCodeLeak3Days = 100;
// Daily means a regression needs beside the reference: a slope drawn from the reference
// and one day says nothing of a trend.
const int kMinDailyMeans = 2;
// A learned or recalculated reference is also kept beside the boot script.
const char kConfigBackupCommand[] = "cp /home/ORV/config.conf /usr/share/";

std::string twoDecimals(float value) {
  char text[64];  // "%0.2f" of the largest float takes 43 characters
  std::snprintf(text, sizeof text, "%0.2f", value);
  return text;
}

bool leakAlarmStanding(uint8_t state) { return state == 2 || state == 4 || state == 6; }

// Days and hours of the settings that size the windows, bounded by the longest window
// read (a setting received from the server may hold any number).
int windowDays(int days) { return std::min(std::max(days, 1), kSixMonths / kLinesPerDay); }
float windowHours(float hours) {
  if (!(hours >= 1.0f)) return 1.0f;
  return std::min(hours, static_cast<float>(kSixMonths));
}

// The regression points of consecutive days of lines: the reference at x = 1, then the
// weighted mean of each day that has records at x = its day number + 1. A day without a
// valid record is left out, never scored as 0 kg.
struct DailyPoints {
  std::vector<float> x;
  std::vector<float> y;
  int days() const { return static_cast<int>(x.size()) - 1; }
};
DailyPoints dailyPoints(const ORV_ProcThread::MeansLine* lines, int from, int days, float reference) {
  DailyPoints p;
  p.x.push_back(1.0f);
  p.y.push_back(reference);
  for (int k = 1; k <= days; ++k) {
    const int start = from + (k - 1) * kLinesPerDay;
    const meansfile::Sums sums = meansfile::sumsOf(lines, start, start + kLinesPerDay);
    if (sums.enr > 0.0) {
      p.x.push_back(static_cast<float>(k + 1));
      p.y.push_back(static_cast<float>(sums.mean()));
    }
  }
  return p;
}
}  // namespace

void ORV_ProcThread::start_Analyse() {
  noyau_.result_A3j = 0;
  noyau_.result_ALP = 0;
  const long days = static_cast<long>((passTime - cfgInt(prockey::FLAG_PREM_DEMARRAGE)) / 86400);
  if (days < cfgInt(prockey::NOMBRE_JOURS_APPRENTISSAGE)) {
    std::printf(" *** Periode d'apprentissage pour %d jours, pas d'analyse\n", static_cast<int>(days));
    return;
  }
  std::printf(" *** Debut des analyses\n");
  analyse_moy();
  noyau_.flag_alarme = static_cast<uint8_t>(noyau_.result_ALP + noyau_.result_A3j);

  // A state of 0 never clears a stored alarm: only an acknowledgement or a relearn does.
  const int stored = cfgInt(prockey::FLAG_ALARM);
  const int state = noyau_.flag_alarme;
  if (stored == 1 || (state != stored && state != 0)) {
    setMesInt(procmes::LeakStateCopy, state);
    setMesInt(procmes::LeakState, state);
    setCfgInt(prockey::FLAG_ALARM, state);
  }
  std::printf(" *** Fin des analyses\n");
  std::fflush(stdout);
}

int ORV_ProcThread::analyse_moy() {
  std::vector<MeansLine> lines;
  int n = 0;
  int indice_un = 0;
  int indice_zero = 0;
  // A mean mass above what the receivers hold when full is a damaged value, not an hour.
  if (!meansfile::scan(&lines, &n, &indice_un, &indice_zero, receiversFullMassKg())) {
    std::printf("Erreur dans la determination de taille et index de moy.msr!!!!\n");
    return -1;
  }

  // Watch lines written since learning ended.
  const int d = indice_zero - indice_un;
  const bool flagA3j = d >= kThreeDays;
  const bool flagALP = d >= kSevenDays;
  const bool flagReMoy = cfgInt(prockey::FLAG_RECALC_MOYREF) == 1
                             ? d >= static_cast<int>(windowHours(cfgFloat(prockey::CONFIG_MOY_REF_RECALCUL_HEURE)))
                             : d >= kFifteenDays;
  std::printf("Flag_A3j = %d, Flag_ALP = %d, Flag_Re_moy = %d\n", flagA3j, flagALP, flagReMoy);

  if (!(indice_un < indice_zero && (flagA3j || flagALP))) {
    noyau_.result_A3j = 0;
    noyau_.result_ALP = 0;
    std::printf("  ***** analyse_moy::mode apprentissage ou recalcul en cours...\n");
    return learnReference(lines.data(), n, indice_un, indice_zero);
  }
  std::printf("  ***** analyse_moy::mode normal on peut faire des analyse...\n");

  // The window: the last six months, or the whole days of lines since the last learning line.
  int length;
  if (n - kSixMonths > indice_un) {
    std::printf("donnees de six mois\n");
    length = kSixMonths;
  } else {
    std::printf("donnees - que six mois\n");
    length = kLinesPerDay * ((n - indice_un) / kLinesPerDay);
    if (length == 0) return 0;
  }
  const MeansLine* window = lines.data() + (n - length);

  float reference = cfgFloat(prockey::MOYENNE_REFERENCE);
  if (flagReMoy) reference = recalculateReference(window, length, reference);
  if (length >= kThreeDays && flagA3j) analyseThreeDays(window, length, reference);
  if (flagALP) return analyseLongPeriod(window, length, reference);
  return 0;
}

int ORV_ProcThread::learnReference(const MeansLine* lines, int n, int indice_un, int indice_zero) {
  // One day to six months are averaged, whatever the configured learning period.
  const int days = windowDays(cfgInt(prockey::NOMBRE_JOURS_APPRENTISSAGE));
  if (!(days * kLinesPerDay + 2 < indice_un - indice_zero)) {
    std::printf("analyse_moy() : Pas assez de donnees....\n");
    return 0;
  }
  // The last `days` whole days of lines, one weighted mean per day.
  std::vector<float> dailyMeans(days, 0.0f);
  const int first = std::max(n - days * kLinesPerDay, 0);
  for (int k = 0; k < days && first + (k + 1) * kLinesPerDay <= n; ++k) {
    meansfile::Sums sums = meansfile::sumsOf(lines, first + k * kLinesPerDay, first + (k + 1) * kLinesPerDay);
    std::printf("Sum_enr = %0.4f, Sum_poids = %0.4f\n", sums.enr, sums.poids);
    if (sums.poids <= 0.0 || sums.enr <= 0.0) {
      std::printf("Analyse_moy(): Erreur Sum <= 0 !!!\n");
      return -2;
    }
    dailyMeans[k] = static_cast<float>(sums.mean());
    std::printf("Tab_moy[%d] = %0.4f\n", k, dailyMeans[k]);
  }
  const float reference = calcule_moyenne_ref(dailyMeans.data(), days, 0);
  setCfgFloat(prockey::MOYENNE_REFERENCE, reference);
  setMesFloat(procmes::ReferenceMass, reference);
  systemCommand(kConfigBackupCommand);
  return 0;
}

float ORV_ProcThread::recalculateReference(const MeansLine* window, int length, float reference) {
  const float hours = windowHours(cfgFloat(prockey::CONFIG_MOY_REF_RECALCUL_HEURE));
  const bool commanded = cfgInt(prockey::FLAG_RECALC_MOYREF) == 1;
  int countdown = cfgInt(prockey::CONFIG_MOY_REF_RECALCUL_CTRL);

  // The commanded recalculation averages the last H - 1 lines, the automatic raise the last
  // 24 x z1_AJUSTE_JOURS - 1; either window starts inside the table and holds its last line.
  int start = countdown == 0 && commanded
                  ? static_cast<int>(static_cast<float>(length) - hours + 1.0f)
                  : length - kLinesPerDay * windowDays(cfgInt(prockey::z1_AJUSTE_JOURS)) + 1;
  start = std::min(std::max(start, 0), length - 1);
  const meansfile::Sums sums = meansfile::sumsOf(window, start, length);
  const float w = static_cast<float>(sums.mean());
  std::printf("moy_recalcule= (Sum_poids / Sum_enr) %0.4f %0.4f\n", sums.poids, sums.enr);

  if (!commanded) {
    // Automatic raise: a mean mass far above the reference (a recharged plant).
    if (w > reference / 100.0f * cfgInt(prockey::z1_AJUSTE_POURCENT)) {
      reference = w;
      setCfgFloat(prockey::MOYENNE_REFERENCE, reference);
      setMesFloat(procmes::ReferenceMass, reference);
    }
    return reference;
  }

  if (countdown < 0) {
    // Just requested: one step per hourly run.
    countdown = std::max(static_cast<int>(hours) - 1, 0);
  } else if (countdown > 0) {
    countdown--;
  } else if (sums.enr > 0.0) {
    reference = w;
    setCfgFloat(prockey::MOYENNE_REFERENCE, reference);
    setMesFloat(procmes::ReferenceMass, reference);
    setCfgInt(prockey::FLAG_RECALC_MOYREF, 0);
    countdown = -1;
    systemCommand(kConfigBackupCommand);
  } else {
    // Not one record in the window: a reference of 0 would mean an empty plant. Next hour.
    std::printf("analyse_moy: recalcul de la reference reporte, aucun enregistrement\n");
  }
  setCfgInt(prockey::CONFIG_MOY_REF_RECALCUL_CTRL, countdown);
  return reference;
}

bool ORV_ProcThread::analyseThreeDays(const MeansLine* window, int length, float reference) {
  std::printf("Analyse 3 jours, %d\n", noyau_.flag_alarme);
  std::printf("length_tab = %d, Ind_tab = %d\n", length, length - kThreeDays);

  // The reference and the weighted means of the last three days; a day without records
  // keeps the point it had and stays out of the regression.
  const DailyPoints p = dailyPoints(window, length - kThreeDays, 3, reference);
  float* points = noyau_.points_A3j;
  points[0] = reference;
  std::printf("Calcul[%d] = %0.2f\n", 0, points[0]);
  for (int k = 1, i = 1; k <= 3; ++k) {
    if (i < static_cast<int>(p.x.size()) && static_cast<int>(p.x[i]) == k + 1) {
      points[k] = p.y[i++];
      std::printf("Calcul[%d] = %0.2f\n", k, points[k]);
    } else {
      std::printf("Calcul[%d]: aucune mesure valide ce jour\n", k);
    }
  }
  if (p.days() < kMinDailyMeans) {
    std::printf("Analyse 3 jours: %d jour(s) sur 3 avec des mesures valides, pas de resultat\n", p.days());
    keepLeakResult(2);
    return false;
  }
  float slope = 0.0f;
  float intercept = 0.0f;
  if (linear_regression(p.x.data(), p.y.data(), static_cast<int>(p.x.size()), &slope, &intercept) == 0) {
    slope += cfgFloat(prockey::z5_CONFIG_HPFcorrection);
  } else {
    std::printf(" --- ERROR linear_regression\n");
    slope = 0.0f;
  }
  if (!std::isfinite(slope)) {
    std::printf("Analyse 3 jours: pente non calculable, pas de resultat\n");
    keepLeakResult(2);
    return false;
  }

  const float threshold = cfgFloat(prockey::REGLAGE_ALARM_3JOURS);
  if (leakAlarmStanding(noyau_.flag_alarme)) {
    alarm100_hours++;
    if (slope > threshold + kHysteresis) {
      alarm100_hours = 0;
      noyau_.result_A3j = 0;
    } else if (slope > threshold) {
      noyau_.result_A3j = 2;
    } else {
      std::printf("Erreur data\n");
      noyau_.result_A3j = 0;
    }
  } else if (slope <= threshold && cfgInt(prockey::STAT3J_CHECK) == 1) {
    noyau_.result_A3j = 2;
    const std::string slopeText = twoDecimals(slope);
    const std::string thresholdText = twoDecimals(threshold);
    std::printf(" *** ++ *** %d _ %u _ %f\n", noyau_.alarm100_sent, alarm100_hours, slope);
    // Sent once per episode; the hour counter keeps consecutive runs from sending it again.
    if (!noyau_.alarm100_sent || alarm100_hours <= 1) {
      if (core_) core_->dispatchAlarm(kCodeLeak3Days, true, slopeText, thresholdText);
      usleep(100);
      noyau_.alarm100_sent = true;
      alarm100_hours++;
      std::printf("Send_Alarmes : analyse_moy::E_EVT_ALARM_TYPE1\n");
    }
  } else {
    noyau_.result_A3j = 0;
  }

  setMesFloat(procmes::Slope3Days, slope);
  setCfgFloat(prockey::ANCIEN_PENTE, slope);
  std::printf("Pente à 3 jours = %0.2f\n", slope);
  return true;
}

void ORV_ProcThread::keepLeakResult(uint8_t analysis) {
  if (analysis == 2) noyau_.result_A3j = noyau_.flag_alarme & 2;
  if (analysis == 4) noyau_.result_ALP = noyau_.flag_alarme & 4;
}

int ORV_ProcThread::analyseLongPeriod(const MeansLine* window, int length, float reference) {
  std::printf("Analyse grande periode\n");
  const int valid = dailyPoints(window, 0, length / kLinesPerDay, reference).days();
  if (valid < kMinDailyMeans) {
    std::printf("Analyse grande periode: %d jour(s) avec des mesures valides, pas de resultat\n", valid);
    keepLeakResult(4);
    return 0;
  }
  // Drops the oldest day until a regression succeeds. When none does, the result is -1 and
  // the means file is kept: it holds the plant's whole history.
  for (int offset = 0;; offset += kLinesPerDay) {
    const int days = (length - offset) / kLinesPerDay;
    std::printf("Nombre de jours = %d\n", days);
    if (days < 0) return -1;
    std::printf("moyennes[%d] = %0.2f\n", 0, reference);
    const DailyPoints p = dailyPoints(window, offset, days, reference);
    float slope = 0.0f;
    float intercept = 0.0f;
    if (p.days() < kMinDailyMeans ||
        linear_regression(p.x.data(), p.y.data(), static_cast<int>(p.x.size()), &slope, &intercept) != 0) {
      continue;
    }
    if (!std::isfinite(slope)) {
      std::printf("Analyse grande periode: pente non calculable, pas de resultat\n");
      keepLeakResult(4);
      return 0;
    }
    setMesFloat(procmes::SlopeLongPeriod, slope);
    std::printf("pente grande periode = %0.2f\n", slope);
    noyau_.result_ALP = slope <= cfgFloat(prockey::REGLAGE_ALARM_GPERIODE) &&
                                cfgInt(prockey::STATLP_CHECK) == 1
                            ? 4
                            : 0;
    return 0;
  }
}
