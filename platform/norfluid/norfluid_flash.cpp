#include "norfluid_flash.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace norfluid {

namespace {

// REFPROP-style marker of a property undefined in the two-phase region.
const double kUndefined = -9999970.0;

// Brent's method on [a, b]; false when f does not change sign there.
bool brent(const std::function<double(double)>& f, double a, double b, double tol, double& root) {
  double fa = f(a), fb = f(b);
  if (std::isnan(fa) || std::isnan(fb) || fa * fb > 0) return false;
  if (std::fabs(fa) < std::fabs(fb)) {
    std::swap(a, b);
    std::swap(fa, fb);
  }
  double c = a, fc = fa, d = 0, s = b;
  bool bisected = true;
  for (int it = 0; it < 300; ++it) {
    if (fb == 0.0 || std::fabs(b - a) < tol) break;
    if (fa != fc && fb != fc) {
      s = a * fb * fc / ((fa - fb) * (fa - fc)) + b * fa * fc / ((fb - fa) * (fb - fc)) +
          c * fa * fb / ((fc - fa) * (fc - fb));
    } else {
      s = b - fb * (b - a) / (fb - fa);
    }
    double lo = std::min((3 * a + b) / 4, b), hi = std::max((3 * a + b) / 4, b);
    if (s < lo || s > hi || (bisected && std::fabs(s - b) >= std::fabs(b - c) / 2) ||
        (!bisected && std::fabs(s - b) >= std::fabs(c - d) / 2)) {
      s = 0.5 * (a + b);
      bisected = true;
    } else {
      bisected = false;
    }
    double fs = f(s);
    if (std::isnan(fs)) return false;
    d = c;
    c = b;
    fc = fb;
    if (fa * fs < 0) {
      b = s;
      fb = fs;
    } else {
      a = s;
      fa = fs;
    }
    if (std::fabs(fa) < std::fabs(fb)) {
      std::swap(a, b);
      std::swap(fa, fb);
    }
  }
  root = b;
  return true;
}

// Wilson's estimate of ln K_i.
double wilsonLnK(const Component& c, double T, double p) {
  return std::log(c.pc / p) + 5.373 * (1.0 + c.omega) * (1.0 - c.Tc / T);
}

// Denominators are written (1 - beta) + beta K: 1 + beta (K - 1) loses a tiny K.
// Rachford-Rice: vapour fraction of feed z with K values, clamped to [0, 1].
double rachfordRice(const std::vector<double>& z, const std::vector<double>& K) {
  auto f = [&](double beta) {
    double s = 0;
    for (std::size_t i = 0; i < z.size(); ++i) s += z[i] * (K[i] - 1.0) / ((1.0 - beta) + beta * K[i]);
    return s;
  };
  if (f(0.0) <= 0) return 0.0;
  if (f(1.0) >= 0) return 1.0;
  double beta = 0.5;
  brent(f, 0.0, 1.0, 1e-14, beta);
  return beta;
}

// Liquid and vapour compositions (normalised) of feed z split with K values at beta.
void splitFeed(const std::vector<double>& z, const std::vector<double>& K, double beta,
               std::vector<double>& x, std::vector<double>& y) {
  std::size_t n = z.size();
  x.assign(n, 0.0);
  y.assign(n, 0.0);
  double sx = 0, sy = 0;
  for (std::size_t i = 0; i < n; ++i) {
    x[i] = z[i] / ((1.0 - beta) + beta * K[i]);
    y[i] = K[i] * x[i];
    sx += x[i];
    sy += y[i];
  }
  for (std::size_t i = 0; i < n; ++i) {
    x[i] /= sx;
    y[i] /= sy;
  }
}

}  // namespace

Flasher::Flasher(const Model& model, const std::vector<double>& z) : m_(model), z_(z), pureIndex_(-1) {
  int count = 0;
  for (std::size_t i = 0; i < z.size(); ++i)
    if (z[i] > 0) {
      ++count;
      pureIndex_ = static_cast<int>(i);
    }
  if (count != 1) pureIndex_ = -1;
}

double Flasher::propValue(const PhaseProps& p, Prop prop) {
  switch (prop) {
    case Prop::H: return p.h;
    case Prop::S: return p.s;
    case Prop::E: return p.e;
    case Prop::V: return p.v;
  }
  return 0;
}

double Flasher::lowT() const {
  double t = 1e9;
  for (const Component& c : m_.comps) t = std::min(t, 0.25 * c.Tc);
  return std::max(20.0, t);
}

