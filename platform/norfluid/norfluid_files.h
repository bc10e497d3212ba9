// Data files of the stand-in library (our own plain-text format, see README.md here):
//   fluids/NAME.FLD   one fluid: constants, saturation and liquid-density points, cp0;
//                     or "alias = OTHER" to use fluids/OTHER.FLD;
//   fluids/NAME.PPF   a blend of fixed composition shown as one pseudo-pure fluid;
//   mixtures/NAME.MIX a blend set up as its components;
//   fluids/HMX.BNC    kij of the mixing rule by pair of fluid names.
// Lines are "key = value ...", "#" starts a comment.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "norfluid_model.h"

namespace norfluid {

// Contents of a blend file (.PPF or .MIX).
struct BlendFile {
  std::string name, longName, cas;
  std::vector<std::string> components;  // fluid file stems
  std::vector<double> fractions;
  bool massFractions = true;
};

// Reads the key/value lines of a data file; false when it cannot be opened.
bool readKeyValues(const std::string& path, std::multimap<std::string, std::string>& out);

// True when the file at `path` describes a blend (it has a "components" line).
bool isBlendFile(const std::multimap<std::string, std::string>& kv);

// Fills a fluid from its file, following an alias. Error text on failure.
std::string loadFluidFile(const std::string& path, Component& c);
std::string loadBlendFile(const std::multimap<std::string, std::string>& kv, BlendFile& b);

// kij of the mixing rule, keyed by the two fluid stems in upper case (both orders).
std::map<std::pair<std::string, std::string>, double> loadInteractions(const std::string& path);

// Directory part and file stem ("<dir>/fluids/R134A.FLD" -> "<dir>/fluids", "R134A").
std::string directoryOf(const std::string& path);
std::string stemOf(const std::string& path);
std::string suffixOf(const std::string& path);  // ".FLD", "" when none

}  // namespace norfluid
