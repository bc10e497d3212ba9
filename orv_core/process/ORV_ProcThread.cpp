// The processing thread: start-up, the loop, one pass, the hourly and nightly schedule,
// the relearn reset and the store access shared by the thread's files.
#include "ORV_ProcThread.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>

#include "FLuidsNorvale.h"
#include "gpio.h"
#include "orvDatas.h"
#include "orvPlatform.h"
#include "orv_classPtr.h"
#include "orv_utils.h"

namespace {
// The hourly work starts at xx:59:30.
const int kHourlyOffset = 3570;
const int kHour = 3600;
// The storage clean-up runs when the data directory has this much free space or less.
const int kStorageFullMiB = 44;
const unsigned kPausePollMs = 100;

// A value of the exchange record that is not a number is no measurement: it becomes the
// invalid marker (-999 for the weight, 999 otherwise), so that nothing uses, sums or
// writes it.
void markNonNumbersInvalid(modules_exchange_t& x) {
  for (int k = 0; k < 12; ++k) {
    const float value = x.value[k];
    if (!std::isfinite(value)) x.value[k] = k == modval::Poids ? -999.0f : 999.0f;
  }
}
}  // namespace

ORV_ProcThread::ORV_ProcThread(ORV_ProcCore* core, ORV_ProcModules* modules)
    : passTime(0),
      gpioReadValue(-1),
      relayDriveValue(0),
      plantRunning(0),
      sleepState(false),
      scratchInt(0),
      scratchFloat(0.0f),
      skip_first_record(true),
      alarm100_hours(0),
      threadRunning(0),
      core_(core),
      modules_(modules),
      pauseSleepMs_(kPausePollMs) {
  std::printf("[ORV_ProcThread] Started\n");
  std::memset(&passLocalTime, 0, sizeof passLocalTime);
  std::memset(&noyau_, 0, sizeof noyau_);
  std::memset(&moyenne_, 0, sizeof moyenne_);
  std::memset(&cumulPuissance_, 0, sizeof cumulPuissance_);
  std::memset(&modsDatas_, 0, sizeof modsDatas_);
  std::memset(&valCalcul_, 0, sizeof valCalcul_);
  std::memset(fluidDatas_, 0, sizeof fluidDatas_);
  passTime = orv::wallClockNow();
  localtime_r(&passTime, &passLocalTime);
}

// The loop ends by itself after the pass in progress, rather than being cancelled in the
// middle of a file write or a bus exchange; the object goes only once it has.
ORV_ProcThread::~ORV_ProcThread() { stop(); }

void ORV_ProcThread::stop() {
  {
    std::lock_guard<std::mutex> lock(runningMutex);
    stopping_ = true;
    threadRunning = 0;
  }
  waitUntilEnded();
}

int ORV_ProcThread::get_ThreadRunning() {
  std::lock_guard<std::mutex> lock(runningMutex);
  return threadRunning;
}

void ORV_ProcThread::set_ThreadRunning(int running) {
  std::lock_guard<std::mutex> lock(runningMutex);
  threadRunning = running;
}

void ORV_ProcThread::change_sleepThreadState(bool paused) {
  std::lock_guard<std::mutex> lock(sleepMutex);
  sleepState = paused;
}

bool ORV_ProcThread::get_sleepThreadState() {
  std::lock_guard<std::mutex> lock(sleepMutex);
  return sleepState;
}

bool ORV_ProcThread::isInPass() {
  std::lock_guard<std::mutex> lock(sleepMutex);
  return inPass_;
}

void ORV_ProcThread::setSleepFunction(std::function<void(unsigned)> sleeper) {
  sleeper_ = std::move(sleeper);
}

void ORV_ProcThread::sleepSeconds(unsigned seconds) {
  if (sleeper_) {
    sleeper_(seconds);
  } else {
    sleep(seconds);
  }
}

void ORV_ProcThread::init_proc_noyau(struct_proc_noyau& n) {
  std::memset(&n, 0, sizeof n);
  passTime = orv::wallClockNow();
  localtime_r(&passTime, &passLocalTime);
}

