// Transport properties and surface tension of the stand-in library, from corresponding-
// states estimates (good to some 10 to 20 %: enough for the displayed kinematic viscosity).
#pragma once

#include <vector>

#include "norfluid_model.h"

namespace norfluid {

// Dynamic viscosity at (T, v), uPa s: Letsou-Stiel for liquid-like densities, Chung's
// dilute-gas value below, blended by the reduced density.
double viscosity(const Model& m, double T, double v, const std::vector<double>& z);
// Thermal conductivity, W/(m K): Sato-Riedel for the liquid, Eucken for the gas.
double conductivity(const Model& m, double T, double v, const std::vector<double>& z);
// Surface tension, N/m: Brock-Bird per component, mole-fraction average.
double surfaceTension(const Model& m, double T, const std::vector<double>& z);

}  // namespace norfluid