double Flasher::highT() const {
  double t = 1000.0;
  for (const Component& c : m_.comps) t = std::max(t, 3.0 * c.Tc);
  return t;
}

void Flasher::singlePhase(double T, double v, double q, Equilibrium& out) const {
  out.T = T;
  out.props = m_.props(T, v, z_);
  out.p = out.props.p;
  out.q = q;
  out.twoPhase = false;
  out.x = out.y = z_;
  out.vl = out.vv = v;
}

void Flasher::twoPhaseState(double T, double p, double beta, const std::vector<double>& x,
                            const std::vector<double>& y, double vl, double vv,
                            Equilibrium& out) const {
  PhaseProps L = m_.props(T, vl, x), V = m_.props(T, vv, y);
  out.T = T;
  out.p = p;
  out.q = beta;
  out.twoPhase = true;
  out.x = x;
  out.y = y;
  out.vl = vl;
  out.vv = vv;
  if (beta <= 0.0) {
    out.props = L;
  } else if (beta >= 1.0) {
    out.props = V;
  } else {
    PhaseProps o;
    o.T = T;
    o.p = p;
    o.v = (1 - beta) * vl + beta * vv;
    o.h = (1 - beta) * L.h + beta * V.h;
    o.s = (1 - beta) * L.s + beta * V.s;
    o.e = o.h - p * o.v;
    o.cv = o.cp = o.w = o.hjt = kUndefined;
    out.props = o;
  }
  out.props.p = p;
}

bool Flasher::mixtureSaturation(bool fixedT, double& T, double& p, double beta,
                                std::vector<double>& K, std::string& err) const {
  std::size_t n = z_.size();
  std::vector<double> x(n), y(n), fl, fv, Knew(n);
  for (int it = 0; it < 500; ++it) {
    splitFeed(z_, K, beta, x, y);
    if (m_.volumeAt(T, p, x, -1, &fl) <= -1.0 || m_.volumeAt(T, p, y, +1, &fv) <= -1.0) break;
    double g = 0, dg = 0, dgdT = 0, change = 0, spread = 0;
    for (std::size_t i = 0; i < n; ++i) {
      Knew[i] = std::exp(fl[i] - fv[i]);
      double den = (1.0 - beta) + beta * Knew[i];
      g += z_[i] * (Knew[i] - 1.0) / den;
      double w = z_[i] * Knew[i] / (den * den);
      dg += w;
      dgdT += w * 5.373 * (1.0 + m_.comps[i].omega) * m_.comps[i].Tc / (T * T);
      if (z_[i] > 0) {
        change = std::max(change, std::fabs(std::log(Knew[i] / K[i])));
        spread = std::max(spread, std::fabs(std::log(Knew[i])));
      }
    }
    K = Knew;
    if (spread < 1e-4) {
      err = "no distinct phases (too close to the critical point)";
      return false;
    }
    double step;
    if (fixedT) {
      step = std::max(-0.5, std::min(0.5, g / dg));
      p *= std::exp(step);
    } else {
      step = std::max(-0.05 * T, std::min(0.05 * T, -g / dgdT));
      T += step;
      step /= T;
    }
    if (std::fabs(g) < 1e-11 && change < 1e-10 && std::fabs(step) < 1e-10) return true;
  }
  err = "saturation did not converge";
  return false;
}

bool Flasher::atTemperature(double T, double beta, Equilibrium& out, std::string& err) const {
  if (!(T > 0) || !std::isfinite(T) || !(beta >= 0 && beta <= 1)) {
    err = "temperature must be above 0 and the quality between 0 and 1";
    return false;
  }
  if (pure()) {
    double p, vl, vv;
    if (!m_.pureSaturationT(pureIndex_, T, p, vl, vv)) {
      err = "temperature above the critical point";
      return false;
    }
    twoPhaseState(T, p, beta, z_, z_, vl, vv, out);
    return true;
  }
  std::size_t n = z_.size();
  std::vector<double> K(n);
  double pb = 0, pd = 0;
  for (std::size_t i = 0; i < n; ++i) {
    double k = std::exp(wilsonLnK(m_.comps[i], T, 1.0));  // K times p
    pb += z_[i] * k;
    pd += z_[i] / k;
  }
  double p = (1.0 - beta) * pb + beta / pd;
  for (std::size_t i = 0; i < n; ++i) K[i] = std::exp(wilsonLnK(m_.comps[i], T, p));
  if (!mixtureSaturation(true, T, p, beta, K, err)) return false;
  std::vector<double> x, y;
  splitFeed(z_, K, beta, x, y);
  twoPhaseState(T, p, beta, x, y, m_.volumeAt(T, p, x, -1), m_.volumeAt(T, p, y, +1), out);
  return true;
}