void ORV_ProcThread::init_compteur_moyenne(struct_compteur_moyenne& m) {
  std::memset(&m, 0, sizeof m);
}

// ---------------------------------------------------------------------------------------
// Store access

orvDatas* ORV_ProcThread::datas() { return Singleton<orv_classPtr>::ptr()->datas; }
FLuidsNorvale* ORV_ProcThread::fluids() { return Singleton<orv_classPtr>::ptr()->fluids; }

int ORV_ProcThread::cfgInt(int id) {
  orvDatas* d = datas();
  return d ? d->getCFG_struct(id).intValue : 0;
}

float ORV_ProcThread::cfgFloat(int id) {
  orvDatas* d = datas();
  return d ? d->getCFG_struct(id).floatValue : 0.0f;
}

char ORV_ProcThread::cfgChar(int id) {
  orvDatas* d = datas();
  return d ? d->getCFG_struct(id).charValue : 0;
}

std::string ORV_ProcThread::cfgString(int id) {
  orvDatas* d = datas();
  return d ? d->getCFG_struct(id).stringValue : std::string();
}

void ORV_ProcThread::setCfgInt(int id, int value) {
  if (orvDatas* d = datas()) d->setCFG_struct(id, &value);
}

void ORV_ProcThread::setCfgFloat(int id, float value) {
  if (orvDatas* d = datas()) d->setCFG_struct(id, &value);
}

int ORV_ProcThread::mesInt(int index) {
  orvDatas* d = datas();
  if (!d) return 0;
  mes_value_t v = d->getMES_struct(index);
  switch (mesIndexType(index)) {
    case MES_CHAR: return static_cast<signed char>(v.charValue);
    case MES_FLOAT: return static_cast<int>(v.floatValue);
    default: return v.intValue;
  }
}

float ORV_ProcThread::mesFloat(int index) {
  orvDatas* d = datas();
  return d ? d->getMES_struct(index).floatValue : 0.0f;
}

void ORV_ProcThread::setMesInt(int index, int value) {
  orvDatas* d = datas();
  if (!d) return;
  if (mesIndexType(index) == MES_CHAR) {
    char c = static_cast<char>(value);
    d->setMES_struct(index, &c);
  } else {
    d->setMES_struct(index, &value);
  }
}

void ORV_ProcThread::setMesFloat(int index, float value) {
  if (orvDatas* d = datas()) d->setMES_struct(index, &value);
}

bool ORV_ProcThread::readingValid(int k) const {
  return modsDatas_.value[k] != 999.0f && modsDatas_.sensorFault[k] == 0;
}

bool ORV_ProcThread::isCO2Plant() {
  return cfgString(prockey::CONFIG_FLUID).find("CO2") != std::string::npos;
}

void ORV_ProcThread::driveRelay(const char* pin, int value) {
  relayDriveValue = value;
  GPIO(pin, "OUTPUT", &relayDriveValue);
}

int ORV_ProcThread::readInput(const char* pin, int failed) {
  gpioReadValue = -1;
  if (GPIO(pin, "INPUT", &gpioReadValue) != 0) return failed;
  // The inputs are active low.
  if (gpioReadValue == 0) return 1;
  if (gpioReadValue == 1) return 0;
  return failed;
}

// ---------------------------------------------------------------------------------------
// Start-up and loop

