// Bridge object: state update from an input pair, cached state and its getters.
#include <cmath>
#include <cstring>

#include "refprop_binding.h"
#include "refrop_backend.h"

namespace {

// Largest single-precision value: the "unset" marker of the cached state.
const double kUnset = 3.4028234663852886e38;

// Working outputs of one library call, preset to the unset marker.
struct FlashOutputs {
  double p = kUnset, d = kUnset, dl = kUnset, dv = kUnset, q = kUnset, e = kUnset, h = kUnset,
         s = kUnset, cv = kUnset, cp = kUnset, w = kUnset, hjt = kUnset;
};

std::string messageText(const char* herr) {
  return refprop::fieldText(herr, kRefpropMessageLength);
}

}  // namespace

bool refrop_backend::clear() {
  temperature_K = pressure_Pa = rhomolar = quality = rhomass = specific_volume = -kUnset;
  molar_mass = hmolar = smolar = sound_speed = viscosity = conductivity = surface_tension = kUnset;
  return true;
}

void refrop_backend::check_status() {
  if (!fractions_set) throw RefPropBridgeError("Mole fractions not yet set");
}

double refrop_backend::calc_T() { return temperature_K - 273.15; }
double refrop_backend::calc_P() { return pressure_Pa / 100000.0; }
double refrop_backend::calc_rhomolar() { return rhomolar; }
double refrop_backend::calc_soundSpeed() { return sound_speed; }
double refrop_backend::calc_state() { return quality; }
double refrop_backend::calc_entropy() { return smolar / molar_mass; }
double refrop_backend::calc_enthalpy() { return hmolar / molar_mass; }

double refrop_backend::calc_molar_mass() {
  check_loaded_fluid();
  double wm = 0.0;
  REFPROP_CALL(WMOLdll)(composition.data(), &wm);
  molar_mass = wm / 1000.0;
  return molar_mass;
}

double refrop_backend::calc_density() {
  rhomass = calc_rhomolar() * calc_molar_mass();
  return rhomass;
}

double refrop_backend::calc_volume() {
  specific_volume = 1.0 / rhomass;
  return specific_volume;
}

void refrop_backend::update(input_pairs pair, double value1, double value2) {
  check_loaded_fluid();
  int ierr = 0;
  char herr[kRefpropMessageLength + 1];
  std::memset(herr, 0, sizeof herr);
  herr[0] = ' ';
  clear();
  check_status();
  double wm = 0.0;
  REFPROP_CALL(WMOLdll)(composition.data(), &wm);
  molar_mass = wm * 0.001;
  const double M = molar_mass;

  // Mass-based pairs hand converted values to their molar partner.
  switch (pair) {
    case DmassT: return update(DmolarT, value1 / M, value2 + 273.15);
    case HmassT: return update(HmolarT, value1 * M, value2 + 273.15);
    case SmassT: return update(SmolarT, value1 * M, value2 + 273.15);
    case TUmass: return update(TUmolar, value1 + 273.15, value2 * M);
    case DmassP: return update(DmolarP, value1 / M, value2 * 100000.0);
    case HmassP: return update(HmolarP, value1 * M, value2 * 100000.0);
    case PSmass: return update(PSmolar, value1 * 100000.0, value2 * M);
    case PUmass: return update(PUmolar, value1 * 100000.0, value2 * M);
    case HmassSmass: return update(HmolarSmolar, value1 * M, value2 * M);
    case SmassUmass: return update(SmolarUmolar, value1 * M, value2 * M);
    case DmassHmass: return update(DmolarHmolar, value1 / M, value2 * M);
    case DmassSmass: return update(DmolarSmolar, value1 / M, value2 * M);
    case DmassUmass: return update(DmolarUmolar, value1 / M, value2 * M);
    default: break;
  }
  if (pair == QT || pair == PQ) {
    double q = pair == QT ? value1 : value2;
    double given = pair == QT ? value2 : value1;
    saturationOrFlash(pair, q, given, ierr, herr);
    return;
  }
  flashMolarPair(pair, value1, value2, ierr, herr);
}

