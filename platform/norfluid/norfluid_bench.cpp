// Accuracy benchmark of the stand-in property library: saturation (bubble) pressure and
// saturated liquid density against the published points of reference_points.txt.
// Prints one line per point and a summary; exits 1 when a class-A point misses the goal
// (pressure within 2 %, liquid density within 1 %).
//
//   norfluid-bench [DATA_DIR [REFERENCE_FILE]]
// Files are named from DATA_DIR: fluids/NAME.FLD or .PPF, mixtures/NAME.MIX.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>
#include <algorithm>

#include "refprop_abi.h"

extern "C" {
SETUPdll_fn SETUPdll;
SETMIXdll_fn SETMIXdll;
SATTPdll_fn SATTPdll;
WMOLdll_fn WMOLdll;
}

namespace {

// Sets the fluid up: "fluids/NAME.FLD|PPF" by name, "mixtures/NAME.MIX" as its
// components. `x` receives the composition.
bool setUp(const std::string& dir, const std::string& file, std::vector<double>& x) {
  static std::string loaded;
  static std::vector<double> composition;
  if (loaded == file) {
    x = composition;
    return true;
  }
  int ierr = 0;
  char hfiles[kRefpropFileListLength], hfmix[kRefpropPathLength], hrf[4] = "DEF";
  char herr[kRefpropMessageLength + 1] = {0};
  std::memset(hfmix, 0, sizeof hfmix);
  std::string hmx = dir + "/fluids/HMX.BNC";
  std::memcpy(hfmix, hmx.data(), hmx.size());
  std::string path = dir + "/" + file;
  if (file.size() > 4 && file.compare(file.size() - 4, 4, ".MIX") == 0) {
    char hmxnme[kRefpropPathLength] = {0};
    std::memcpy(hmxnme, path.data(), std::min<std::size_t>(path.size(), sizeof hmxnme));
    int ncc = 0;
    double fractions[kRefpropMaxComponents] = {0};
    SETMIXdll(hmxnme, hfmix, hrf, &ncc, hfiles, fractions, &ierr, herr, kRefpropPathLength,
              kRefpropPathLength, kRefpropReferenceLength, kRefpropFileListLength,
              kRefpropMessageLength);
    composition.assign(fractions, fractions + std::max(ncc, 0));
  } else {
    int nc = 1;
    std::memset(hfiles, ' ', sizeof hfiles);
    std::memcpy(hfiles, path.data(), path.size());
    SETUPdll(&nc, hfiles, hfmix, hrf, &ierr, herr, kRefpropFileListLength, kRefpropPathLength,
             kRefpropReferenceLength, kRefpropMessageLength);
    composition.assign(1, 1.0);
  }
  if (ierr > 0) {
    std::printf("%s: set-up failed: %s\n", file.c_str(), herr);
    loaded.clear();
    return false;
  }
  loaded = file;
  x = composition;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::string dir = argc > 1 ? argv[1] : NORFLUID_DATA_DIR;
  std::string refs = argc > 2 ? argv[2] : NORFLUID_REFERENCE;
  std::ifstream in(refs);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", refs.c_str());
    return 2;
  }
  std::printf("%-20s %6s %9s %9s %7s %9s %9s %7s %s\n", "fluid", "T_C", "p_ref", "p_model", "dp_%",
              "rho_ref", "rho_mod", "drho_%", "class");
  int checked = 0, missed = 0;
  double worstP = 0, worstRho = 0;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    std::string file, pText, rhoText, cls;
    double tC;
    if (!(words >> file >> tC >> pText >> rhoText >> cls)) continue;
    std::vector<double> x;
    if (!setUp(dir, file, x)) {
      ++missed;
      continue;
    }
    double t = tC + 273.15, p = 0, d = 0, dl = 0, dv = 0, q = 0, wm = 0;
    std::vector<double> xl(x.size()), xv(x.size());
    int flag = 1, guess = 0, ierr = 0;
    char herr[kRefpropMessageLength + 1] = {0};
    SATTPdll(&t, &p, x.data(), &flag, &guess, &d, &dl, &dv, xl.data(), xv.data(), &q, &ierr, herr,
             kRefpropMessageLength);
    WMOLdll(x.data(), &wm);
    double pBar = p / 100.0, rho = d * wm;
    bool counted = cls == "A";
    auto column = [&](const std::string& ref, double model, double limit, double& worst) {
      if (ref == "-") {
        std::printf(" %9s %9.4g %7s", "-", model, "-");
        return true;
      }
      double r = std::strtod(ref.c_str(), nullptr);
      double err = (model - r) / r * 100.0;
      std::printf(" %9.5g %9.5g %+7.2f", r, model, err);
      if (counted) worst = std::max(worst, std::fabs(err));
      return ierr <= 0 && std::fabs(err) <= limit;
    };
    std::printf("%-20s %6.1f", file.c_str(), tC);
    bool ok = column(pText, pBar, 2.0, worstP);
    ok = column(rhoText, rho, 1.0, worstRho) && ok;
    std::printf(" %s%s\n", cls.c_str(), ierr > 0 ? " (library error)" : ok ? "" : " (outside goal)");
    if (counted) {
      ++checked;
      if (!ok) ++missed;
    }
  }
  std::printf("class-A points: %d, outside the goal: %d; worst |dp| %.2f %%, worst |drho| %.2f %%\n",
              checked, missed, worstP, worstRho);
  return missed == 0 ? 0 : 1;
}
