// Bridge object: single properties of the loaded fluid or of its current state.
#include <algorithm>
#include <cstring>

#include "refprop_binding.h"
#include "refrop_backend.h"

namespace {

// Result code above 0: the library's message alone.
void throwOnError(int ierr, const char* herr) {
  if (ierr > 0)
    throw RefPropBridgeError(
        format("%s", refprop::fieldText(herr, kRefpropMessageLength).c_str()));
}

// Coefficient index of a binary interaction parameter name, -1 when unknown.
int coefficientIndex(const std::string& parameter) {
  static const char* const names[] = {"betaT", "gammaT", "betaV", "gammaV", "Fij"};
  for (int i = 0; i < 5; ++i)
    if (parameter == names[i]) return i;
  return -1;
}

}  // namespace

std::vector<double> refrop_backend::componentArray() const {
  return std::vector<double>(std::max<std::size_t>(composition.size(), 1), 0.0);
}

namespace {
struct CriticalPoint {
  double tc = 0, pc = 0, dc = 0;  // K, kPa, mol/L
};
CriticalPoint criticalPoint(std::vector<double>& composition) {
  CriticalPoint c;
  int ierr = 0;
  char herr[kRefpropMessageLength + 1] = {0};
  REFPROP_CALL(CRITPdll)(composition.data(), &c.tc, &c.pc, &c.dc, &ierr, herr,
                         kRefpropMessageLength);
  throwOnError(ierr, herr);
  return c;
}
}  // namespace

double refrop_backend::calc_p_critical() {
  check_loaded_fluid();
  return criticalPoint(composition).pc * 1000.0 / 100000.0;
}

double refrop_backend::calc_T_critical() {
  check_loaded_fluid();
  return criticalPoint(composition).tc - 273.15;
}

double refrop_backend::calc_rhomolar_critical() { return criticalPoint(composition).dc * 1000.0; }

double refrop_backend::calc_T_reducing() {
  check_loaded_fluid();
  double tred = 0, dred = 0;
  REFPROP_CALL(REDXdll)(composition.data(), &tred, &dred);
  return tred;
}

double refrop_backend::calc_rhomolar_reducing() {
  check_loaded_fluid();
  double tred = 0, dred = 0;
  REFPROP_CALL(REDXdll)(composition.data(), &tred, &dred);
  return dred * 1000.0;
}

void refrop_backend::limits(double& Tmin, double& Tmax, double& rhomolarmax, double& pmax) {
  check_loaded_fluid();
  char htyp[4] = "EOS";
  double tmin = 0, tmax = 0, dmax = 0, pmaxkPa = 0;
  REFPROP_CALL(LIMITSdll)(htyp, composition.data(), &tmin, &tmax, &dmax, &pmaxkPa, 3);
  Tmin = tmin;
  Tmax = tmax;
  rhomolarmax = dmax * 1000.0;
  pmax = pmaxkPa * 1000.0;
}

double refrop_backend::calc_Tmin() {
  double tmin, tmax, dmax, pmax;
  limits(tmin, tmax, dmax, pmax);
  return tmin - 273.15;
}

double refrop_backend::calc_Tmax() {
  double tmin, tmax, dmax, pmax;
  limits(tmin, tmax, dmax, pmax);
  return tmax - 273.15;
}

double refrop_backend::calc_pmax() {
  double tmin, tmax, dmax, pmax;
  limits(tmin, tmax, dmax, pmax);
  return pmax / 100000.0;
}

double refrop_backend::calc_Ttriple() {
  check_loaded_fluid();
  if (composition.size() == 1) {
    int icomp = 1;
    double wmm = 0, ttrp = 0, tnbpt = 0, tc = 0, pc = 0, dc = 0, zc = 0, acf = 0, dip = 0,
           rgas = 0;
    REFPROP_CALL(INFOdll)(&icomp, &wmm, &ttrp, &tnbpt, &tc, &pc, &dc, &zc, &acf, &dip, &rgas);
    return ttrp;
  }
  double tmin, tmax, dmax, pmax;
  limits(tmin, tmax, dmax, pmax);
  return tmin;
}

double refrop_backend::calc_p_triple() {
  check_loaded_fluid();
  double t = calc_Ttriple();
  double q = 0.0;
  int kq = 1;
  double p = 0, d = 0, dl = 0, dv = 0, e = 0, h = 0, s = 0, cv = 0, cp = 0, w = 0;
  std::vector<double> x = componentArray(), y = componentArray();
  int ierr = 0;
  char herr[kRefpropMessageLength + 1] = {0};
  REFPROP_CALL(TQFLSHdll)(&t, &q, composition.data(), &kq, &p, &d, &dl, &dv, x.data(), y.data(),
                          &e, &h, &s, &cv, &cp, &w, &ierr, herr, kRefpropMessageLength);
  throwOnError(ierr, herr);
  return p * 1000.0;
}