// Pairs 1 and 2: a quality of exactly 0 or 1 takes the saturation routine, any other the
// quality flash.
void refrop_backend::saturationOrFlash(input_pairs pair, double q, double given, int& ierr,
                                       char* herr) {
  double* z = composition.data();
  double* x = liquid_composition.data();
  double* y = vapour_composition.data();
  FlashOutputs o;
  double pkPa = kUnset;
  if (pair == QT) {
    temperature_K = given + 273.15;
  } else {
    pkPa = given * 100000.0 * 0.001;
  }
  int flag = 0;
  if (std::fabs(q) < 1e-10)
    flag = pair == QT ? 1 : 3;
  else if (std::fabs(q - 1.0) < 1e-10)
    flag = pair == QT ? 2 : 4;
  bool done = false;
  if (flag != 0) {
    int iguess = 0;
    double sq = kUnset;
    REFPROP_CALL(SATTPdll)(&temperature_K, &pkPa, z, &flag, &iguess, &o.d, &o.dl, &o.dv, x, y,
                           &sq, &ierr, herr, kRefpropMessageLength);
    if (ierr <= 0) {
      // A warning completes the state like a clean result: no unset values as success.
      REFPROP_CALL(THERMdll)(&temperature_K, &o.d, z, &o.p, &o.e, &o.h, &o.s, &o.cv, &o.cp,
                             &o.w, &o.hjt);
      q = sq;
      done = true;
    } else {
      ierr = 0;
    }
  }
  if (!done) {
    int kq = 1;
    if (pair == QT) {
      REFPROP_CALL(TQFLSHdll)(&temperature_K, &q, z, &kq, &o.p, &o.d, &o.dl, &o.dv, x, y, &o.e,
                              &o.h, &o.s, &o.cv, &o.cp, &o.w, &ierr, herr,
                              kRefpropMessageLength);
      if (ierr > 0)
        throw RefPropBridgeError(format("TQ(%s): %s", refprop::LoadedREFPROPRef.c_str(),
                                        messageText(herr).c_str()));
    } else {
      REFPROP_CALL(PQFLSHdll)(&pkPa, &q, z, &kq, &temperature_K, &o.d, &o.dl, &o.dv, x, y, &o.e,
                              &o.h, &o.s, &o.cv, &o.cp, &o.w, &ierr, herr,
                              kRefpropMessageLength);
      if (ierr > 0) throw RefPropBridgeError(format("PQ: %s", messageText(herr).c_str()));
    }
  }
  // PQ keeps the given pressure; QT takes the library's (THERMdll or the flash).
  pressure_Pa = pair == PQ ? given * 100000.0 : o.p * 1000.0;
  rhomolar = o.d * 1000.0;
  hmolar = o.h;
  smolar = o.s;
  quality = q;
  sound_speed = o.w;
}

