// Sensor, module and low-level alarms of the pass, and the acknowledgement.
#include <cstdio>
#include <cstring>
#include <string>

#include "ORV_ProcThread.h"
#include "orvDatas.h"
#include "orvPlatform.h"

namespace {
struct SensorAlarm {
  int value;      // exchange record value, and index of its latch
  int code;       // alarm code
  uint8_t bit;    // FLAG_ALARM_CAPTEUR bit
};

// In the order they are examined: at most one sensor alarm is raised per pass.
const SensorAlarm kSensorAlarms[] = {
    {modval::Poids, 109, 0x10},   {modval::HP, 110, 0x08},      {modval::BP, 111, 0x40},
    {modval::TempSOR, 106, 0x04}, {modval::TempENT, 105, 0x02}, {modval::TempEXT, 104, 0x01},
    {modval::TempASP, 107, 0x20}, {modval::TempREF, 120, 0x48},
};

// Stored sensor bits and the alarm code each acknowledges, in journal order; the last two
// need both of their bits.
struct AckBits {
  uint8_t bits;
  const char* code;
};
const AckBits kSensorAcks[] = {
    {0x01, "104"}, {0x02, "105"}, {0x04, "106"}, {0x20, "107"}, {0x10, "109"},
    {0x08, "110"}, {0x40, "111"}, {0x48, "112"}, {0x50, "127"},
};

// The measuring cards' low five sensor bits, set when the card is lost.
const int kCardLostBits = 0x1F;
const int kCodeAcknowledge = 7;
const int kCodeLowLevel = 103;
}  // namespace

void ORV_ProcThread::gestion_Alarme_NivBas() {
  int thresholdG = cfgInt(prockey::ALARME_NIVEAU_MINI_G);
  int delayMin = cfgInt(prockey::ALARME_TEMPORISATION);
  // Pump-down: the plant stopped with its refrigerant pumped into the receivers.
  if (cfgInt(prockey::ALARME_PUMPDOWN) == 1 && mesInt(procmes::PlantRunning) == 0) {
    thresholdG = cfgInt(prockey::ALARME_NIVEAU_MINI_G_NUIT);
    delayMin = cfgInt(prockey::ALARME_TEMPORISATION_NUIT);
  }
  const float mass = mesFloat(procmes::RefrigerantMass);
  const bool below = static_cast<double>(mass) < thresholdG / 1000.0;

  if (below) {
    if (mesInt(procmes::LowLevelDetected) < 1) {
      setMesInt(procmes::LowLevelDetected, 1);
      setMesInt(procmes::LowLevelStartTime, static_cast<int>(orv::wallClockNow()));
      return;
    }
    int elapsed = static_cast<int>(noyau_.lowLevelClock - mesInt(procmes::LowLevelStartTime));
    setMesInt(procmes::LowLevelDuration, elapsed);
    if (elapsed >= 60 * delayMin && mesInt(procmes::LowLevelAlarm) == 0) {
      setMesInt(procmes::LowLevelAlarm, 1);
      // The mass goes out in whole kilograms, as grams.
      std::string massText = std::to_string(static_cast<int>(mass) * 1000);
      if (core_) core_->dispatchAlarm(kCodeLowLevel, true, std::to_string(thresholdG), massText);
      std::printf("Send_Alarmes : Alarme niv bas\n");
    }
    return;
  }

  setMesInt(procmes::LowLevelDetected, 0);
  setMesInt(procmes::LowLevelAlarm, 0);
  setMesInt(procmes::LowLevelDuration, 0);
  setMesInt(procmes::LowLevelStartTime, 0);
  driveRelay("PORTE8", 0);
  // The low-level alarm ends by itself; the leak relay stays for a statistical alarm.
  if (core_ && core_->getAlarmType() == kCodeLowLevel && !core_->getStatistiqueAlarm()) {
    core_->write_logfile(kEventAcknowledge, "103", "", "AUTO");
    core_->setAlarmType(kCodeAcknowledge);
    driveRelay("PORTE10", 0);
  }
}

