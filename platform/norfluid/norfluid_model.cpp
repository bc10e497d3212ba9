#include "norfluid_model.h"

#include <algorithm>
#include <cmath>

namespace norfluid {

namespace {

const double kOmegaA = 0.45723553;
const double kOmegaB = 0.07779607;
const double kZcPR = 0.30740131;
const double kSqrt2 = 1.4142135623730951;
const double kT0 = 273.15;    // reference temperature of the ideal-gas integrals
const double kP0 = 101.325;   // reference pressure of the ideal-gas entropy, kPa

// Real roots of z^3 + a z^2 + b z + c, ascending.
std::vector<double> cubicRoots(double a, double b, double c) {
  std::vector<double> roots;
  double Q = (a * a - 3.0 * b) / 9.0;
  double R = (2.0 * a * a * a - 9.0 * a * b + 27.0 * c) / 54.0;
  if (R * R < Q * Q * Q) {
    double theta = std::acos(std::max(-1.0, std::min(1.0, R / std::sqrt(Q * Q * Q))));
    double s = -2.0 * std::sqrt(Q);
    for (int k = 0; k < 3; ++k) roots.push_back(s * std::cos((theta + 2.0 * M_PI * k) / 3.0) - a / 3.0);
  } else {
    double A = -std::copysign(std::cbrt(std::fabs(R) + std::sqrt(R * R - Q * Q * Q)), R);
    double B = A == 0.0 ? 0.0 : Q / A;
    roots.push_back(A + B - a / 3.0);
  }
  for (double& z : roots) {  // polish
    for (int it = 0; it < 3; ++it) {
      double f = ((z + a) * z + b) * z + c;
      double df = (3.0 * z + 2.0 * a) * z + b;
      if (df == 0.0) break;
      z -= f / df;
    }
  }
  std::sort(roots.begin(), roots.end());
  return roots;
}

// Cubic roots above B for reduced parameters A, B of the untranslated equation.
std::vector<double> compressibilityRoots(double A, double B) {
  std::vector<double> all = cubicRoots(-(1.0 - B), A - 3.0 * B * B - 2.0 * B,
                                       -(A * B - B * B - B * B * B));
  std::vector<double> roots;
  for (double z : all)
    if (z > B) roots.push_back(z);
  return roots;
}

// ln phi of a pure fluid (untranslated) at compressibility Z.
double pureLnPhi(double Z, double A, double B) {
  return Z - 1.0 - std::log(Z - B) -
         A / (2.0 * kSqrt2 * B) * std::log((Z + (1.0 + kSqrt2) * B) / (Z + (1.0 - kSqrt2) * B));
}

// Solves the small dense system M d = r (Gaussian elimination with pivoting).
bool solveLinear(std::vector<std::vector<double>> M, std::vector<double> r, std::vector<double>& d) {
  int n = static_cast<int>(r.size());
  for (int i = 0; i < n; ++i) {
    int piv = i;
    for (int k = i + 1; k < n; ++k)
      if (std::fabs(M[k][i]) > std::fabs(M[piv][i])) piv = k;
    if (std::fabs(M[piv][i]) < 1e-300) return false;
    std::swap(M[i], M[piv]);
    std::swap(r[i], r[piv]);
    for (int k = i + 1; k < n; ++k) {
      double f = M[k][i] / M[i][i];
      for (int j = i; j < n; ++j) M[k][j] -= f * M[i][j];
      r[k] -= f * r[i];
    }
  }
  d.assign(n, 0.0);
  for (int i = n - 1; i >= 0; --i) {
    double s = r[i];
    for (int j = i + 1; j < n; ++j) s -= M[i][j] * d[j];
    d[i] = s / M[i][i];
  }
  return true;
}

// Saturation of a pure component at T, untranslated volumes. False above Tc or when the
// iteration finds no two distinct phases.
bool pureSaturation(const Component& c, double T, double& p, double& vl, double& vv) {
  if (T >= c.Tc || T <= 0.0) return false;
  double a = c.ac * c.alpha(T);
  double RT = kR * T;
  p = c.pc * std::pow(10.0, 7.0 / 3.0 * (1.0 + c.omega) * (1.0 - c.Tc / T));
  for (int it = 0; it < 200; ++it) {
    double A = a * p / (RT * RT), B = c.b * p / RT;
    std::vector<double> z = compressibilityRoots(A, B);
    if (z.empty()) return false;
    if (z.size() == 1 || z.back() - z.front() < 1e-10) {
      // One phase only at this pressure: a liquid-like root means the pressure is too
      // high, a vapour-like one too low.
      p *= z.front() < kZcPR ? 0.7 : 1.3;
      continue;
    }
    double zl = z.front(), zv = z.back();
    double f = pureLnPhi(zl, A, B) - pureLnPhi(zv, A, B);
    double step = std::max(-1.0, std::min(1.0, f / (zv - zl)));
    p *= std::exp(step);
    if (std::fabs(step) < 1e-13) {
      A = a * p / (RT * RT);
      B = c.b * p / RT;
      z = compressibilityRoots(A, B);
      if (z.size() < 2) return false;
      vl = z.front() * RT / p;
      vv = z.back() * RT / p;
      return vv / vl > 1.0 + 1e-6;
    }
  }
  return false;
}

}  // namespace

double Component::alpha(double T, double* dalpha) const {
  double sq = std::sqrt(T / Tc);
  double s = 1.0 - sq;
  double m, dmds;
  if (T < Tc) {
    m = 1.0 + mc1 * s + mc2 * s * s + mc3 * s * s * s;
    dmds = mc1 + 2.0 * mc2 * s + 3.0 * mc3 * s * s;
  } else {
    m = 1.0 + mc1 * s;
    dmds = mc1;
  }
  if (dalpha) *dalpha = 2.0 * m * dmds * (-0.5 / std::sqrt(T * Tc));
  return m * m;
}

double Component::translation(double T, double* dc) const {
  double tau = T / Tc;
  std::size_t n = tauNodes.size();
  if (n == 0) {
    if (dc) *dc = 0.0;
    return 0.0;
  }
  if (n == 1) {
    if (dc) *dc = 0.0;
    return cNodes[0];
  }
  auto slopeAt = [&](std::size_t k, bool right) {  // end tangents of the natural spline
    double h = tauNodes[k + 1] - tauNodes[k];
    double d = (cNodes[k + 1] - cNodes[k]) / h;
    return right ? d + h * (cCurvature[k] / 6.0 + cCurvature[k + 1] / 3.0)
                 : d - h * (cCurvature[k] / 3.0 + cCurvature[k + 1] / 6.0);
  };
  double c, slope;
  if (tau <= tauNodes.front()) {
    slope = slopeAt(0, false);
    c = cNodes.front() + slope * (tau - tauNodes.front());
  } else if (tau >= tauNodes.back()) {
    slope = slopeAt(n - 2, true);
    c = cNodes.back() + slope * (tau - tauNodes.back());
  } else {
    std::size_t k = std::upper_bound(tauNodes.begin(), tauNodes.end(), tau) - tauNodes.begin() - 1;
    double h = tauNodes[k + 1] - tauNodes[k];
    double a = (tauNodes[k + 1] - tau) / h, b = (tau - tauNodes[k]) / h;
    c = a * cNodes[k] + b * cNodes[k + 1] +
        ((a * a * a - a) * cCurvature[k] + (b * b * b - b) * cCurvature[k + 1]) * h * h / 6.0;
    slope = (cNodes[k + 1] - cNodes[k]) / h +
            (-(3 * a * a - 1) * cCurvature[k] + (3 * b * b - 1) * cCurvature[k + 1]) * h / 6.0;
  }
  if (dc) *dc = slope / Tc;
  return c;
}

double Component::cp0(double T) const {
  double slope = (cp2 - cp1) / (cpT2 - cpT1);
  return cp1 + slope * (T - cpT1);
}

double Component::h0(double T) const {
  double slope = (cp2 - cp1) / (cpT2 - cpT1);
  double a = cp1 - slope * cpT1;
  return a * (T - kT0) + 0.5 * slope * (T * T - kT0 * kT0);
}

double Component::s0(double T) const {
  double slope = (cp2 - cp1) / (cpT2 - cpT1);
  double a = cp1 - slope * cpT1;
  return a * std::log(T / kT0) + slope * (T - kT0);
}

Model::Params Model::params(double T, const std::vector<double>& x) const {
  std::size_t n = comps.size();
  std::vector<double> ai(n), dai(n);
  Params P{0, 0, 0, 0, 0, std::vector<double>(n, 0.0)};
  for (std::size_t i = 0; i < n; ++i) {
    double dal = 0;
    double al = comps[i].alpha(T, &dal);
    ai[i] = comps[i].ac * al;
    dai[i] = comps[i].ac * dal;
    double dci = 0;
    double ci = comps[i].translation(T, &dci);
    P.b += x[i] * comps[i].b;
    P.c += x[i] * ci;
    P.dc += x[i] * dci;
  }
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = 0; j < n; ++j) {
      double k = 1.0 - kij[i][j];
      double r = std::sqrt(ai[i] * ai[j]);
      double aij = k * r;
      double daij = r > 0 ? k * (dai[i] * ai[j] + ai[i] * dai[j]) / (2.0 * r) : 0.0;
      P.a += x[i] * x[j] * aij;
      P.da += x[i] * x[j] * daij;
      P.sumA[i] += x[j] * aij;
    }
  }
  return P;
}