bool Flasher::atPressure(double p, double beta, Equilibrium& out, std::string& err) const {
  if (!(p > 0) || !std::isfinite(p) || !(beta >= 0 && beta <= 1)) {
    err = "pressure must be above 0 and the quality between 0 and 1";
    return false;
  }
  if (pure()) {
    const Component& c = m_.comps[pureIndex_];
    if (p >= c.pc) {
      err = "pressure above the critical point";
      return false;
    }
    double T = c.Tc / (1.0 - std::log10(p / c.pc) * 3.0 / (7.0 * (1.0 + c.omega)));
    T = std::min(T, c.Tc * (1.0 - 1e-6));
    double good = 0;
    for (int it = 0; it < 100; ++it) {
      double ps, vl, vv;
      if (!m_.pureSaturationT(pureIndex_, T, ps, vl, vv)) {
        T = good > 0 ? 0.5 * (T + good) : 0.99 * T;
        continue;
      }
      good = T;
      std::vector<double> x(z_);
      PhaseProps L = m_.props(T, vl, x), V = m_.props(T, vv, x);
      double slope = (V.s - L.s) / (vv - vl) / ps;  // d ln p / dT (Clapeyron)
      double dT = -std::log(ps / p) / slope;
      dT = std::max(-0.1 * T, std::min(dT, 0.5 * (c.Tc - T)));
      T += dT;
      if (std::fabs(dT) < 1e-10 * T) {
        if (!m_.pureSaturationT(pureIndex_, T, ps, vl, vv)) break;
        twoPhaseState(T, p, beta, z_, z_, vl, vv, out);
        return true;
      }
    }
    err = "saturation temperature did not converge";
    return false;
  }
  std::size_t n = z_.size();
  auto g = [&](double T) {
    double s = 0;
    for (std::size_t i = 0; i < n; ++i) {
      double k = std::exp(wilsonLnK(m_.comps[i], T, p));
      s += z_[i] * (k - 1.0) / ((1.0 - beta) + beta * k);
    }
    return s;
  };
  double T = 300.0;
  if (!brent(g, 30.0, 2000.0, 1e-8, T)) {
    err = "no saturation estimate";
    return false;
  }
  std::vector<double> K(n);
  for (std::size_t i = 0; i < n; ++i) K[i] = std::exp(wilsonLnK(m_.comps[i], T, p));
  if (!mixtureSaturation(false, T, p, beta, K, err)) return false;
  std::vector<double> x, y;
  splitFeed(z_, K, beta, x, y);
  twoPhaseState(T, p, beta, x, y, m_.volumeAt(T, p, x, -1), m_.volumeAt(T, p, y, +1), out);
  return true;
}

bool Flasher::twoPhaseTP(double T, double p, std::vector<double> K, Equilibrium& out) const {
  std::size_t n = z_.size();
  std::vector<double> x(n), y(n), fl, fv;
  double beta = 0.5;
  for (int it = 0; it < 500; ++it) {
    beta = rachfordRice(z_, K);
    splitFeed(z_, K, beta, x, y);
    m_.volumeAt(T, p, x, -1, &fl);
    m_.volumeAt(T, p, y, +1, &fv);
    double change = 0;
    for (std::size_t i = 0; i < n; ++i) {
      double k = std::exp(fl[i] - fv[i]);
      if (z_[i] > 0) change = std::max(change, std::fabs(std::log(k / K[i])));
      K[i] = k;
    }
    if (change < 1e-11) break;
  }
  twoPhaseState(T, p, beta, x, y, m_.volumeAt(T, p, x, -1), m_.volumeAt(T, p, y, +1), out);
  return true;
}

