// The processing thread: the pass that turns each bus round into refrigerant states, the
// refrigerant mass held in the receivers, published measurements, alarms, measurement
// lines and, once an hour, the day file copy, the leak analyses and the hourly means line.
//
// The core creates the one instance, hands it its services (ORV_ProcCore) and the module
// centre (ORV_ProcModules, null when there is none), calls initORV_process(), registers it
// in orv_classPtr slot 4, starts and detaches it. The configuration store (slot 1) and the
// refrigerant facade (slot 2) are reached through the registry.
//
// Threads: the pass runs in this thread only. change_sleepThreadState, ResetProcess and
// ResetAlarmes come from other threads; the pause and running flags have their own
// mutexes, and alarmStateMutex guards the latches, flag_alarme, the alarm-100 state and
// the alarm relays against the pass (the pass holds it around its alarm steps, its leak
// relay and its analyses).
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <mutex>
#include <string>

#include "ORV_ProcCore.h"
#include "ORV_ProcKeys.h"
#include "ORV_ProcModules.h"
#include "Thread.h"
#include "struct_mesure.h"

class orvDatas;
class FLuidsNorvale;

// Private state of the pass.
struct struct_proc_noyau {
  uint16_t recordCadence;       // passes since the last measurement line
  uint8_t moduleLostLatch[6];   // per module type 0..5: a module-lost alarm stands
  uint8_t sensorFaultLatch[12]; // per exchange value 0..11 (first eight used)
  uint8_t flag_alarme;          // 0 watch, 1 learning, 2 3-day, 4 long period, 6 both
  uint8_t result_ALP;           // long-period result of the current hourly run (0 or 4)
  uint8_t result_A3j;           // 3-day result of the current hourly run (0 or 2)
  time_t passTime;              // time of the last pass
  bool alarm100_sent;           // alarm 100 has been dispatched
  time_t hourlyDeadline;        // next xx:59:30; 0 until the first pass computes it
  time_t lowLevelClock;         // the same time; the low-level delay is measured from it
  float points_A3j[4];          // y of the 3-day regression: reference and 3 daily means
};

// Hourly accumulator: counts are int, sums float; fed by every measurement record, cleared
// after each hourly means line.
struct struct_compteur_moyenne {
  int32_t n_enr;
  int32_t n_cold;
  int32_t n_cop;
  float s_mass;
  int32_t n_mass;
  int32_t n_text;
  float s_text;
  int32_t n_tent;
  float s_tent;
  int32_t n_tsor;
  float s_tsor;
  float s_tsat_hp;
  float s_cop1;
  float s_cop3;
  float s_cop4;
  float s_cold;
  int32_t n_tasp;
  float s_tasp;
  int32_t spare;
  float s_tsat_bp;
  float s_flow;
  int32_t n_low_level;
  int32_t n_no_subcool;
  int32_t n_no_subcool_run;
  int32_t n_run_passes;  // counted by the pass, not by the records
  int32_t n_flow;
  float s_flow_kg;
  int32_t n_tdis;
  float s_tdis;
  int32_t n_qo;
  float s_qo;
  int32_t n_cop_a;
  float s_cop_a;
  int32_t n_cop_b;
  float s_cop_b;
  int32_t n_cop_c;
  float s_cop_c;
  float s_tref;
  int32_t n_tref;
  float s_pdis;
  int32_t n_pdis;
};
static_assert(sizeof(struct_compteur_moyenne) == 41 * 4, "41 four-byte fields");

class ORV_ProcThread : public Thread {
public:
  // Journal event of an acknowledgement.
  static constexpr int kEventAcknowledge = 1;
  // Journal event of a measurement line that could not be written.
  static constexpr int kEventLogError = 201;

  explicit ORV_ProcThread(ORV_ProcCore* core = nullptr, ORV_ProcModules* modules = nullptr);
  ~ORV_ProcThread() override;

  // The core's services and the module centre (null: no module centre).
  void setCore(ORV_ProcCore* core) { core_ = core; }
  void setModulsCenter(ORV_ProcModules* modules) { modules_ = modules; }

