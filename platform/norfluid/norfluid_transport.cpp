#include "norfluid_transport.h"

#include <algorithm>
#include <cmath>

namespace norfluid {

namespace {

// Pseudo-critical constants and mean properties of the composition.
struct Pseudo {
  double Tc, pc, vc, M, omega, dipole, Tb;
};

Pseudo pseudo(const Model& m, const std::vector<double>& z) {
  Pseudo p{0, 0, 0, 0, 0, 0, 0};
  m.criticalPoint(z, p.Tc, p.pc, p.vc);
  for (std::size_t i = 0; i < m.comps.size(); ++i) {
    p.M += z[i] * m.comps[i].M;
    p.omega += z[i] * m.comps[i].omega;
    p.dipole += z[i] * m.comps[i].dipole;
    p.Tb += z[i] * m.comps[i].Tnbp;
  }
  return p;
}

// Chung et al. dilute gas, uPa s.
double dilute(const Pseudo& f, double T) {
  double vc = f.vc * 1000.0;  // cm3/mol
  double ts = 1.2593 * T / f.Tc;
  double omegaV = 1.16145 * std::pow(ts, -0.14874) + 0.52487 * std::exp(-0.77320 * ts) +
                  2.16178 * std::exp(-2.43787 * ts);
  double mur = 131.3 * f.dipole / std::sqrt(vc * f.Tc);
  double Fc = 1.0 - 0.2756 * f.omega + 0.059035 * std::pow(mur, 4);
  return 0.1 * 40.785 * Fc * std::sqrt(f.M * T) / (std::pow(vc, 2.0 / 3.0) * omegaV);
}

// Letsou-Stiel saturated liquid, uPa s.
double liquid(const Pseudo& f, double T) {
  double tr = std::min(0.98, T / f.Tc);
  double xi = std::pow(f.Tc, 1.0 / 6.0) / (std::sqrt(f.M) * std::pow(f.pc / 101.325, 2.0 / 3.0));
  double ex = (0.015174 - 0.02135 * tr + 0.0075 * tr * tr) +
              f.omega * (0.042552 - 0.07674 * tr + 0.0340 * tr * tr);
  return ex / xi * 1000.0;  // cP -> uPa s
}

}  // namespace

double viscosity(const Model& m, double T, double v, const std::vector<double>& z) {
  Pseudo f = pseudo(m, z);
  double rhor = f.vc / v;
  double gas = dilute(f, T);
  if (rhor >= 1.0) return std::max(liquid(f, T), gas);
  return gas + (std::max(liquid(f, T), gas) - gas) * rhor * rhor;
}

double conductivity(const Model& m, double T, double v, const std::vector<double>& z) {
  Pseudo f = pseudo(m, z);
  double rhor = f.vc / v;
  double tr = std::min(0.99, T / f.Tc), tbr = std::min(0.99, f.Tb / f.Tc);
  double liq = 1.11 / std::sqrt(f.M) * (3.0 + 20.0 * std::pow(1.0 - tr, 2.0 / 3.0)) /
               (3.0 + 20.0 * std::pow(1.0 - tbr, 2.0 / 3.0));
  double cv = m.idealProps(T, v, z).cv;
  double gas = dilute(f, T) * 1e-6 * (cv + 2.25 * kR) / (f.M / 1000.0);
  if (rhor >= 1.0) return std::max(liq, gas);
  return gas + (std::max(liq, gas) - gas) * rhor * rhor;
}

double surfaceTension(const Model& m, double T, const std::vector<double>& z) {
  double sigma = 0;
  for (std::size_t i = 0; i < m.comps.size(); ++i) {
    const Component& c = m.comps[i];
    if (z[i] <= 0 || T >= c.Tc || c.Tnbp <= 0) continue;
    double pc = c.pc / 100.0;  // bar
    double tbr = c.Tnbp / c.Tc;
    double Q = 0.1196 * (1.0 + tbr * std::log(pc / 1.01325) / (1.0 - tbr)) - 0.279;
    double s = std::pow(pc, 2.0 / 3.0) * std::cbrt(c.Tc) * Q * std::pow(1.0 - T / c.Tc, 11.0 / 9.0);
    sigma += z[i] * s * 1e-3;  // mN/m -> N/m
  }
  return sigma;
}

}  // namespace norfluid
