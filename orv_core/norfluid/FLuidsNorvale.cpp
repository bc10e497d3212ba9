// Refrigerant facade: loading a refrigerant, state updates and getters.
#include "FLuidsNorvale.h"

#include <cstdio>
#include <exception>

#include "orv_utils.h"
#include "refrop_backend.h"

namespace {
// Position of the last pseudo-pure blend of the list; later built-in entries are blends
// loaded from the library's mixture files.
const int kLastLoadedByName = 33;
// Low-pressure floor of CO2 (bar absolute), kept as the plant has always used it.
const double kCo2PressureFloor = 4.17;
}  // namespace

FLuidsNorvale::FLuidsNorvale()
    : backend(nullptr), loaded(false), tempCritical(0.0), pressCritical(0.0) {
  init_FluidsList();
}

FLuidsNorvale::~FLuidsNorvale() { delete backend; }

bool FLuidsNorvale::isFluidLoaded() { return loaded; }
double FLuidsNorvale::getFluid_TempCritical() { return tempCritical; }
double FLuidsNorvale::getFluid_PressCritical() { return pressCritical; }
std::string FLuidsNorvale::get_fluideInUseName() { return fluidInUse; }
int FLuidsNorvale::getFluid_ComposantNum() { return backend ? backend->get_NumComp() : -1; }

std::string FLuidsNorvale::refprop_version() { return backend ? backend->version() : ""; }

int FLuidsNorvale::loadFluid(const std::string& name) {
  fluidInUse.clear();
  tempCritical = pressCritical = 0.0;
  loaded = false;

  std::vector<std::string> components;
  std::vector<double> fractions;
  if (name.compare(0, 3, "NV-") == 0) {
    std::printf(" ***** Loading NORVALE-MIX Fluid formula datas...\n");
    int pos = isFluidInList(name);
    if (pos < 0) return 0;
    std::vector<std::string> fields = strsplit(fluidList[pos], ' ');
    if (fields.size() != 3) return 0;
    components = strsplit(fields[1], '|');
    fractions = strsplit_toDdouble(fields[2], '|');
  } else {
    int pos = isFluidInList(name);
    components.push_back(pos > kLastLoadedByName ? name + ".MIX" : name);
  }

  try {
    delete backend;
    backend = nullptr;
    backend = new refrop_backend();
    if (components.size() == 1) {
      try {
        if (!backend->select_fluid(components[0])) return 0;
      } catch (const std::exception& e) {
        std::printf("FLuidsNorvale:: %s.\n", e.what());
        return 0;
      }
    } else {
      try {
        backend->construct(components);
      } catch (const std::exception& e) {
        std::printf("FLuidsNorvale:: %s.\n", e.what());
        return 0;
      }
      if (backend->check_ErrorRegister() > 0) return 0;
      if (components.size() != fractions.size()) return 0;
      try {
        backend->set_mass_fractions(fractions);
      } catch (const std::exception& e) {
        std::printf("FLuidsNorvale:: %s.\n", e.what());
        return 0;
      }
    }
    loaded = true;
    fluidInUse = name;
    std::printf("Fluide: %s loaded OK.\n", fluidInUse.c_str());
  } catch (const std::exception& e) {
    delete backend;
    backend = nullptr;
    loaded = false;
    fluidInUse.clear();
    std::printf(" ** LIB Fluids Exception ERROR: %s.\n", e.what());
    return 0;
  }

  try {
    pressCritical = backend->calc_p_critical();
    std::printf("Citical PRESSURE= %0.2f bar.\n", pressCritical);
  } catch (const std::exception&) {
    pressCritical = 0.0;
    std::printf("NO Citical PRESSURE for this Fluid.\n");
  }
  try {
    tempCritical = backend->calc_T_critical();
    std::printf("Citical TEMPERATURE= %0.2f \xC2\xB0" "C.\n", tempCritical);
  } catch (const std::exception&) {
    tempCritical = 0.0;
    std::printf("NO Citical TEMPERATURE for this Fluid.\n");
  }
  return 1;
}

double FLuidsNorvale::pressureFloor(double P) const {
  // Only the name "CO2" itself: a blend that holds CO2 has no such floor.
  if (fluidInUse == "CO2" && P < kCo2PressureFloor) return kCo2PressureFloor;
  return P;
}

int FLuidsNorvale::updateState(int pair, double value1, double value2) {
  if (!backend || !loaded) return 1;
  try {
    backend->clear();
    backend->update(static_cast<input_pairs>(pair), value1, value2);
  } catch (const std::exception&) {
    return 1;
  }
  return 0;
}

int FLuidsNorvale::upd_PressTemp(double P, double T) {
  return updateState(PT, pressureFloor(P), T);
}

int FLuidsNorvale::upd_PressQ(double P, int Q) {
  return updateState(PQ, pressureFloor(P), static_cast<double>(Q));
}

int FLuidsNorvale::upd_TempQ(double T, int Q) { return updateState(QT, static_cast<double>(Q), T); }

int FLuidsNorvale::upd_PressEntro(double P, double s) {
  return updateState(PSmass, pressureFloor(P), s);
}

int FLuidsNorvale::upd_PressEntha(double P, double h) {
  return updateState(HmassP, h, pressureFloor(P));
}

double FLuidsNorvale::getFluid_Temperature() { return backend ? backend->calc_T() : 0.0; }
double FLuidsNorvale::getFluid_Pressure() { return backend ? backend->calc_P() : 0.0; }
double FLuidsNorvale::getFluid_Enthalpy() { return backend ? backend->calc_enthalpy() : 0.0; }
double FLuidsNorvale::getFluid_Entropy() { return backend ? backend->calc_entropy() : 0.0; }

double FLuidsNorvale::getFluid_Density() {
  if (!backend) return 0.0;
  // The molar mass is read again from the library; a library that fails here must not
  // take the processing thread down with it.
  try {
    return backend->calc_density();
  } catch (const std::exception&) {
    return 0.0;
  }
}

double FLuidsNorvale::getFluid_Volume() { return backend ? backend->calc_volume() : 0.0; }

double FLuidsNorvale::getFluid_SoundSpeed() {
  if (!backend) return 0.0;
  double w = backend->calc_soundSpeed();
  return w < 0.0 ? 0.0 : w;
}

double FLuidsNorvale::getFluid_Viscosity() {
  if (!backend) return 0.0;
  try {
    return backend->calc_viscosity();
  } catch (const std::exception&) {
    return 0.0;
  }
}

double FLuidsNorvale::getFluid_gazPercentInLiquid(double hL, double hV, double h) {
  // Equal saturation enthalpies (no two-phase range) have no share to give.
  if (h > hL && hV != hL) return (h - hL) / ((hV - hL) / 100.0);
  return 0.0;
}