  // Start-up preparation; always 1.
  int initORV_process();
  int run() override;
  // Ends the loop after the pass in progress and waits until the thread has left run();
  // the object stays, so that a thread that still holds it may finish its call.
  void stop();

  int get_ThreadRunning();
  void set_ThreadRunning(int running);
  void change_sleepThreadState(bool paused);
  bool get_sleepThreadState();
  // True while a pass runs. Pausing only stops the next pass from starting: a page that
  // wants the bus to itself waits for this to clear once it has paused the thread.
  bool isInPass();

  void init_proc_noyau(struct_proc_noyau& n);
  void init_compteur_moyenne(struct_compteur_moyenne& m);

  // One pass.
  void update_Process();
  // Relearn reset (caller's thread).
  void ResetProcess();

  // ---- Refrigerant states of a pass ----
  // 0 without a refrigerant facade, else 1.
  int fluid_Calc();
  void recalc_enthalpie_reelle_refoulement();

  // ---- Refrigerant mass in the receivers ----
  int conversion_WeightToLevel();
  // Column weight, net weight, level and mass become the invalid 999: the pass calls it
  // while no measurement card answers (lost or absent), so that the screens, the lines and
  // the means never show the last reading of a card that is gone.
  void invalidateColumnReadings();
  // Liquid volume of depth h in a horizontal cylinder of radius r and length L.
  static float Volume(float r, float L, float h);
  // Refrigerant mass (kg) the configured receivers hold when full of the densest liquid a
  // plant may hold; 0 when their geometry gives no volume.
  double receiversFullMassKg();

  // ---- Sensor, module and low-level alarms ----
  void gestion_Alarme_NivBas();
  void gestion_Alarmes_Moduls();
  void gestion_Alarmes_Capteurs();
  // Acknowledgement (caller's thread): 2 remote ("NET"), anything else local ("ORV").
  void ResetAlarmes(int who);
  void wait_OnProbeError(unsigned seconds);

  // ==== Measurement line, hourly means and leak analyses ====
  // Implemented in ORV_ProcThread_record.cpp, ORV_ProcThread_means.cpp and
  // ORV_ProcThread_analyses.cpp; this block belongs to them.
  //
  // One measurement line into the day file (the first after a start is skipped).
  void save_mesurement();
  // Takes the current record into the hourly accumulator (right after save_mesurement).
  void accumulate_moyenne();
  // Appends the hourly means line to "/home/ORV/moy.msr": 0 written, 1 not written (the
  // sums then carry over to the next line).
  int WriteMoyenne(tm* t);
  // Copies the day file from the RAM disk to flash (start of the hourly work).
  void file_saving_management();
  // Scan of the means file: 0, or -1 when it cannot be opened. Lines that are not means
  // lines (no separator, fewer than 15 fields) are skipped, as the analyses skip them.
  int get_taille_index(int* n, int* indice_un, int* indice_zero);
  // Hourly entry of learning and the leak analyses.
  void start_Analyse();
  // Learning or the analyses on the means file: 0, -1 or -2.
  int analyse_moy();

  // The three fields of a means line that learning and the analyses use.
  struct MeansLine {
    float n_enr;   // measurement records its mean mass stands on (0: no valid mass)
    float massKg;  // mean refrigerant mass of the hour
    int marker;    // 1 learning line, else watch line
  };

protected:
  // Steps of analyse_moy over the lines it read (oldest first). learnReference returns
  // 0 or -2; recalculateReference the reference in force afterwards; analyseThreeDays
  // whether the run gave a 3-day result; analyseLongPeriod 0 or -1.
  int learnReference(const MeansLine* lines, int n, int indice_un, int indice_zero);
  float recalculateReference(const MeansLine* window, int length, float reference);
  bool analyseThreeDays(const MeansLine* window, int length, float reference);
  int analyseLongPeriod(const MeansLine* window, int length, float reference);
  // An analysis without a result this run (too few days with valid records, a slope that
  // cannot be computed) leaves its part of the alarm state as it was: `analysis` is 2 for
  // the 3-day analysis, 4 for the long period.
  void keepLeakResult(uint8_t analysis);

public:
  // ==== end of the measurement line, hourly means and leak analyses block ====