int ORV_ProcThread::initORV_process() {
  init_proc_noyau(noyau_);
  init_compteur_moyenne(moyenne_);

  if (orvDatas* d = datas()) {
    d->get_ORVcumulsPuissanceDatas(cumulPuissance_);
    d->get_ORVmodsDatas(modsDatas_);
    d->get_ORVmesureValCalcul(valCalcul_);
    for (int n = 0; n < 3; ++n) d->get_ORVmesureFluidData(n, fluidDatas_[n]);
  }

  plantRunning = static_cast<uint8_t>(readInput("PORTG8", 0));
  setMesInt(procmes::PlantRunning, plantRunning);
  std::printf("\n*** valeur LU sur IN19 = %d ***\n", plantRunning);
  setMesInt(procmes::InputPORTB9, readInput("PORTB9", 0));
  setMesInt(procmes::InputPORTB10, readInput("PORTB10", 0));
  readInput("PORTG10", 0);

  PrintSystemSpace("/home/usbkey1/");
  PrintSystemSpace("/home/ORV/");
  PrintSystemSpace("/ramdisk/");
  std::fflush(stdout);
  orv::runCommand("free");
  std::printf("\n");

  // The day file continues on the RAM disk after a restart in the same day. A RAM copy that
  // survived the restart (no reboot) holds lines the hourly flash copy does not have yet.
  if (core_) {
    std::string name = core_->getMeasureMsrFileName();
    std::string flash = std::string("/home/ORV/") + name;
    std::string ram = std::string("/ramdisk/") + name;
    if (orvFileExist(ram.c_str())) {
      std::printf("ORV_process : le fichier mesure %s est deja dans la RAM\n", name.c_str());
    } else if (orvFileCopy(flash.c_str(), ram.c_str())) {
      std::printf("ORV_process : Copie de %s dans la RAM\n", name.c_str());
    } else {
      std::printf("ORV_process : le fichier mesure %s n'existe pas !!!\n", name.c_str());
    }
  }

  {
    std::lock_guard<std::mutex> lock(alarmStateMutex);
    noyau_.flag_alarme = static_cast<uint8_t>(cfgInt(prockey::FLAG_ALARM) & 0xFF);
    int statLp = cfgInt(prockey::STATLP_CHECK);
    int stat3j = cfgInt(prockey::STAT3J_CHECK);
    std::printf("initORV_process avant test: flag_alarme =%d, config.stat3j_check = %d\n",
                noyau_.flag_alarme, stat3j);
    // A stored leak alarm keeps its relay across the nightly reboot.
    if (noyau_.flag_alarme >= 2 && noyau_.flag_alarme <= 6) {
      noyau_.alarm100_sent = true;
      if ((noyau_.flag_alarme > 3 && statLp == 1) || (stat3j == 1 && noyau_.flag_alarme == 2)) {
        std::printf("initORV_process dans test: flag_alarme =%d, config.stat3j_check = %d\n",
                    noyau_.flag_alarme, stat3j);
        driveRelay("PORTE10", 1);
        if (core_) core_->setAlarmType(100);
      }
    }
  }
  std::printf("[ORV_process] initORV_process OK\n");
  std::fflush(stdout);
  return 1;
}

int ORV_ProcThread::run() {
  std::printf("[ORV_ProcThread] Launch Auto-Update...\n");
  std::fflush(stdout);
  {
    std::lock_guard<std::mutex> lock(runningMutex);
    if (!stopping_) threadRunning = 1;
  }
  while (get_ThreadRunning() != 0) {
    // The pause flag is read and the pass marked under the same lock: once a pause is
    // seen by another thread, either a pass is marked running or none will start.
    bool pass;
    {
      std::lock_guard<std::mutex> lock(sleepMutex);
      pass = !sleepState;
      inPass_ = pass;
    }
    if (pass) {
      update_Process();
      std::lock_guard<std::mutex> lock(sleepMutex);
      inPass_ = false;
    } else {
      usleep(pauseSleepMs_ * 1000);
    }
  }
  return 0;
}

// ---------------------------------------------------------------------------------------
// One pass