double Model::molarMass(const std::vector<double>& x) const {
  double m = 0;
  for (std::size_t i = 0; i < comps.size(); ++i) m += x[i] * comps[i].M;
  return m;
}

double Model::pressure(double T, double v, const std::vector<double>& x) const {
  Params P = params(T, x);
  double V = v + P.c;
  return kR * T / (V - P.b) - P.a / (V * V + 2.0 * P.b * V - P.b * P.b);
}

namespace {
struct Residual {
  double p, u, s, dpdV;
};
Residual residual(const Model::Params& P, double T, double v) {
  double V = v + P.c;
  double D = V * V + 2.0 * P.b * V - P.b * P.b;
  double L = std::log((V + (1.0 + kSqrt2) * P.b) / (V + (1.0 - kSqrt2) * P.b)) / (2.0 * kSqrt2 * P.b);
  Residual r;
  r.p = kR * T / (V - P.b) - P.a / D;
  r.dpdV = -kR * T / ((V - P.b) * (V - P.b)) + P.a * (2.0 * V + 2.0 * P.b) / (D * D);
  // d(c)/dT enters through dc * (RT/(V-b) - a/D) = dc * p.
  r.s = kR * std::log((V - P.b) / v) + P.da * L + P.dc * r.p;
  r.u = -(P.a - T * P.da) * L + T * P.dc * r.p;
  return r;
}
}  // namespace