  // Test and tool hooks: the sleeps of the pass (seconds) and of the paused loop (ms).
  void setSleepFunction(std::function<void(unsigned seconds)> sleeper);
  void setPauseSleepMs(unsigned ms) { pauseSleepMs_ = ms; }

  // Read-only views of the pass's state, for the tools and tests.
  const struct_proc_noyau& noyau() const { return noyau_; }
  const struct_compteur_moyenne& compteurMoyenne() const { return moyenne_; }
  const modules_exchange_t& modsDatas() const { return modsDatas_; }
  const struct_valeurs_calculees& valCalcul() const { return valCalcul_; }
  const struct_fluid_datas& fluidDatas(int n) const { return fluidDatas_[n]; }
  unsigned alarm100Hours() const { return alarm100_hours; }

protected:
  // ---- Store access, by key id and measurement index (zeros when the store is absent
  // or a lock timed out). Shared by all the thread's files.
  orvDatas* datas();
  FLuidsNorvale* fluids();
  int cfgInt(int id);
  float cfgFloat(int id);
  char cfgChar(int id);
  std::string cfgString(int id);
  void setCfgInt(int id, int value);
  void setCfgFloat(int id, float value);
  // A byte, char or int field as an int; a float field as a float.
  int mesInt(int index);
  float mesFloat(int index);
  void setMesInt(int index, int value);
  void setMesFloat(int index, float value);
  // A reading of the exchange record is used only when it is not the marker and its fault
  // flag is 0.
  bool readingValid(int k) const;
  // Plant whose CONFIG_FLUID names CO2.
  bool isCO2Plant();
  // Drives an alarm relay output ("PORTE8", "PORTE10") and keeps the drive value.
  void driveRelay(const char* pin, int value);
  // Reads an input pin: 1 when it reads 0, 0 when it reads 1, `failed` otherwise.
  int readInput(const char* pin, int failed);
  void sleepSeconds(unsigned seconds);

  // ---- The steps of a pass ----
  void busRound();
  void decidePlantRunning();
  // A V1 or V2 card is connected (state 1) on the module centre.
  bool measurementCardConnected() const;
  bool refrigerantStepDue();
  void publishCopies();
  void hpfExchange();
  void hourlySchedule();
  void hourlyWork();
  void nightlyWork();

  // Time of the current pass and its broken-down local time.
  time_t passTime;
  struct tm passLocalTime;
  int gpioReadValue;    // -1 before each input read
  int relayDriveValue;  // last value handed to a relay output by this thread
  uint8_t plantRunning; // index 523
  bool sleepState;
  bool inPass_ = false;  // under sleepMutex, so that no pass starts after a pause was seen
  std::mutex sleepMutex;
  int scratchInt;
  float scratchFloat;
  bool skip_first_record;
  unsigned alarm100_hours;
  struct_proc_noyau noyau_;
  struct_compteur_moyenne moyenne_;
  struct_cumul_puissanse cumulPuissance_;
  modules_exchange_t modsDatas_;
  struct_valeurs_calculees valCalcul_;
  struct_fluid_datas fluidDatas_[3];  // states 1 (HP liquid), 2 (discharge), 3 (suction)
  int threadRunning;
  bool stopping_ = false;  // set by the destructor: the loop does not start any more
  std::mutex runningMutex;

  // Latches, flag_alarme, result_*, alarm100_*, the low-level episode and the relay drive
  // against ResetAlarmes and ResetProcess.
  std::mutex alarmStateMutex;

  ORV_ProcCore* core_;
  ORV_ProcModules* modules_;
  std::function<void(unsigned)> sleeper_;
  unsigned pauseSleepMs_;
};
