// The hourly accumulator, the hourly means line of "/home/ORV/moy.msr", the scan of that
// file and the hourly copy of the day measurement file to flash.
#include <cstdio>
#include <vector>

#include "ORV_FieldLine.h"
#include "ORV_MeansFile.h"
#include "ORV_ProcThread.h"
#include "orvDatas.h"
#include "orvPlatform.h"
#include "orvVersion.h"
#include "orv_utils.h"

namespace {
// Mean of a sum over its count; 0 when nothing was counted.
double meanOf(double sum, int count) { return count > 0 ? sum / count : 0.0; }
}  // namespace

void ORV_ProcThread::accumulate_moyenne() {
  struct_compteur_moyenne& m = moyenne_;
  auto x = [this](int k) { return modsDatas_.value[k]; };
  auto v = [this](int k) { return valCalcul_.val[k]; };
  const float tsatHp = fluidDatas_[0].val[0];
  const float capacity = mesFloat(procmes::RefrigerationCapacity);
  const float mass = mesFloat(procmes::RefrigerantMass);
  const bool running = mesInt(procmes::PlantRunning) == 1;

  m.n_enr++;
  if (capacity > 0.0f) {
    m.n_cold++;
    m.s_cold += capacity;
    m.s_flow += mesFloat(procmes::MassFlow);
  }
  if (cumulPuissance_.puissTotalComp >= 1.0f) {
    m.n_cop++;
    m.s_cop1 += mesFloat(procmes::Ratio1);
    m.s_cop3 += mesFloat(procmes::Ratio3);
    m.s_cop4 += mesFloat(procmes::Ratio4);
  }
  // A mass of 999.0 marks an invalid weight: it must not enter the mean mass that learning
  // and the leak analyses read, nor may a value no receiver can hold.
  if (x(modval::Poids) != -999.0f && modsDatas_.sensorFault[modval::Poids] == 0 &&
      meansfile::plausibleMassKg(mass)) {
    m.s_mass += mass;
    m.n_mass++;
  }
  if (readingValid(modval::TempEXT)) {
    m.s_text += x(modval::TempEXT);
    m.n_text++;
  }
  if (readingValid(modval::TempENT)) {
    m.s_tent += x(modval::TempENT);
    m.n_tent++;
  }
  if (readingValid(modval::TempSOR)) {
    m.s_tsor += x(modval::TempSOR);
    m.n_tsor++;
  }
  m.s_tsat_hp += tsatHp;
  if (readingValid(modval::TempASP)) {
    m.n_tasp++;
    m.s_tasp += x(modval::TempASP);
    m.s_tsat_bp += fluidDatas_[2].val[0];
  }

  int thresholdG = cfgInt(prockey::ALARME_NIVEAU_MINI_G);
  if (cfgInt(prockey::ALARME_PUMPDOWN) == 1 && !running) {
    thresholdG = cfgInt(prockey::ALARME_NIVEAU_MINI_G_NUIT);
  }
  if (static_cast<double>(mass) < thresholdG / 1000.0) m.n_low_level++;

  // Subcooling is not watched on a transcritical CO2 plant.
  if (!isCO2Plant() || cfgInt(prockey::CONFIG_SUBCRITIQUE) == 1) {
    // An invalid liquid temperature (999) says nothing about subcooling.
    if (readingValid(modval::TempSOR) && tsatHp - x(modval::TempSOR) < 0.0f) {
      m.n_no_subcool++;
      if (running) m.n_no_subcool_run++;
    }
  } else {
    m.n_no_subcool = 0;
    m.n_no_subcool_run = 0;
  }

  if (running) {
    if (v(7) > 0.0f) {
      m.n_flow++;
      m.s_flow_kg += v(7) / 1000.0f;
    }
    // 999.0 is the discharge temperature that could not be computed.
    if (v(6) > 0.0f && v(6) != 999.0f) {
      m.n_tdis++;
      m.s_tdis += v(6);
    }
    if (v(8) > 0.0f) {
      m.n_qo++;
      m.s_qo += v(8) / 1000.0f;
    }
    if (v(3) > 0.0f) {
      m.n_cop_a++;
      m.s_cop_a += v(3);
    }
    if (v(4) > 0.0f) {
      m.n_cop_b++;
      m.s_cop_b += v(4);
    }
    if (v(5) > 0.0f) {
      m.n_cop_c++;
      m.s_cop_c += v(5);
    }
  }
  if (readingValid(modval::TempREF)) {
    m.s_tref += x(modval::TempREF);
    m.n_tref++;
  }
  if (readingValid(modval::PressionEner1) && cumulPuissance_.puissTotalComp > 0.0f) {
    m.s_pdis += x(modval::PressionEner1);
    m.n_pdis++;
  }
}