PhaseProps Model::idealProps(double T, double v, const std::vector<double>& x) const {
  PhaseProps o;
  o.T = T;
  o.v = v;
  o.p = kR * T / v;
  double mix = 0;
  for (std::size_t i = 0; i < comps.size(); ++i) {
    if (x[i] <= 0) continue;
    o.h += x[i] * (comps[i].h0(T) + comps[i].hOffset);
    o.s += x[i] * (comps[i].s0(T) + comps[i].sOffset);
    o.cp += x[i] * comps[i].cp0(T);
    mix += x[i] * std::log(x[i]);
  }
  o.s += -kR * std::log(kR * T / (v * kP0)) - kR * mix;
  o.e = o.h - kR * T;
  o.cv = o.cp - kR;
  o.w = std::sqrt(o.cp / o.cv * kR * T / (molarMass(x) / 1000.0));
  o.dpdv = -o.p / v;
  o.dpdT = kR / v;
  return o;
}

PhaseProps Model::props(double T, double v, const std::vector<double>& x) const {
  PhaseProps ig = idealProps(T, v, x);
  Params P = params(T, x);
  Residual r = residual(P, T, v);
  double dT = 1e-4 * T;
  Residual rp = residual(params(T + dT, x), T + dT, v);
  Residual rm = residual(params(T - dT, x), T - dT, v);
  PhaseProps o;
  o.T = T;
  o.v = v;
  o.p = r.p;
  o.dpdv = r.dpdV;
  o.dpdT = (rp.p - rm.p) / (2.0 * dT);
  o.h = ig.h + r.u + r.p * v - kR * T;
  o.s = ig.s + r.s;
  o.e = o.h - r.p * v;
  o.cv = ig.cv + (rp.u - rm.u) / (2.0 * dT);
  o.cp = o.cv + (o.dpdv < 0 ? T * o.dpdT * o.dpdT / (-o.dpdv) : 0.0);
  double w2 = o.dpdv < 0 && o.cv > 0 ? o.cp / o.cv * (-o.dpdv) * v * v / (molarMass(x) / 1000.0) : 0.0;
  o.w = std::sqrt(std::max(0.0, w2));
  o.hjt = o.dpdv < 0 ? (T * (-o.dpdT / o.dpdv) - v) / o.cp : 0.0;
  return o;
}

