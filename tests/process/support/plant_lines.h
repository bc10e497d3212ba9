// Shared by the measurement-line and means-line tests: a module centre whose HPF module and
// ENERGIE module 0 report fixed values, and the splitting of written lines.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "ORV_ProcScriptedModules.h"

// HPF set point 31.5, regulation on, floating HP on, night mode off, 3 fans on, neutral
// zones 2.0 below and 1.5 above; two compressor blocks running.
class PlantModules : public ORV_ProcScriptedModules {
public:
  cfg_value_t hpf_getDATA_struct(int index) override {
    cfg_value_t v;
    if (index == 25) v.floatValue = 31.5f;  // consigneCalculee
    if (index == 19) v.charValue = 1;       // marcheArret
    if (index == 21) v.charValue = 0;       // nuit
    if (index == 23) v.charValue = 1;       // hpFlottante
    return v;
  }
  cfg_value_t hpf_getCFG_struct(int id) override {
    cfg_value_t v;
    if (id == 164) v.floatValue = 2.0f;  // z0_HPF-CONFIG_DifDown
    if (id == 163) v.floatValue = 1.5f;  // z0_HPF-CONFIG_DifUp
    return v;
  }
  int hpf_getNumVentilON() override { return 3; }
  int ener_totalAffectationON(int assignment) override { return assignment == 0 ? 2 : 0; }
};

// The fields of a line whose fields each end with ";" (empty fields kept).
inline std::vector<std::string> fieldsOf(const std::string& line) {
  std::vector<std::string> fields;
  size_t pos = 0;
  for (size_t hit; (hit = line.find(';', pos)) != std::string::npos; pos = hit + 1)
    fields.push_back(line.substr(pos, hit - pos));
  return fields;
}

inline std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}