void ORV_ProcThread::update_Process() {
  busRound();

  if (refrigerantStepDue()) {
    if (fluid_Calc() != 0) {
      sleepSeconds(1);
    } else {
      std::printf("[ORV_ProcThread] --- Erreur Fluid Calcs Update\n");
    }
    conversion_WeightToLevel();
    std::lock_guard<std::mutex> lock(alarmStateMutex);
    gestion_Alarme_NivBas();
  } else if (!measurementCardConnected()) {
    invalidateColumnReadings();
  }

  publishCopies();
  hpfExchange();

  {
    std::lock_guard<std::mutex> lock(alarmStateMutex);
    gestion_Alarmes_Moduls();
    gestion_Alarmes_Capteurs();
  }

  passTime = orv::wallClockNow();
  localtime_r(&passTime, &passLocalTime);
  noyau_.passTime = passTime;
  noyau_.lowLevelClock = passTime;
  hourlySchedule();

  if (core_) core_->UpdatedDataReady_signal();
  std::fflush(stdout);
}

void ORV_ProcThread::busRound() {
  if (!modules_) return;
  int answered = modules_->sendTo_AllModuls();
  modules_->get_Moduls_StructDatas(modsDatas_);
  markNonNumbersInvalid(modsDatas_);
  if (answered == 0) {
    sleepSeconds(1);
    return;
  }
  modules_->get_CumulPuiss_StructDatas(cumulPuissance_);
  decidePlantRunning();
  if (mesInt(procmes::PlantRunning) == 1) moyenne_.n_run_passes++;
}

void ORV_ProcThread::decidePlantRunning() {
  if (modsDatas_.stateEner[0] != 0) {
    // The measured compressor power decides when ENERGIE module 0 is known.
    plantRunning = cumulPuissance_.puissTotalComp > 0.0f ? 1 : 0;
    setMesInt(procmes::PlantRunning, plantRunning);
    return;
  }
  // Three agreeing reads of the input; a failed first read agrees with nothing.
  int first = readInput("PORTG8", 2);
  int second = readInput("PORTG8", 0);
  int third = readInput("PORTG8", 0);
  if (first == second && second == third && (first == 0 || first == 1)) {
    plantRunning = static_cast<uint8_t>(first);
    setMesInt(procmes::PlantRunning, plantRunning);
  }
}

bool ORV_ProcThread::measurementCardConnected() const {
  return modules_ && (modsDatas_.stateMesV1 == 1 || modsDatas_.stateMesV2 == 1);
}

bool ORV_ProcThread::refrigerantStepDue() {
  return measurementCardConnected() && cfgInt(prockey::FLAG_PREM_DEMARRAGE) > 0;
}

void ORV_ProcThread::publishCopies() {
  orvDatas* d = datas();
  if (!d) return;
  d->set_ORVmodsDatas(&modsDatas_);
  d->set_ORVmesureValCalcul(&valCalcul_);
  d->set_ORVcumulsPuissanceDatas(&cumulPuissance_);
  for (int n = 0; n < 3; ++n) d->set_ORVmesureFluidData(n, &fluidDatas_[n]);
}

void ORV_ProcThread::hpfExchange() {
  if (!modules_) return;
  uint8_t state = modules_->isModulHpf_connected();
  if (state != 1 && state != 2) return;
  ProcToHpfValues in;
  in.plantRunning = static_cast<uint8_t>(mesInt(procmes::PlantRunning));
  for (int i = 0; i < 6; ++i) {
    // A negative power (a faulty reading) must not wrap to a huge unsigned value.
    float p = cumulPuissance_.puissComp[i];
    in.puissComp[i] = p > 0.0f ? static_cast<uint32_t>(p) : 0u;
  }
  in.tempExt = modsDatas_.value[modval::TempEXT];
  in.tsatHp = fluidDatas_[0].val[0];
  in.hp = modsDatas_.value[modval::HP];
  modules_->sendTo_HpfModul(in);
}

// ---------------------------------------------------------------------------------------
// Hourly and nightly work

void ORV_ProcThread::hourlySchedule() {
  time_t now = passTime;
  time_t thisHour = now + kHourlyOffset - 60 * passLocalTime.tm_min - passLocalTime.tm_sec;
  // A deadline more than an hour away on either side follows a pause or a clock step:
  // take xx:59:30 of the current hour again rather than catching up hour by hour.
  if (noyau_.hourlyDeadline == 0 || noyau_.hourlyDeadline - now > kHour ||
      now - noyau_.hourlyDeadline > kHour) {
    noyau_.hourlyDeadline = thisHour;
  }
  if (now >= noyau_.hourlyDeadline) {
    noyau_.hourlyDeadline += kHour;
    hourlyWork();
  }
}