double Model::volumeAt(double T, double p, const std::vector<double>& x, int kind,
                       std::vector<double>* lnphi, int* rootCount) const {
  Params P = params(T, x);
  double RT = kR * T;
  double A = P.a * p / (RT * RT), B = P.b * p / RT;
  std::vector<double> z = compressibilityRoots(A, B);
  if (rootCount) *rootCount = static_cast<int>(z.size());
  if (z.empty()) return -1.0;
  auto lnPhis = [&](double Z) {
    std::vector<double> out(comps.size());
    double lg = std::log((Z + (1.0 + kSqrt2) * B) / (Z + (1.0 - kSqrt2) * B));
    for (std::size_t i = 0; i < comps.size(); ++i) {
      double bi = comps[i].b / P.b;
      out[i] = bi * (Z - 1.0) - std::log(Z - B) -
               A / (2.0 * kSqrt2 * B) * (2.0 * P.sumA[i] / P.a - bi) * lg -
               comps[i].translation(T) * p / RT;
    }
    return out;
  };
  double Z;
  if (kind < 0) {
    Z = z.front();
  } else if (kind > 0) {
    Z = z.back();
  } else {
    Z = z.front();
    if (z.size() > 1) {
      double gl = 0, gv = 0;
      std::vector<double> fl = lnPhis(z.front()), fv = lnPhis(z.back());
      for (std::size_t i = 0; i < comps.size(); ++i) {
        gl += x[i] * fl[i];
        gv += x[i] * fv[i];
      }
      if (gv < gl) Z = z.back();
    }
  }
  if (lnphi) *lnphi = lnPhis(Z);
  return Z * RT / p - P.c;
}

std::vector<double> Model::lnPhiAtVolume(double T, double v, const std::vector<double>& x) const {
  Params P = params(T, x);
  double RT = kR * T;
  double V = v + P.c;
  double p = pressure(T, v, x);
  std::vector<double> out(comps.size(), 0.0);
  double lg = std::log((V + (1.0 + kSqrt2) * P.b) / (V + (1.0 - kSqrt2) * P.b));
  double Z = p * V / RT;
  for (std::size_t i = 0; i < comps.size(); ++i) {
    double bi = comps[i].b / P.b;
    out[i] = bi * (Z - 1.0) - std::log((V - P.b) / V) - std::log(Z) -
             P.a / (2.0 * kSqrt2 * P.b * RT) * (2.0 * P.sumA[i] / P.a - bi) * lg -
             comps[i].translation(T) * p / RT;
  }
  return out;
}

bool Model::pureSaturationT(int i, double T, double& p, double& vl, double& vv) const {
  if (!pureSaturation(comps[i], T, p, vl, vv)) return false;
  double c = comps[i].translation(T);
  vl -= c;
  vv -= c;
  return true;
}

double Model::untranslatedPureLiquidVolume(int i, double T) const {
  double p, vl, vv;
  if (!pureSaturation(comps[i], T, p, vl, vv)) return -1.0;
  return vl;
}

void Model::criticalPoint(const std::vector<double>& x, double& Tc, double& pc, double& vc) const {
  int single = -1;
  for (std::size_t i = 0; i < comps.size(); ++i)
    if (x[i] > 1.0 - 1e-12) single = static_cast<int>(i);
  if (single >= 0) {
    Tc = comps[single].Tc;
    pc = comps[single].pc;
  } else {
    // Pseudo-critical point: the temperature at which the mixture's a and b meet the
    // pure-fluid critical condition a / (b R T) = OmegaA / OmegaB.
    double lo = 1e9, hi = 0;
    for (const Component& c : comps) {
      lo = std::min(lo, 0.3 * c.Tc);
      hi = std::max(hi, 2.0 * c.Tc);
    }
    auto f = [&](double T) {
      Params P = params(T, x);
      return P.a / (P.b * kR * T) - kOmegaA / kOmegaB;
    };
    for (int it = 0; it < 200; ++it) {
      double mid = 0.5 * (lo + hi);
      (f(mid) > 0 ? lo : hi) = mid;
    }
    Tc = 0.5 * (lo + hi);
    pc = kOmegaB * kR * Tc / params(Tc, x).b;
  }
  vc = kZcPR * kR * Tc / pc - params(Tc, x).c;
}