bool Flasher::flashTP(double T, double p, Equilibrium& out, std::string& err) const {
  if (!(T > 0 && p > 0) || !std::isfinite(T) || !std::isfinite(p)) {
    err = "temperature and pressure must be above 0";
    return false;
  }
  if (pure()) {
    const Component& c = m_.comps[pureIndex_];
    double ps, vl, vv;
    if (T < c.Tc && m_.pureSaturationT(pureIndex_, T, ps, vl, vv)) {
      bool liquid = p >= ps;
      singlePhase(T, m_.volumeAt(T, p, z_, liquid ? -1 : +1), liquid ? -998.0 : 998.0, out);
    } else {
      singlePhase(T, m_.volumeAt(T, p, z_, 0), p > c.pc ? 999.0 : 998.0, out);
    }
    out.p = p;
    return true;
  }
  Equilibrium bub, dew;
  std::string e1, e2;
  if (atTemperature(T, 0.0, bub, e1) && atTemperature(T, 1.0, dew, e2)) {
    if (p >= bub.p) {
      singlePhase(T, m_.volumeAt(T, p, z_, -1), -998.0, out);
    } else if (p <= dew.p) {
      singlePhase(T, m_.volumeAt(T, p, z_, +1), 998.0, out);
    } else {
      std::vector<double> K(z_.size());
      double f = std::log(p / dew.p) / std::log(bub.p / dew.p);
      for (std::size_t i = 0; i < K.size(); ++i) {
        double kb = bub.y[i] / std::max(bub.x[i], 1e-300), kd = dew.y[i] / std::max(dew.x[i], 1e-300);
        K[i] = std::exp((1 - f) * std::log(kd) + f * std::log(kb));
      }
      return twoPhaseTP(T, p, K, out);
    }
  } else {
    double Tc, pc, vc;
    m_.criticalPoint(z_, Tc, pc, vc);
    singlePhase(T, m_.volumeAt(T, p, z_, 0), p > pc && T > Tc ? 999.0 : 998.0, out);
  }
  out.p = p;
  return true;
}

bool Flasher::flashTD(double T, double v, Equilibrium& out, std::string& err) const {
  if (!(T > 0 && v > 0) || !std::isfinite(T) || !std::isfinite(v)) {
    err = "temperature and density must be above 0";
    return false;
  }
  Equilibrium bub, dew;
  std::string e;
  if (atTemperature(T, 0.0, bub, e) && atTemperature(T, 1.0, dew, e)) {
    if (v <= bub.vl) {
      singlePhase(T, v, -998.0, out);
    } else if (v >= dew.vv) {
      singlePhase(T, v, 998.0, out);
    } else if (pure()) {
      twoPhaseState(T, bub.p, (v - bub.vl) / (bub.vv - bub.vl), z_, z_, bub.vl, bub.vv, out);
    } else {
      double p = 0;
      Equilibrium tp;
      auto f = [&](double lnp) {
        flashTP(T, std::exp(lnp), tp, e);
        return tp.props.v - v;
      };
      if (!brent(f, std::log(dew.p), std::log(bub.p), 1e-12, p)) {
        err = "two-phase state not found";
        return false;
      }
      flashTP(T, std::exp(p), out, e);
    }
    return true;
  }
  singlePhase(T, v, 999.0, out);
  return true;
}

bool Flasher::flashT(double T, Prop prop, double value, int kr, Equilibrium& out,
                     std::string& err) const {
  if (prop == Prop::V) return flashTD(T, value, out, err);
  if (!(T > 0) || !std::isfinite(T) || !std::isfinite(value)) {
    err = "temperature must be above 0 and the value finite";
    return false;
  }
  Model::Params P = m_.params(T, z_);
  double vMin = (P.b - P.c) * 1.000001 + 1e-9, vMax = 1e5;
  auto X = [&](double lnv) { return propValue(m_.props(T, std::exp(lnv), z_), prop) - value; };
  std::vector<std::pair<double, double>> branches;  // ln v ranges in search order
  Equilibrium bub, dew;
  std::string e;
  if (atTemperature(T, 0.0, bub, e) && atTemperature(T, 1.0, dew, e)) {
    double xl = propValue(bub.props, prop), xv = propValue(dew.props, prop);
    if ((value - xl) * (value - xv) <= 0) {
      if (pure()) {
        twoPhaseState(T, bub.p, (value - xl) / (xv - xl), z_, z_, bub.vl, bub.vv, out);
        return true;
      }
      double lnp = 0;
      Equilibrium tp;
      auto f = [&](double lp) {
        flashTP(T, std::exp(lp), tp, e);
        return propValue(tp.props, prop) - value;
      };
      if (brent(f, std::log(dew.p), std::log(bub.p), 1e-12, lnp)) {
        flashTP(T, std::exp(lnp), out, e);
        return true;
      }
    }
    std::pair<double, double> vap{std::log(dew.vv), std::log(vMax)}, liq{std::log(vMin), std::log(bub.vl)};
    if (kr == 2) {
      branches = {liq, vap};
    } else {
      branches = {vap, liq};
    }
  } else {
    branches = {{std::log(vMin), std::log(vMax)}};
  }
  for (const auto& br : branches) {
    const int N = 80;
    // Lower-density root first (kr 1): scan from the large-volume end.
    double prev = kr == 2 ? br.first : br.second;
    double fprev = X(prev);
    for (int k = 1; k <= N; ++k) {
      double cur = kr == 2 ? br.first + (br.second - br.first) * k / N
                           : br.second - (br.second - br.first) * k / N;
      double fcur = X(cur);
      double lnv;
      if (fprev * fcur <= 0 && brent(X, std::min(prev, cur), std::max(prev, cur), 1e-13, lnv)) {
        double v = std::exp(lnv);
        double p = m_.pressure(T, v, z_);
        singlePhase(T, v, v <= bub.vl && bub.vl > 0 ? -998.0 : 998.0, out);
        out.p = p;
        return true;
      }
      prev = cur;
      fprev = fcur;
    }
  }
  err = "no state of that temperature has the given value";
  return false;
}

