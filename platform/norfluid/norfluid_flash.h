// Phase equilibrium of the stand-in library: saturation (bubble and dew) points, and the
// flashes for every pair of inputs the library offers.
#pragma once

#include <string>
#include <vector>

#include "norfluid_model.h"

namespace norfluid {

// Result of a saturation or a flash, in model components.
struct Equilibrium {
  double T = 0, p = 0;  // K, kPa
  // Vapour mole fraction: 0..1 in the two-phase region. Single phase: -998 liquid,
  // 998 vapour, 999 above the critical temperature and pressure.
  double q = 0;
  bool twoPhase = false;
  std::vector<double> x, y;  // liquid and vapour compositions (the feed when single phase)
  double vl = 0, vv = 0;     // volumes of the liquid and vapour phases, L/mol
  PhaseProps props;          // overall molar properties
};

enum class Prop { H, S, E, V };

class Flasher {
public:
  Flasher(const Model& model, const std::vector<double>& z);

  // Saturation with vapour fraction beta (0 bubble, 1 dew, or between) at T, or at p.
  bool atTemperature(double T, double beta, Equilibrium& out, std::string& err) const;
  bool atPressure(double p, double beta, Equilibrium& out, std::string& err) const;

  bool flashTP(double T, double p, Equilibrium& out, std::string& err) const;
  bool flashTD(double T, double v, Equilibrium& out, std::string& err) const;
  // Temperature with h, s or e; kr 1 looks for the lower-density root first.
  bool flashT(double T, Prop prop, double value, int kr, Equilibrium& out, std::string& err) const;
  // Pressure with h, s, e or v.
  bool flashP(double p, Prop prop, double value, Equilibrium& out, std::string& err) const;
  // Volume with h, s or e.
  bool flashV(double v, Prop prop, double value, Equilibrium& out, std::string& err) const;
  // h or e with s.
  bool flashHS(Prop prop, double value, double s, Equilibrium& out, std::string& err) const;

  static double propValue(const PhaseProps& p, Prop prop);

private:
  bool pure() const { return pureIndex_ >= 0; }
  bool mixtureSaturation(bool fixedT, double& T, double& p, double beta, std::vector<double>& K,
                         std::string& err) const;
  bool twoPhaseTP(double T, double p, std::vector<double> K, Equilibrium& out) const;
  void singlePhase(double T, double v, double q, Equilibrium& out) const;
  void twoPhaseState(double T, double p, double beta, const std::vector<double>& x,
                     const std::vector<double>& y, double vl, double vv, Equilibrium& out) const;
  double lowT() const;
  double highT() const;

  const Model& m_;
  std::vector<double> z_;
  int pureIndex_;
};

}  // namespace norfluid