int ORV_ProcThread::WriteMoyenne(tm* t) {
  const struct_compteur_moyenne& m = moyenne_;
  const float reference = cfgFloat(prockey::MOYENNE_REFERENCE);
  const bool pumpdown = cfgInt(prockey::ALARME_PUMPDOWN) == 1 && mesInt(procmes::PlantRunning) == 0;
  const bool hpf = modules_ && modules_->isModulHpf_connected() == 1;
  orvDatas* store = datas();
  const float recharge = store ? store->getNewCharge() : 0.0f;
  struct tm pass = *t;
  const time_t passTimeOfLine = mktime(&pass);

  FieldLine line;
  line.add("%02i/%02i/%4i", t->tm_mday, t->tm_mon + 1, t->tm_year + 1900);
  // The hour the line closes; the last one of the day keeps the day's date.
  line.add("%02i", t->tm_hour >= 23 ? 0 : t->tm_hour + 1);
  line.add("%d", m.n_enr);
  // Records without one valid mass: the invalid mass, which learning and the analyses weigh
  // as nothing, rather than a mean of 0 kg that they would weigh by the hour's records.
  line.add("%.2f", m.n_enr > 0 && m.n_mass == 0 ? meansfile::kInvalidMassKg : meanOf(m.s_mass, m.n_mass));
  line.add("%.2f", reference);
  line.add("%.2f", cfgFloat(prockey::REGLAGE_ALARM_GPERIODE));
  line.add("%.2f", mesFloat(procmes::SlopeLongPeriod));
  line.add("%.2f", cfgFloat(prockey::REGLAGE_ALARM_3JOURS));
  line.add("%.2f", cfgFloat(prockey::ANCIEN_PENTE));
  line.add("%.2f", meanOf(m.s_text, m.n_text));
  line.add("%.2f", meanOf(m.s_tent, m.n_tent));
  line.add("%.2f", meanOf(m.s_tsor, m.n_tsor));
  // Learning marker: lines stay learning lines until a reference has been learned.
  line.add("%d", reference == 0.0f ? 1 : (cfgInt(prockey::FLAG_ALARM) == 1 ? 1 : 0));
  line.add("%.2f", cfgInt(pumpdown ? prockey::ALARME_NIVEAU_MINI_G_NUIT : prockey::ALARME_NIVEAU_MINI_G) / 1000.0);
  line.add("%d", m.n_low_level);
  line.add("%d", m.n_no_subcool);
  line.add("%d", static_cast<int>((passTimeOfLine - cfgInt(prockey::FLAG_PREM_DEMARRAGE)) / 86400 + 1));
  line.add("%.2f", meanOf(m.s_tsat_hp, m.n_enr));
  for (int k = 0; k < 4; ++k) line.add("%.2f", noyau_.points_A3j[k]);
  line.add("%d", m.n_run_passes);
  line.add("%d", m.n_no_subcool_run);
  if (hpf) {
    line.add("%.2f", modules_->hpf_getDATA_struct(25).floatValue);
    line.add("%d", static_cast<uint8_t>(modules_->hpf_getDATA_struct(19).charValue));
    line.add("%d", static_cast<uint8_t>(modules_->hpf_getDATA_struct(23).charValue));
  } else {
    line.add("0.0");
    line.add("0");
    line.add("0");
  }
  for (int k = 0; k < 6; ++k) line.add("%.2f", cumulPuissance_.energieComp[k]);
  for (int k = 0; k < 8; ++k) line.add("%.2f", cumulPuissance_.energieGroupe[k]);
  line.add("%f", meanOf(m.s_cop1, m.n_cop));
  line.add("%f", meanOf(m.s_cop3, m.n_cop));
  line.add("%f", meanOf(m.s_cop4, m.n_cop));
  line.add("%.2f", meanOf(m.s_cold, m.n_cold));
  line.add("%d", 0);
  line.add("%.2f", meanOf(m.s_tsat_bp, m.n_tasp));
  line.add("%.2f", meanOf(m.s_tasp, m.n_tasp));
  line.add("%2d.%02d.%02d", VERSION_MAJOR, VERSION_MINOR, VERSION_RELEASE);
  line.add("%.2f", meanOf(m.s_pdis, m.n_pdis));
  line.add("%.2f", meanOf(m.s_flow_kg, m.n_flow));
  line.add("%.2f", meanOf(m.s_tdis, m.n_tdis));
  line.add("%.2f", meanOf(m.s_qo, m.n_qo));
  line.add("%f", meanOf(m.s_cop_a, m.n_cop_a));
  line.add("%f", meanOf(m.s_cop_b, m.n_cop_b));
  line.add("%f", meanOf(m.s_cop_c, m.n_cop_c));
  line.add("%.2f", meanOf(m.s_tref, m.n_tref));
  line.addText(cfgString(prockey::CONFIG_FLUID));
  line.add("%d", cfgInt(prockey::CONFIG_CHARGE_FLUIDE));
  const float battery = modsDatas_.value[modval::BattRadio];
  line.add("%.2f", battery == 999.0f ? 0.0f : battery);
  line.add("%d", cfgInt(prockey::ALARME_PUMPDOWN));
  line.add("%.2f", recharge > 0.0f ? recharge : 0.0f);

  // Not written: the sums (and the recharge) go into the next hour's line.
  if (!meansfile::appendLine(line.text())) {
    std::printf("WriteMoyenne::Error opening file moy.msr\n");
    return 1;
  }
  if (recharge > 0.0f && store) store->setNewCharge(0.0f);
  init_compteur_moyenne(moyenne_);
  return 0;
}

void ORV_ProcThread::file_saving_management() {
  {
    std::lock_guard<std::mutex> lock(alarmStateMutex);
    noyau_.result_A3j = 0;
    noyau_.result_ALP = 0;
  }
  if (!core_) return;
  const std::string name = core_->getMeasureMsrFileName();
  if (name.empty()) return;
  // A failed copy is not reported: the next hour copies the whole day file again.
  orvFileCopyReplace(("/ramdisk/" + name).c_str(), ("/home/ORV/" + name).c_str());
}

int ORV_ProcThread::get_taille_index(int* n, int* indice_un, int* indice_zero) {
  std::vector<MeansLine> lines;
  if (!n || !indice_un || !indice_zero) return -1;
  return meansfile::scan(&lines, n, indice_un, indice_zero) ? 0 : -1;
}