bool Flasher::flashP(double p, Prop prop, double value, Equilibrium& out, std::string& err) const {
  if (!(p > 0) || !std::isfinite(p) || !std::isfinite(value)) {
    err = "pressure must be above 0 and the value finite";
    return false;
  }
  double Tlo = lowT(), Thi = highT();
  auto solveSingle = [&](double a, double b, int kind, double q) {
    auto f = [&](double T) {
      return propValue(m_.props(T, m_.volumeAt(T, p, z_, kind), z_), prop) - value;
    };
    double T;
    if (!brent(f, a, b, 1e-11 * b, T)) {
      err = "no single-phase state of that pressure has the given value";
      return false;
    }
    singlePhase(T, m_.volumeAt(T, p, z_, kind), q, out);
    out.p = p;
    return true;
  };
  Equilibrium bub, dew;
  std::string e;
  if (atPressure(p, 0.0, bub, e) && atPressure(p, 1.0, dew, e)) {
    double xl = propValue(bub.props, prop), xv = propValue(dew.props, prop);
    if (value < xl) return solveSingle(Tlo, bub.T, -1, -998.0);
    if (value > xv) return solveSingle(dew.T, Thi, +1, 998.0);
    if (pure()) {
      twoPhaseState(bub.T, p, (value - xl) / (xv - xl), z_, z_, bub.vl, bub.vv, out);
      return true;
    }
    Equilibrium tp;
    auto f = [&](double T) {
      flashTP(T, p, tp, e);
      return propValue(tp.props, prop) - value;
    };
    double T;
    if (!brent(f, bub.T, dew.T, 1e-11 * dew.T, T)) {
      err = "two-phase state not found";
      return false;
    }
    return flashTP(T, p, out, err);
  }
  double Tc, pc, vc;
  m_.criticalPoint(z_, Tc, pc, vc);
  return solveSingle(Tlo, Thi, 0, p > pc ? 999.0 : 998.0);
}

bool Flasher::flashV(double v, Prop prop, double value, Equilibrium& out, std::string& err) const {
  if (!(v > 0) || !std::isfinite(v) || !std::isfinite(value)) {
    err = "density must be above 0 and the value finite";
    return false;
  }
  Equilibrium st;
  std::string e;
  auto f = [&](double T) {
    if (!flashTD(T, v, st, e)) return std::nan("");
    return propValue(st.props, prop) - value;
  };
  double T;
  if (!brent(f, lowT(), highT(), 1e-11 * highT(), T)) {
    err = "no state of that density has the given value";
    return false;
  }
  return flashTD(T, v, out, err);
}

bool Flasher::flashHS(Prop prop, double value, double s, Equilibrium& out, std::string& err) const {
  if (!std::isfinite(value) || !std::isfinite(s)) {
    err = "values must be finite";
    return false;
  }
  Equilibrium st;
  std::string e;
  auto f = [&](double lnp) {
    if (!flashP(std::exp(lnp), Prop::S, s, st, e)) return std::nan("");
    return propValue(st.props, prop) - value;
  };
  double lnp;
  if (!brent(f, std::log(1.0), std::log(50000.0), 1e-12, lnp)) {
    err = "no state has the given pair of values";
    return false;
  }
  return flashP(std::exp(lnp), Prop::S, s, out, err);
}

}  // namespace norfluid