void ORV_ProcThread::gestion_Alarmes_Moduls() {
  setMesInt(procmes::SensorAlarmBits, 0);
  const uint8_t states[6] = {modsDatas_.stateMesV2,  modsDatas_.stateHpf,
                             modsDatas_.stateEner[0], modsDatas_.stateEner[1],
                             modsDatas_.stateEner[2], modsDatas_.stateMesV1};
  for (int type = 0; type < 6; ++type) {
    const bool card = type == 0 || type == 5;
    const int code = card ? 112 : (type == 1 ? 115 : 122 + type);
    uint8_t& latch = noyau_.moduleLostLatch[type];
    if (states[type] == 2 && latch == 0) {
      latch = 1;
      if (card) {
        int bits = cfgInt(prockey::FLAG_ALARM_CAPTEUR) | kCardLostBits;
        setMesInt(procmes::SensorFaultFlags, bits);
        setCfgInt(prockey::FLAG_ALARM_CAPTEUR, bits);
      }
      if (core_) core_->dispatchAlarm(code, true, "0", "-4");
    } else if (states[type] == 1 && latch == 1) {
      latch = 0;
      if (core_) core_->dispatchAlarm(code, false, "Reconnecte via WATCHDOG", "OK");
    } else {
      continue;
    }
    // One module alarm or return per pass; the others follow in the next passes.
    std::printf("Send_Alarmes : Gestion Alarmes modules: %d\n", code);
    return;
  }
}

void ORV_ProcThread::gestion_Alarmes_Capteurs() {
  setMesInt(procmes::SensorAlarmBits, 0);
  for (const SensorAlarm& s : kSensorAlarms) {
    uint8_t& latch = noyau_.sensorFaultLatch[s.value];
    const uint8_t fault = modsDatas_.sensorFault[s.value];
    if (latch == 0 && fault == 1) {
      latch = 1;
      setMesInt(procmes::SensorAlarmBits, s.bit);
      // Earlier stored faults stay until the acknowledgement journals them.
      int bits = cfgInt(prockey::FLAG_ALARM_CAPTEUR) | s.bit;
      setMesInt(procmes::SensorFaultFlags, bits);
      setCfgInt(prockey::FLAG_ALARM_CAPTEUR, bits);
      if (core_) core_->dispatchAlarm(s.code, true, "0", "0");
      std::printf("Send_Alarmes : Gestion Alarmes capteur: %d\n", s.code);
      return;
    }
    if (latch == 1 && fault == 0) latch = 0;
  }
}

void ORV_ProcThread::ResetAlarmes(int who) {
  std::lock_guard<std::mutex> lock(alarmStateMutex);
  orvDatas* d = datas();
  const std::string answer = d ? d->getYesOrNoLeak() : std::string();
  const char* origin = who == 2 ? "NET" : "ORV";
  alarm100_hours = 0;
  noyau_.alarm100_sent = false;

  auto journal = [&](const char* code, const char* b) {
    if (core_) core_->write_logfile(kEventAcknowledge, code, b, origin);
  };

  noyau_.flag_alarme = static_cast<uint8_t>(cfgInt(prockey::FLAG_ALARM) & 0xFF);
  if (noyau_.flag_alarme > 1) {
    const int state = noyau_.flag_alarme;
    if (state == 2 || state == 6) journal("100", answer.c_str());
    if (state == 4 || state == 6) journal("101", answer.c_str());
    setCfgInt(prockey::FLAG_ALARM, 0);
    std::memset(noyau_.moduleLostLatch, 0, sizeof noyau_.moduleLostLatch);
    std::memset(noyau_.sensorFaultLatch, 0, sizeof noyau_.sensorFaultLatch);
    // The analyses start again from the cleared state, not from the acknowledged one.
    noyau_.flag_alarme = 0;
  }

  const int sensorBits = cfgInt(prockey::FLAG_ALARM_CAPTEUR) & 0xFF;
  if (sensorBits != 0) {
    for (const AckBits& a : kSensorAcks) {
      if ((sensorBits & a.bits) == a.bits) journal(a.code, "");
    }
    setMesInt(procmes::SensorFaultFlags, 0);
    setCfgInt(prockey::FLAG_ALARM_CAPTEUR, 0);
  }

  if (mesInt(procmes::LowLevelAlarm) != 0) journal("103", answer.c_str());
  setMesInt(procmes::LowLevelDetected, 0);
  setMesInt(procmes::LowLevelDuration, 0);
  setMesInt(procmes::LowLevelAlarm, 0);

  driveRelay("PORTE8", 0);
  driveRelay("PORTE10", 0);
  if (core_) {
    core_->dispatchAlarm(kCodeAcknowledge, true, "1", "1");
    core_->setAlarmType(kCodeAcknowledge);
  }
  std::fflush(stdout);
}

void ORV_ProcThread::wait_OnProbeError(unsigned seconds) { sleepSeconds(seconds); }
