// Thermodynamic model of the stand-in property library.
//
// Peng-Robinson cubic equation of state with:
//  - a Mathias-Copeman alpha function per fluid, fitted at load time so that the vapour
//    pressure passes through the acentric-factor point (0.7 Tc), the normal boiling point
//    and any saturation points that the fluid file lists;
//  - a temperature-dependent volume translation per fluid (a spline in T/Tc) that makes the
//    saturated liquid density pass through the densities the fluid file lists, completed by
//    a Rackett curve through them when it lists fewer than three;
//  - van der Waals one-fluid mixing with a binary kij (file HMX.BNC, 0 when absent);
//  - ideal-gas heat capacity linear in T between two listed values;
//  - IIR reference state per fluid: h = 200 kJ/kg, s = 1 kJ/(kg K) for the saturated liquid
//    at 0 degC (normal boiling point, h = s = 0, for a fluid whose Tc is below 0 degC).
//
// Units: K, kPa, L/mol, J/mol, J/(mol K); kPa L = J.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace norfluid {

const double kR = 8.314462618;  // J/(mol K)

// One real fluid of the model (a fluid file).
struct Component {
  std::string file;  // stem of its fluid file ("R134A")
  std::string name, longName, cas;
  double M = 0;       // g/mol
  double Tc = 0, pc = 0, omega = 0;
  double Ttriple = 0, Tnbp = 0, dipole = 0;
  std::vector<std::pair<double, double>> psatPoints;  // extra (T K, p kPa)
  std::vector<std::pair<double, double>> rhoLiquidPoints;  // (T K, kg/m3)
  double cpT1 = 300, cp1 = 0, cpT2 = 400, cp2 = 0;  // ideal-gas cp, J/(mol K), at two T

  // Derived at load time.
  double ac = 0, b = 0;                 // PR constants
  double mc1 = 0, mc2 = 0, mc3 = 0;     // Mathias-Copeman coefficients
  // Volume translation c(tau = T/Tc), L/mol: natural cubic spline through its nodes,
  // continued by its end tangents.
  std::vector<double> tauNodes, cNodes, cCurvature;
  double hOffset = 0, sOffset = 0;      // reference-state constants, J/mol, J/(mol K)

  double alpha(double T, double* dalpha = nullptr) const;
  double translation(double T, double* dc = nullptr) const;
  double cp0(double T) const;
  double h0(double T) const;  // ideal-gas enthalpy from 273.15 K, without offset
  double s0(double T) const;  // ideal-gas entropy from 273.15 K at p0, without offset
};

// A fluid as the library's caller sees it: one real component, or a blend of fixed
// composition shown as one pseudo-pure component.
struct ApiComponent {
  std::string file;       // fluid or blend file stem
  std::string name, longName, cas;
  std::vector<std::pair<int, double>> parts;  // (model component index, mole fraction)
  double hOffset = 0, sOffset = 0;            // blend reference-state correction, J/mol
  double M = 0;
  double Ttriple = 0, Tnbp = 0, dipole = 0, omega = 0;
  double Tc = 0, pc = 0, Dc = 0;  // as reported by INFOdll
};

// Properties of one homogeneous phase at (T, v, x).
struct PhaseProps {
  double T = 0, p = 0, v = 0;  // K, kPa, L/mol
  double e = 0, h = 0, s = 0, cv = 0, cp = 0, w = 0, hjt = 0;
  double dpdv = 0, dpdT = 0;  // kPa mol/L, kPa/K
};

class Model {
public:
  std::vector<Component> comps;
  std::vector<std::vector<double>> kij;

  // Fits the alpha and translation functions and the reference state of every component
  // (call after the components and kij are in place). Returns "" or an error text.
  std::string prepare();

  // Mixture parameters at T for composition x (model components).
  struct Params {
    double a, da, b, c, dc;
    std::vector<double> sumA;  // sum_j x_j a_ij, for fugacities
  };
  Params params(double T, const std::vector<double>& x) const;

  double pressure(double T, double v, const std::vector<double>& x) const;
  PhaseProps props(double T, double v, const std::vector<double>& x) const;
  // Ideal-gas properties at (T, v): p, e, h, s, cv, cp, w.
  PhaseProps idealProps(double T, double v, const std::vector<double>& x) const;
  double molarMass(const std::vector<double>& x) const;  // g/mol

  // Volume of the phase at (T, p): kind -1 liquid root, +1 vapour root, 0 lowest Gibbs
  // energy. Returns the volume and the log fugacity coefficients in lnphi (optional).
  double volumeAt(double T, double p, const std::vector<double>& x, int kind,
                  std::vector<double>* lnphi = nullptr, int* roots = nullptr) const;
  // Log fugacity coefficients at (T, v).
  std::vector<double> lnPhiAtVolume(double T, double v, const std::vector<double>& x) const;

  // Pure-fluid saturation of component i at T: p (kPa), liquid and vapour volumes.
  bool pureSaturationT(int i, double T, double& p, double& vl, double& vv) const;
  // Pseudo-critical point of the mixture (exact for a pure fluid).
  void criticalPoint(const std::vector<double>& x, double& Tc, double& pc, double& vc) const;

private:
  bool fitAlpha(Component& c) const;
  void fitTranslation(Component& c) const;
  void referenceState(int i);
  double untranslatedPureLiquidVolume(int i, double T) const;
};

}  // namespace norfluid
