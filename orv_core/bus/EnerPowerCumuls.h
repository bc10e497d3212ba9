// What the ENERGIE modules' measurements become after each bus round: the power cumuls
// grouped by what each measuring block feeds, the share division of blocks that feed a
// group only in part, the supply voltage watch and its log "/home/ORV/tension.log".
//
// Block assignments: 0 one compressor, 1 the compressor rack, 2 condenser fans, 3 pumps,
// 4 display cases, 5 cold rooms and laboratory, 6 air conditioning and heating,
// 7 lighting, 8 parallel compressors.
#pragma once

#include <cstdint>
#include <vector>

#include "modules_exchange.h"

// The 32 floats of one module's measurement reply, in reply order.
namespace enermes {
constexpr int kCount = 32;
constexpr int Pressure = 0;
constexpr int Pt100 = 1;
// Values of block b (0..2): base + 10 b.
constexpr int ActivePower = 2;    // kW
constexpr int Energy = 3;         // kWh
constexpr int ApparentPower = 4;  // kVA
constexpr int ReactivePower = 5;  // kVAR
constexpr int Phase1Voltage = 6;  // V; current 7, phase 2 voltage 8, current 9, phase 3 10, 11
constexpr int Phase1Current = 7;  // A
constexpr int Phase2Voltage = 8;
constexpr int Phase3Voltage = 10;
inline int block(int b, int value) { return value + 10 * b; }
}  // namespace enermes

// One measuring block of a connected module, as the cumuls take it (share already divided).
struct EnerBlockReading {
  int assignment;
  float activePower;
  float energy;
  float apparentPower;
  float phase1Current;
};

// Share divisor of a block assigned 2, 3 or 8: the integer quotient 100 / share (50 % -> 2,
// 33 % -> 3, 17 % -> 5); 1 below 1 %; a share above 100 % counts as 100 %.
float enerShareDivisor(int sharePercent);
// True for the assignments whose block may feed its group only in part.
bool enerAssignmentShared(int assignment);

// Fills the power part of `record` from the blocks of the connected modules in scan
// order (module 0 blocks 0..2, then modules 1 and 2). Compressor slots go to the first
// six blocks assigned 0; the group energies are the sums of their blocks' energies. The
// nine power sums are rewritten; a slot or group energy that no block fills keeps its value.
void computePowerCumuls(const std::vector<EnerBlockReading>& blocks, struct_cumul_puissanse* record);

// Divides each new reading of a module's shared blocks once. The divided reading is handed
// back to the client (displays show the share); a reading the module did not renew since
// then is recognised as the one handed back and is not divided again.
class EnerShareDivision {
public:
  EnerShareDivision();
  // `values`: the client's current measurements of module n. Returns true when they were
  // a new reading and have been divided (the caller stores them back in the client).
  bool divideNewReading(int n, float values[enermes::kCount], const int assignment[3],
                        const int sharePercent[3]);
  // Forgets module n's last reading (its next reading is taken as new).
  void forget(int n);

private:
  float handedBack_[3][enermes::kCount];
  bool known_[3];
};

// The supply voltage watch of each ENERGIE module on block 0's three phases.
class VoltageWatch {
public:
  enum Action {
    Nothing,
    LearnReference,  // phase 1 becomes the module's reference voltage
    LogLine,         // one line in the voltage log
  };
  VoltageWatch();
  // One watch of module n with its tolerance (%; negative: off) and reference voltage
  // (0: not learned). Phase voltages a, b, c of block 0.
  Action check(int n, int tolerancePercent, float reference, float a, float b, float c);
  // 0 normal, 1 a phase at 0 V.
  uint8_t voltageAlarm(int n) const { return n >= 0 && n < 3 ? alarm_[n] : 0; }

private:
  uint8_t alarm_[3];
};

// Appends "%Y-%m-%d_%H:%M:%S;<module + 1>;a;b;c" to "/home/ORV/tension.log", writing the
// header "date;module;phaseA;phaseB;phaseC" first when the file is new. 0 written, -1 the
// file could not be opened or written.
int ENERaddToPowerLog(int module, float phaseA, float phaseB, float phaseC);
// Daily rotation: "tension.log" becomes "tension-1.log" (replacing it). 0 rotated, -1 no
// log (or the rename failed).
int ENERmanageDailyPowerLog();