bool Model::fitAlpha(Component& c) const {
  std::vector<std::pair<double, double>> anchors;
  anchors.emplace_back(0.7 * c.Tc, c.pc * std::pow(10.0, -1.0 - c.omega));
  if (c.Tnbp > 0 && c.Tnbp < 0.98 * c.Tc && std::fabs(c.Tnbp - 0.7 * c.Tc) > 1.0)
    anchors.emplace_back(c.Tnbp, 101.325);
  for (const auto& a : c.psatPoints)
    if (a.first < c.Tc) anchors.push_back(a);
  c.mc1 = 0.37464 + 1.54226 * c.omega - 0.26992 * c.omega * c.omega;
  c.mc2 = c.mc3 = 0.0;
  int np = static_cast<int>(std::min<std::size_t>(3, anchors.size()));
  auto residuals = [&](const Component& trial, std::vector<double>& r) {
    r.clear();
    for (const auto& a : anchors) {
      double p, vl, vv;
      if (!pureSaturation(trial, a.first, p, vl, vv)) return false;
      r.push_back(std::log(p / a.second));
    }
    return true;
  };
  for (int iter = 0; iter < 40; ++iter) {
    std::vector<double> r0;
    if (!residuals(c, r0)) return false;
    std::vector<std::vector<double>> J(r0.size(), std::vector<double>(np));
    for (int k = 0; k < np; ++k) {
      Component t = c;
      double* m = k == 0 ? &t.mc1 : k == 1 ? &t.mc2 : &t.mc3;
      *m += 1e-6;
      std::vector<double> r1;
      if (!residuals(t, r1)) return false;
      for (std::size_t j = 0; j < r0.size(); ++j) J[j][k] = (r1[j] - r0[j]) / 1e-6;
    }
    // Normal equations with a small damping that keeps the higher terms modest.
    std::vector<std::vector<double>> M(np, std::vector<double>(np, 0.0));
    std::vector<double> g(np, 0.0), d;
    for (int i = 0; i < np; ++i) {
      for (int j = 0; j < np; ++j)
        for (std::size_t k = 0; k < r0.size(); ++k) M[i][j] += J[k][i] * J[k][j];
      for (std::size_t k = 0; k < r0.size(); ++k) g[i] -= J[k][i] * r0[k];
      M[i][i] += 1e-10;
    }
    if (!solveLinear(M, g, d)) return false;
    c.mc1 += d[0];
    if (np > 1) c.mc2 += d[1];
    if (np > 2) c.mc3 += d[2];
    double step = 0;
    for (double v : d) step = std::max(step, std::fabs(v));
    if (step < 1e-10) break;
  }
  return true;
}

