// "fluid": the refrigerant facade from the command line: the refrigerant list, loading a
// refrigerant, its saturation states and the five state updates of the processing thread.
#include <cstdlib>
#include <string>
#include <vector>

#include "FLuidsNorvale.h"
#include "cli.h"

namespace {

// Default refrigerant of the configuration (CONFIG_FLUID).
const char kDefaultFluid[] = "R404A";

bool number(const std::string& text, double& value) {
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  return !text.empty() && end && *end == '\0';
}

bool load(FLuidsNorvale& fluids, const std::string& name) {
  if (fluids.loadFluid(name) == 1) return true;
  cliPrint("loaded", 0LL);
  cliFail("fluid", "refrigerant " + name + " could not be loaded");
  return false;
}

// The state of the last update, in the units of the processing thread's records.
void printState(FLuidsNorvale& fluids, const std::string& suffix) {
  cliPrint("T_C" + suffix, fluids.getFluid_Temperature());
  cliPrint("p_bar" + suffix, fluids.getFluid_Pressure());
  cliPrint("rho" + suffix, fluids.getFluid_Density());
  cliPrint("v" + suffix, fluids.getFluid_Volume());
  cliPrint("h" + suffix, fluids.getFluid_Enthalpy() / 1000.0);
  cliPrint("s" + suffix, fluids.getFluid_Entropy() / 1000.0);
  cliPrint("w" + suffix, fluids.getFluid_SoundSpeed());
  cliPrint("viscosity" + suffix, fluids.getFluid_Viscosity());
}

int runFluid(const CliArgs& args) {
  if (args.size() == 1 && args[0] == "list") {
    FLuidsNorvale fluids;
    std::vector<std::string> list;
    int n = fluids.get_FluidListVector(&list);
    cliPrint("count", static_cast<long long>(n));
    for (std::size_t i = 0; i < list.size(); ++i) cliPrint("fluid." + std::to_string(i), list[i]);
    return 0;
  }
  if (args.size() == 2 && args[0] == "load") {
    FLuidsNorvale fluids;
    if (!load(fluids, args[1])) return 1;
    cliPrint("loaded", 1LL);
    cliPrint("name", fluids.get_fluideInUseName());
    cliPrint("components", static_cast<long long>(fluids.getFluid_ComposantNum()));
    cliPrint("t_critical_C", fluids.getFluid_TempCritical());
    cliPrint("p_critical_bar", fluids.getFluid_PressCritical());
    cliPrint("version", fluids.refprop_version());
    return 0;
  }
  if (args.size() == 3 && args[0] == "sat") {
    double t;
    if (!number(args[2], t)) return cliUsage("fluid");
    FLuidsNorvale fluids;
    if (!load(fluids, args[1])) return 1;
    // Bubble (q = 0) then dew (q = 1) state at the temperature.
    const char* const sides[2][4] = {{"p_bubble_bar", "rho_liq", "h_liq", "s_liq"},
                                     {"p_dew_bar", "rho_vap", "h_vap", "s_vap"}};
    for (int q = 0; q <= 1; ++q) {
      if (fluids.upd_TempQ(t, q) != 0) {
        cliPrint("update", 1LL);
        return cliFail("fluid", "no saturation state of " + args[1] + " at " + args[2] +
                                    " degC (above its critical point or out of range)");
      }
      cliPrint(sides[q][0], fluids.getFluid_Pressure());
      cliPrint(sides[q][1], fluids.getFluid_Density());
      cliPrint(sides[q][2], fluids.getFluid_Enthalpy() / 1000.0);
      cliPrint(sides[q][3], fluids.getFluid_Entropy() / 1000.0);
    }
    return 0;
  }
  if ((args.size() == 4 || args.size() == 5) && args[0] == "state") {
    double v1, v2;
    if (!number(args[2], v1) || !number(args[3], v2)) return cliUsage("fluid");
    FLuidsNorvale fluids;
    if (!load(fluids, args.size() == 5 ? args[4] : kDefaultFluid)) return 1;
    const std::string& pair = args[1];
    int rc;
    if (pair == "PT") {
      rc = fluids.upd_PressTemp(v1, v2);
    } else if (pair == "PQ") {
      rc = fluids.upd_PressQ(v1, static_cast<int>(v2));
    } else if (pair == "TQ") {
      rc = fluids.upd_TempQ(v1, static_cast<int>(v2));
    } else if (pair == "PS") {
      rc = fluids.upd_PressEntro(v1, v2);
    } else if (pair == "PH") {
      rc = fluids.upd_PressEntha(v1, v2);
    } else {
      return cliUsage("fluid");
    }
    cliPrint("update", static_cast<long long>(rc));
    if (rc != 0) return cliFail("fluid", "no " + pair + " state of these values (out of range)");
    printState(fluids, "");
    return 0;
  }
  return cliUsage("fluid");
}

CliGroup group("fluid",
               "fluid list | fluid load NAME | fluid sat NAME TEMP_C | "
               "fluid state PT|PQ|TQ|PS|PH V1 V2 [NAME] (bar abs, degC, quality 0/1, J/kg/K, J/kg; "
               "values in the facade's argument order; NAME defaults to R404A)",
               &runFluid);

}  // namespace