double refrop_backend::calc_melt_Tmax() {
  check_loaded_fluid();
  char htyp[4] = "EOS";
  double tmin = 0, tmax = 0, dmax = 0, pmax = 0, t = 0;
  REFPROP_CALL(LIMITSdll)(htyp, composition.data(), &tmin, &tmax, &dmax, &pmax, 3);
  int ierr = 0;
  char herr[kRefpropMessageLength + 1] = {0};
  REFPROP_CALL(MELTPdll)(&pmax, composition.data(), &t, &ierr, herr, kRefpropMessageLength);
  throwOnError(ierr, herr);
  return t;
}

double refrop_backend::calc_viscosity() {
  check_loaded_fluid();
  double d = rhomolar * 0.001, eta = 0, tcx = 0;
  int ierr = 0;
  char herr[kRefpropMessageLength + 1] = {0};
  REFPROP_CALL(TRNPRPdll)(&temperature_K, &d, composition.data(), &eta, &tcx, &ierr, herr,
                          kRefpropMessageLength);
  if (ierr > 0) {
    viscosity = conductivity = 0.0;
    throwOnError(ierr, herr);
  }
  viscosity = eta * 1e-6;
  conductivity = tcx;
  return viscosity;
}

double refrop_backend::calc_conductivity() {
  calc_viscosity();
  return conductivity;
}

double refrop_backend::calc_surface_tension() {
  check_loaded_fluid();
  double d = rhomolar * 0.001, sigma = 0;
  int ierr = 0;
  char herr[kRefpropMessageLength + 1] = {0};
  REFPROP_CALL(SURFTdll)(&temperature_K, &d, composition.data(), &sigma, &ierr, herr,
                         kRefpropMessageLength);
  throwOnError(ierr, herr);
  surface_tension = sigma;
  return sigma;
}

double refrop_backend::calc_dipole_moment() {
  check_loaded_fluid();
  if (composition.size() != 1)
    throw RefPropBridgeError("dipole moment is only available for pure fluids");
  int icomp = 1;
  double wmm = 0, ttrp = 0, tnbpt = 0, tc = 0, pc = 0, dc = 0, zc = 0, acf = 0, dip = 0, rgas = 0;
  REFPROP_CALL(INFOdll)(&icomp, &wmm, &ttrp, &tnbpt, &tc, &pc, &dc, &zc, &acf, &dip, &rgas);
  return dip * 3.33564e-30;
}

double refrop_backend::calc_gas_constant() {
  check_loaded_fluid();
  double r = 0;
  REFPROP_CALL(RMIX2dll)(composition.data(), &r);
  return r;
}

double refrop_backend::calc_cpmolar_idealgas() {
  check_loaded_fluid();
  double d = rhomolar * 0.001;
  double p0 = 0, e0 = 0, h0 = 0, s0 = 0, cv0 = 0, cp0 = 0, w0 = 0, a0 = 0, g0 = 0;
  REFPROP_CALL(THERM0dll)(&temperature_K, &d, composition.data(), &p0, &e0, &h0, &s0, &cv0, &cp0,
                          &w0, &a0, &g0);
  return cp0;
}

double refrop_backend::componentResult(FGCTY2dll_fn* routine, const char* name, std::size_t i) {
  check_loaded_fluid();
  // Per-component results: the index must name a component of the loaded fluid.
  if (i >= composition.size())
    throw RefPropBridgeError(format("component index %d outside the %d components",
                                    static_cast<int>(i), static_cast<int>(composition.size())));
  double d = rhomolar * 0.001;
  std::vector<double> values = componentArray();
  int ierr = 0;
  char herr[kRefpropMessageLength + 1] = {0};
  refprop::requireRoutine(routine, name)(&temperature_K, &d, composition.data(), values.data(),
                                         &ierr, herr, kRefpropMessageLength);
  throwOnError(ierr, herr);
  return values[i];
}

double refrop_backend::calc_fugacity(std::size_t i) {
  return componentResult(refprop::FGCTY2dll, "FGCTY2dll", i) * 1000.0;
}

double refrop_backend::calc_fugacity_coefficient(std::size_t i) {
  return componentResult(refprop::FUGCOFdll, "FUGCOFdll", i);
}

double refrop_backend::calc_chemical_potential(std::size_t i) {
  return componentResult(refprop::CHEMPOTdll, "CHEMPOTdll", i);
}

double refrop_backend::calc_Bvirial() {
  double b = 0;
  REFPROP_CALL(VIRBdll)(&temperature_K, composition.data(), &b);
  return b * 0.001;
}