void refrop_backend::flashMolarPair(input_pairs pair, double value1, double value2, int& ierr,
                                    char* herr) {
  double* z = composition.data();
  double* x = liquid_composition.data();
  double* y = vapour_composition.data();
  const RefpropStrLen L = kRefpropMessageLength;
  FlashOutputs o;
  int kr = 1;
  const char* label = nullptr;
  // Which inputs the pair gives, so that the state keeps them rather than the outputs.
  // Inputs given as h or s travel in o.h / o.s, which the routine leaves alone.
  bool givenP = false, givenD = false;
  double pkPa = 0.0, dmolL = 0.0;
  switch (pair) {
    case PT: {
      label = "PT";
      givenP = true;
      pressure_Pa = value1 * 100000.0;
      temperature_K = value2 + 273.15;
      pkPa = value1 * 100000.0 * 0.001;
      REFPROP_CALL(TPFLSHdll)(&temperature_K, &pkPa, z, &o.d, &o.dl, &o.dv, x, y, &o.q, &o.e,
                              &o.h, &o.s, &o.cv, &o.cp, &o.w, &ierr, herr, L);
      break;
    }
    case DmolarT: {
      label = "DmolarT";
      givenD = true;
      rhomolar = value1;
      temperature_K = value2;
      dmolL = value1 * 0.001;
      REFPROP_CALL(TDFLSHdll)(&temperature_K, &dmolL, z, &o.p, &o.dl, &o.dv, x, y, &o.q, &o.e,
                              &o.h, &o.s, &o.cv, &o.cp, &o.w, &ierr, herr, L);
      break;
    }
    case HmolarT: {
      label = "HmolarT";
      o.h = value1;
      temperature_K = value2;
      REFPROP_CALL(THFLSHdll)(&temperature_K, &o.h, z, &kr, &o.p, &o.d, &o.dl, &o.dv, x, y,
                              &o.q, &o.e, &o.s, &o.cv, &o.cp, &o.w, &ierr, herr, L);
      break;
    }
    case SmolarT: {
      label = "SmolarT";
      o.s = value1;
      temperature_K = value2;
      REFPROP_CALL(TSFLSHdll)(&temperature_K, &o.s, z, &kr, &o.p, &o.d, &o.dl, &o.dv, x, y,
                              &o.q, &o.e, &o.h, &o.cv, &o.cp, &o.w, &ierr, herr, L);
      break;
    }
    case TUmolar: {
      label = "TUmolar";
      temperature_K = value1;
      o.e = value2;
      REFPROP_CALL(TEFLSHdll)(&temperature_K, &o.e, z, &kr, &o.p, &o.d, &o.dl, &o.dv, x, y,
                              &o.q, &o.h, &o.s, &o.cv, &o.cp, &o.w, &ierr, herr, L);
      break;
    }
    case DmolarP: {
      label = "DmolarP";
      givenP = true;
      pressure_Pa = value2;
      pkPa = value2 * 0.001;
      dmolL = value1 * 0.001;
      REFPROP_CALL(PDFLSHdll)(&pkPa, &dmolL, z, &temperature_K, &o.dl, &o.dv, x, y, &o.q, &o.e,
                              &o.h, &o.s, &o.cv, &o.cp, &o.w, &ierr, herr, L);
      if (ierr <= 0) rhomolar = value1;
      givenD = true;
      break;
    }
    case HmolarP: {
      label = "HmolarPmolar";
      givenP = true;
      o.h = value1;
      pressure_Pa = value2;
      pkPa = value2 * 0.001;
      REFPROP_CALL(PHFLSHdll)(&pkPa, &o.h, z, &temperature_K, &o.d, &o.dl, &o.dv, x, y, &o.q,
                              &o.e, &o.s, &o.cv, &o.cp, &o.w, &ierr, herr, L);
      break;
    }
    case PSmolar: {
      label = "PSmolar";
      givenP = true;
      pressure_Pa = value1;
      pkPa = value1 * 0.001;
      o.s = value2;
      REFPROP_CALL(PSFLSHdll)(&pkPa, &o.s, z, &temperature_K, &o.d, &o.dl, &o.dv, x, y, &o.q,
                              &o.e, &o.h, &o.cv, &o.cp, &o.w, &ierr, herr, L);
      break;
    }
    case PUmolar: {
      label = "PUmolar";
      givenP = true;
      pressure_Pa = value1;
      pkPa = value1 * 0.001;
      o.e = value2;
      REFPROP_CALL(PEFLSHdll)(&pkPa, &o.e, z, &temperature_K, &o.d, &o.dl, &o.dv, x, y, &o.q,
                              &o.h, &o.s, &o.cv, &o.cp, &o.w, &ierr, herr, L);
      break;
    }
    case HmolarSmolar: {
      label = "HmolarSmolar";
      o.h = value1;
      o.s = value2;
      REFPROP_CALL(HSFLSHdll)(&o.h, &o.s, z, &temperature_K, &o.p, &o.d, &o.dl, &o.dv, x, y,
                              &o.q, &o.e, &o.cv, &o.cp, &o.w, &ierr, herr, L);
      break;
    }
    case SmolarUmolar: {
      label = "SmolarUmolar";
      o.s = value1;
      o.e = value2;
      REFPROP_CALL(ESFLSHdll)(&o.e, &o.s, z, &temperature_K, &o.p, &o.d, &o.dl, &o.dv, x, y,
                              &o.q, &o.h, &o.cv, &o.cp, &o.w, &ierr, herr, L);
      break;
    }
    case DmolarHmolar: {
      label = "DmolarHmolar";
      givenD = true;
      rhomolar = value1;
      dmolL = value1 * 0.001;
      o.h = value2;
      REFPROP_CALL(DHFLSHdll)(&dmolL, &o.h, z, &temperature_K, &o.p, &o.dl, &o.dv, x, y, &o.q,
                              &o.e, &o.s, &o.cv, &o.cp, &o.w, &ierr, herr, L);
      break;
    }
    case DmolarSmolar: {
      label = "DmolarSmolar";
      givenD = true;
      rhomolar = value1;
      dmolL = value1 * 0.001;
      o.s = value2;
      REFPROP_CALL(DSFLSHdll)(&dmolL, &o.s, z, &temperature_K, &o.p, &o.dl, &o.dv, x, y, &o.q,
                              &o.e, &o.h, &o.cv, &o.cp, &o.w, &ierr, herr, L);
      break;
    }
    case DmolarUmolar: {
      label = "DmolarUmolar";
      givenD = true;
      rhomolar = value1;
      dmolL = value1 * 0.001;
      o.e = value2;
      REFPROP_CALL(DEFLSHdll)(&dmolL, &o.e, z, &temperature_K, &o.p, &o.dl, &o.dv, x, y, &o.q,
                              &o.h, &o.s, &o.cv, &o.cp, &o.w, &ierr, herr, L);
      break;
    }
    default:
      throw RefPropBridgeError("This pair of inputs is not yet supported");
  }
  if (ierr > 0) throw RefPropBridgeError(format("%s: %s", label, messageText(herr).c_str()));
  if (!givenP) pressure_Pa = o.p * 1000.0;
  if (!givenD) rhomolar = o.d * 1000.0;
  hmolar = o.h;
  smolar = o.s;
  quality = o.q;
  sound_speed = o.w;
}
