// The two records that carry the modules' readings from the bus to the rest of the
// program: the exchange record the module centre fills after each bus round, and the
// power and energy cumuls of the ENERGIE modules. Both are blocks of the measurement
// record (struct_mesure), so their layout is fixed byte for byte.
#pragma once

#include <cstdint>

// Value k of modules_exchange_t::value, by the names of the module centre's dump.
namespace modval {
enum {
  Poids = 0,      // weight on the column gauge, g
  HP = 1,         // high pressure, bar gauge
  BP = 2,         // low pressure, bar gauge
  TempSOR = 3,    // receiver outlet (liquid), degC
  TempENT = 4,    // receiver inlet, degC
  TempEXT = 5,    // outside air, degC
  TempASP = 6,    // suction, degC
  TempREF = 7,    // discharge, degC
  BattRadio = 8,  // radio thermometer battery, V
  PressionEner1 = 9,  // pressure input of ENERGIE module 1, bar gauge
  TRES1 = 10,
  TRES2 = 11,
};
}  // namespace modval

struct __attribute__((packed)) modules_exchange_t {
  // Connect states: 0 absent, 1 connected, 2 lost.
  uint8_t stateMesV2;
  uint8_t stateHpf;
  uint8_t stateEner[3];
  uint8_t stateMesV1;
  uint8_t sensorFault[12];  // 1 = sensor of value k faulty
  float value[21];          // values 12 to 20 are never written
};
static_assert(sizeof(modules_exchange_t) == 102, "modules_exchange_t is 102 bytes");

// Powers in kW, energies in kWh, currents in A, grouped by what each ENERGIE measuring
// block feeds. Read as 40 floats in this order by the measurement index table.
struct __attribute__((packed)) struct_cumul_puissanse {
  float puissComp[6];     // 0-5: compressors 1 to 6
  float puissTotalComp;   // 6: compressor total
  float puissVentilCond;  // 7: condenser fans
  float puissPompes;      // 8: pumps
  float puissVitrines;    // 9: display cases
  float puissChambres;    // 10: cold rooms and laboratory
  float puissClim;        // 11: air conditioning and heating
  float puissEclairage;   // 12: lighting
  float puissCompP;       // 13: parallel compressors
  float energieComp[6];   // 14-19
  float energieGroupe[8]; // 20-27: assignments 1 to 8
  float intensiteComp[6]; // 28-33: phase 1 current
  float cosPhiComp[6];    // 34-39
};
static_assert(sizeof(struct_cumul_puissanse) == 160, "struct_cumul_puissanse is 40 floats");