double refrop_backend::calc_Cvirial() {
  double c = 0;
  REFPROP_CALL(VIRCdll)(&temperature_K, composition.data(), &c);
  return c * 1e-6;
}

double refrop_backend::calc_PIP() {
  double d = rhomolar * 0.001;
  double p = 0, e = 0, h = 0, s = 0, cv = 0, cp = 0, w = 0, z = 0, hjt = 0, a = 0, g = 0,
         xkappa = 0, beta = 0, dpdd = 0, d2pdd2 = 0, dpdt = 0, dddt = 0, dddp = 0, d2pdt2 = 0,
         d2pdtd = 0, spare3 = 0, spare4 = 0;
  REFPROP_CALL(THERM2dll)(&temperature_K, &d, composition.data(), &p, &e, &h, &s, &cv, &cp, &w,
                          &z, &hjt, &a, &g, &xkappa, &beta, &dpdd, &d2pdd2, &dpdt, &dddt, &dddp,
                          &d2pdt2, &d2pdtd, &spare3, &spare4);
  return 2.0 - d * (d2pdtd / dpdt - d2pdd2 / dpdd);
}

// Binary interaction parameters as the library's mixing rule holds them.
struct refrop_backend::InteractionModel {
  char model[kRefpropReferenceLength + 1] = {0};
  double fij[6] = {0};
  char hfmix[kRefpropPathLength + 1] = {0};
};

void refrop_backend::readInteraction(int i, int j, InteractionModel& m) {
  char hfij[kRefpropPathLength + 1] = {0}, hbinp[kRefpropPathLength + 1] = {0},
       hmxrul[kRefpropPathLength + 1] = {0};
  REFPROP_CALL(GETKTVdll)(&i, &j, m.model, m.fij, m.hfmix, hfij, hbinp, hmxrul,
                          kRefpropReferenceLength, kRefpropPathLength, kRefpropPathLength,
                          kRefpropPathLength, kRefpropPathLength);
  std::string model = refprop::fieldText(m.model, kRefpropReferenceLength);
  if (model.compare(0, 2, "KW") != 0 && model.compare(0, 2, "GE") != 0)
    throw RefPropBridgeError(format("For now, model [%s] must start with KW or GE", model.c_str()));
}

double refrop_backend::get_binary_interaction_double(std::size_t i, std::size_t j,
                                                     const std::string& parameter) {
  InteractionModel m;
  readInteraction(static_cast<int>(i) + 1, static_cast<int>(j) + 1, m);
  int k = coefficientIndex(parameter);
  if (k < 0)
    throw RefPropBridgeError(
        format(" I don't know what to do with your parameter [%s]", parameter.c_str()));
  return m.fij[k];
}

double refrop_backend::get_binary_interaction_double(const std::string& CAS1,
                                                     const std::string& CAS2,
                                                     const std::string& parameter) {
  return get_binary_interaction_double(match_CAS(CAS1) - 1, match_CAS(CAS2) - 1, parameter);
}

void refrop_backend::set_binary_interaction_double(std::size_t i, std::size_t j,
                                                   const std::string& parameter, double value) {
  int icomp = static_cast<int>(i) + 1, jcomp = static_cast<int>(j) + 1;
  InteractionModel m;
  readInteraction(icomp, jcomp, m);
  int k = coefficientIndex(parameter);
  if (k < 0)
    throw RefPropBridgeError(
        format("I don't know what to do with your parameter [%s]", parameter.c_str()));
  m.fij[k] = value;
  int ierr = 0;
  char herr[kRefpropMessageLength + 1] = {0};
  REFPROP_CALL(SETKTVdll)(&icomp, &jcomp, m.model, m.fij, m.hfmix, &ierr, herr,
                          kRefpropReferenceLength, kRefpropPathLength, kRefpropMessageLength);
}

void refrop_backend::set_binary_interaction_double(const std::string& CAS1,
                                                   const std::string& CAS2,
                                                   const std::string& parameter, double value) {
  set_binary_interaction_double(match_CAS(CAS1) - 1, match_CAS(CAS2) - 1, parameter, value);
}

std::string refrop_backend::get_binary_interaction_string(const std::string& CAS1,
                                                          const std::string& CAS2,
                                                          const std::string& parameter) {
  InteractionModel m;
  readInteraction(static_cast<int>(match_CAS(CAS1)), static_cast<int>(match_CAS(CAS2)), m);
  if (parameter == "model") return refprop::fieldText(m.model, kRefpropReferenceLength);
  throw RefPropBridgeError(
      format(" I don't know what to do with your parameter [%s]", parameter.c_str()));
}