void Model::fitTranslation(Component& c) const {
  c.tauNodes.clear();
  c.cNodes.clear();
  c.cCurvature.clear();
  std::vector<std::pair<double, double>> targets;  // (tau, v L/mol)
  for (const auto& pt : c.rhoLiquidPoints) targets.emplace_back(pt.first / c.Tc, c.M / pt.second);
  if (c.rhoLiquidPoints.size() < 3) {
    // Rackett curve v = (R Tc / pc) Zra^(1 + (1 - tau)^n) through the listed points (the
    // Yamada-Gunn Zra when there are none) fills the range the points leave open.
    double vr = kR * c.Tc / c.pc;
    double zra = 0.29056 - 0.08775 * c.omega, n = 2.0 / 7.0;
    const auto& pts = c.rhoLiquidPoints;
    if (pts.size() == 1) {
      double tau = pts[0].first / c.Tc;
      zra = std::pow(c.M / pts[0].second / vr, 1.0 / (1.0 + std::pow(1.0 - tau, n)));
    } else if (pts.size() == 2) {
      double l1 = std::log(c.M / pts[0].second / vr), l2 = std::log(c.M / pts[1].second / vr);
      double t1 = 1.0 - pts[0].first / c.Tc, t2 = 1.0 - pts[1].first / c.Tc;
      double lo = 0.05, hi = 1.0;
      auto f = [&](double e) { return l1 * (1.0 + std::pow(t2, e)) - l2 * (1.0 + std::pow(t1, e)); };
      for (int it = 0; it < 100; ++it) {
        double mid = 0.5 * (lo + hi);
        ((f(lo) > 0) == (f(mid) > 0) ? lo : hi) = mid;
      }
      n = 0.5 * (lo + hi);
      zra = std::exp(l1 / (1.0 + std::pow(t1, n)));
    }
    for (double tau = 0.5; tau < 0.955; tau += 0.05) {
      bool near = tau * c.Tc < c.Ttriple;
      for (const auto& pt : pts) near = near || std::fabs(pt.first / c.Tc - tau) < 0.03;
      if (!near) targets.emplace_back(tau, vr * std::pow(zra, 1.0 + std::pow(1.0 - tau, n)));
    }
  }
  std::sort(targets.begin(), targets.end());
  for (const auto& t : targets) {
    double vl = untranslatedPureLiquidVolume(static_cast<int>(&c - &comps[0]), t.first * c.Tc);
    if (vl <= 0 || (!c.tauNodes.empty() && t.first - c.tauNodes.back() < 1e-6)) continue;
    c.tauNodes.push_back(t.first);
    c.cNodes.push_back(vl - t.second);
  }
  // Natural cubic spline: second derivatives from the tridiagonal system.
  std::size_t n = c.tauNodes.size();
  c.cCurvature.assign(n, 0.0);
  if (n < 3) return;
  std::vector<double> u(n, 0.0);
  for (std::size_t i = 1; i + 1 < n; ++i) {
    const std::vector<double>& x = c.tauNodes;
    const std::vector<double>& y = c.cNodes;
    double sig = (x[i] - x[i - 1]) / (x[i + 1] - x[i - 1]);
    double p = sig * c.cCurvature[i - 1] + 2.0;
    c.cCurvature[i] = (sig - 1.0) / p;
    double d = (y[i + 1] - y[i]) / (x[i + 1] - x[i]) - (y[i] - y[i - 1]) / (x[i] - x[i - 1]);
    u[i] = (6.0 * d / (x[i + 1] - x[i - 1]) - sig * u[i - 1]) / p;
  }
  c.cCurvature[n - 1] = 0.0;
  for (std::size_t k = n - 1; k-- > 0;) c.cCurvature[k] = c.cCurvature[k] * c.cCurvature[k + 1] + u[k];
}

void Model::referenceState(int i) {
  Component& c = comps[i];
  c.hOffset = c.sOffset = 0.0;
  std::vector<double> x(comps.size(), 0.0);
  x[i] = 1.0;
  double p, vl, vv;
  double T = kT0;
  double hRef = 200.0 * c.M, sRef = 1.0 * c.M;  // IIR: 200 kJ/kg, 1 kJ/(kg K)
  if (!(c.Tc > kT0 + 1.0 && pureSaturationT(i, T, p, vl, vv))) {
    T = c.Tnbp;
    hRef = sRef = 0.0;
    if (!pureSaturationT(i, T, p, vl, vv)) return;
  }
  PhaseProps st = props(T, vl, x);
  c.hOffset = hRef - st.h;
  c.sOffset = sRef - st.s;
}

std::string Model::prepare() {
  for (Component& c : comps) {
    if (!(c.Tc > 0 && c.pc > 0 && c.M > 0)) return "incomplete fluid data for " + c.file;
    c.ac = kOmegaA * kR * kR * c.Tc * c.Tc / c.pc;
    c.b = kOmegaB * kR * c.Tc / c.pc;
    if (!fitAlpha(c)) return "cannot fit the vapour pressure of " + c.file;
  }
  for (Component& c : comps) fitTranslation(c);
  for (std::size_t i = 0; i < comps.size(); ++i) referenceState(static_cast<int>(i));
  return "";
}

}  // namespace norfluid