void ORV_ProcThread::hourlyWork() {
  bool nightly = passLocalTime.tm_hour > 22 && passLocalTime.tm_min > 58;

  if (core_) {
    core_->startMsgBOX_signal(2);
    core_->setMsgBOX_ProgressValue_signal(0);
    int totalMiB = 0;
    int freeMiB = 0;
    core_->getStorageInfoSize(totalMiB, freeMiB);
    if (freeMiB <= kStorageFullMiB) {
      core_->setMsgBOXtxt_signal(6);
      core_->setMsgBOX_ProgressValue_signal(10);
      core_->runStorageCleanup();
    }
    core_->setMsgBOXtxt_signal(1);
  }
  file_saving_management();
  if (core_) {
    core_->setMsgBOX_ProgressValue_signal(20);
    core_->setMsgBOXtxt_signal(2);
    core_->setMsgBOX_ProgressValue_signal(30);
  }
  {
    std::lock_guard<std::mutex> lock(alarmStateMutex);
    start_Analyse();
  }
  if (core_) {
    core_->setMsgBOX_ProgressValue_signal(90);
    core_->setMsgBOXtxt_signal(3);
  }
  WriteMoyenne(&passLocalTime);
  if (core_) {
    core_->setMsgBOX_ProgressValue_signal(100);
    core_->stopMsgBOX_signal();
  }
  if (modules_) modules_->reset_CumulPuissance_Wh();

  if (nightly) nightlyWork();
}

void ORV_ProcThread::nightlyWork() {
  std::string name = core_ ? core_->getMeasureMsrFileName() : std::string();
  std::string source = std::string("/ramdisk/") + name;
  std::string destination = std::string("/home/ORV/") + name;
  {
    std::lock_guard<std::mutex> lock(alarmStateMutex);
    alarm100_hours = 0;
  }
  // The RAM copy goes only once flash holds the whole day; a power cut during the copy
  // leaves the last hourly copy on flash.
  if (!name.empty() && orvFileCopyReplace(source.c_str(), destination.c_str())) {
    orvFileDelete(source.c_str());
  } else {
    std::printf("ORV_process::_24hour_flag: le fichier mesure %s n'existe pas !!!\n",
                source.c_str());
  }
  if (modules_ && modsDatas_.stateEner[0] == 1) {
    modules_->ener_rebootMODULS(true);
    modules_->ener_manageDailyPowerLog();
  }
  std::fflush(stdout);
  if (core_) core_->OnORV_RestartAction(2);
}

// ---------------------------------------------------------------------------------------
// Relearn reset

void ORV_ProcThread::ResetProcess() {
  std::printf(" == ResetProcess == \n");
  std::lock_guard<std::mutex> lock(alarmStateMutex);
  noyau_.alarm100_sent = false;
  noyau_.flag_alarme = 1;
  setCfgFloat(prockey::MOYENNE_REFERENCE, 0.0f);
  setMesFloat(procmes::ReferenceMass, 0.0f);
  setMesFloat(procmes::Slope3Days, 0.0f);
  setMesFloat(procmes::SlopeLongPeriod, 0.0f);
  setMesInt(procmes::SensorAlarmBits, 0);
  setCfgInt(prockey::FLAG_ALARM_CAPTEUR, 0);
  driveRelay("PORTE8", 0);
  driveRelay("PORTE10", 0);
  std::memset(noyau_.moduleLostLatch, 0, sizeof noyau_.moduleLostLatch);
  std::memset(noyau_.sensorFaultLatch, 0, sizeof noyau_.sensorFaultLatch);
  setCfgInt(prockey::FLAG_ALARM, 1);
  if (core_) core_->dispatchAlarm(7, true, "1", "1");
  std::fflush(stdout);
}
