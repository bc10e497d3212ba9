// The stand-in "librefprop.so": the routines the controller's bridge calls, with the
// same names and calling convention as the vendor library (see refprop_abi.h), computing
// real properties with the model of norfluid_model.h.
//
// Environment: NORFLUID_TRACE=FILE appends one line per call (routine, inputs, ierr).
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "norfluid_files.h"
#include "norfluid_flash.h"
#include "norfluid_model.h"
#include "norfluid_transport.h"
#include "refprop_abi.h"

#define NORFLUID_EXPORT __attribute__((visibility("default")))

using namespace norfluid;

namespace {

const char kVersion[] = "norfluid 1.0 (stand-in property library)";

// The fluid set-up the library holds: reset by every set-up, and by a reload of the
// library since it lives in this file's static storage.
struct Session {
  Model model;
  std::vector<ApiComponent> api;
  std::string hmxPath;
  bool ready = false;
};
Session g;

void trace(const char* routine, const char* fmt, ...) {
  const char* path = std::getenv("NORFLUID_TRACE");
  if (!path || !*path) return;
  FILE* f = std::fopen(path, "a");
  if (!f) return;
  std::fprintf(f, "%s", routine);
  va_list ap;
  va_start(ap, fmt);
  std::vfprintf(f, fmt, ap);
  va_end(ap);
  std::fprintf(f, "\n");
  std::fclose(f);
}

std::string fieldText(const char* s, RefpropStrLen n) {
  std::string t(s, static_cast<std::size_t>(n));
  std::size_t nul = t.find('\0');
  if (nul != std::string::npos) t.erase(nul);
  std::size_t a = t.find_first_not_of(" \t");
  if (a == std::string::npos) return "";
  std::size_t b = t.find_last_not_of(" \t");
  return t.substr(a, b - a + 1);
}

void putText(char* field, RefpropStrLen n, const std::string& text, char pad = ' ') {
  std::memset(field, pad, static_cast<std::size_t>(n));
  std::memcpy(field, text.data(), std::min<std::size_t>(text.size(), static_cast<std::size_t>(n)));
}

void setError(int* ierr, char* herr, RefpropStrLen lherr, int code, const std::string& text) {
  *ierr = code;
  if (herr && lherr > 0) {
    std::memset(herr, 0, static_cast<std::size_t>(lherr));
    std::memcpy(herr, text.data(), std::min<std::size_t>(text.size(), static_cast<std::size_t>(lherr) - 1));
  }
}

void clearError(int* ierr, char* herr, RefpropStrLen lherr) { setError(ierr, herr, lherr, 0, ""); }

bool notReady(int* ierr, char* herr, RefpropStrLen lherr) {
  if (g.ready) return false;
  setError(ierr, herr, lherr, 1, "[norfluid] no fluid has been set up");
  return true;
}

int apiCount() { return static_cast<int>(g.api.size()); }

// Model composition of a composition given per fluid of the caller.
std::vector<double> modelComposition(const double* x) {
  std::vector<double> z(g.model.comps.size(), 0.0);
  double sum = 0;
  for (int a = 0; a < apiCount(); ++a)
    for (const auto& part : g.api[a].parts) z[part.first] += x[a] * part.second;
  for (double v : z) sum += v;
  if (sum > 0)
    for (double& v : z) v /= sum;
  return z;
}

// Phase composition per fluid of the caller: direct when every fluid is one model
// component; the feed composition when a blend is shown as one fluid.
void apiPhase(const std::vector<double>& xm, const double* feed, double* out) {
  if (!out) return;
  bool direct = true;
  for (const ApiComponent& a : g.api) direct = direct && a.parts.size() == 1;
  for (int a = 0; a < apiCount(); ++a)
    out[a] = direct ? xm[g.api[a].parts[0].first] : feed[a];
}

// Reference-state correction of the blends shown as one fluid, J/mol and J/(mol K).
double offsetH(const double* x) {
  double h = 0;
  for (int a = 0; a < apiCount(); ++a) h += x[a] * g.api[a].hOffset;
  return h;
}
double offsetS(const double* x) {
  double s = 0;
  for (int a = 0; a < apiCount(); ++a) s += x[a] * g.api[a].sOffset;
  return s;
}

// Outputs of a flash; null pointers are inputs of that routine and left alone.
struct Outputs {
  double *T = nullptr, *p = nullptr, *D = nullptr, *Dl = nullptr, *Dv = nullptr, *x = nullptr,
         *y = nullptr, *q = nullptr, *e = nullptr, *h = nullptr, *s = nullptr, *cv = nullptr,
         *cp = nullptr, *w = nullptr;
};

void fill(const Equilibrium& eq, const double* z, const Outputs& o) {
  double dh = offsetH(z), ds = offsetS(z);
  if (o.T) *o.T = eq.T;
  if (o.p) *o.p = eq.p;
  if (o.D) *o.D = 1.0 / eq.props.v;
  if (o.Dl) *o.Dl = 1.0 / eq.vl;
  if (o.Dv) *o.Dv = 1.0 / eq.vv;
  apiPhase(eq.x, z, o.x);
  apiPhase(eq.y, z, o.y);
  if (o.q) *o.q = eq.q;
  if (o.e) *o.e = eq.props.e + dh;
  if (o.h) *o.h = eq.props.h + dh;
  if (o.s) *o.s = eq.props.s + ds;
  if (o.cv) *o.cv = eq.props.cv;
  if (o.cp) *o.cp = eq.props.cp;
  if (o.w) *o.w = eq.props.w;
}

// Runs one flash and fills its outputs, or reports its error.
template <typename Run>
void flash(const char* routine, double* z, int* ierr, char* herr, RefpropStrLen lherr,
           const Outputs& o, Run run) {
  if (notReady(ierr, herr, lherr)) return;
  Flasher f(g.model, modelComposition(z));
  Equilibrium eq;
  std::string err;
  if (!run(f, eq, err)) {
    setError(ierr, herr, lherr, 248, std::string("[") + routine + "] " + err);
  } else {
    clearError(ierr, herr, lherr);
    fill(eq, z, o);
  }
  trace(routine, " ierr=%d", *ierr);
}

// Adds a fluid file to the model (once) and returns its model index.
int addComponent(const std::string& path, std::string& err) {
  Component c;
  err = loadFluidFile(path, c);
  if (!err.empty()) return -1;
  for (std::size_t i = 0; i < g.model.comps.size(); ++i)
    if (g.model.comps[i].file == c.file) return static_cast<int>(i);
  g.model.comps.push_back(c);
  return static_cast<int>(g.model.comps.size()) - 1;
}

// A blend's components as model indices with mole fractions.
std::string addBlend(const BlendFile& b, const std::string& fluidsDir, ApiComponent& a) {
  std::vector<int> idx;
  std::vector<double> moles;
  double sum = 0;
  for (std::size_t i = 0; i < b.components.size(); ++i) {
    std::string err;
    int k = addComponent(fluidsDir + "/" + b.components[i] + ".FLD", err);
    if (k < 0) return err;
    idx.push_back(k);
    moles.push_back(b.massFractions ? b.fractions[i] / g.model.comps[k].M : b.fractions[i]);
    sum += moles.back();
  }
  for (std::size_t i = 0; i < idx.size(); ++i) a.parts.emplace_back(idx[i], moles[i] / sum);
  return "";
}

// Completes a new session: mixing rule, fits, and the constants of each fluid.
std::string finishSession(const std::string& hmx) {
  g.hmxPath = hmx;
  std::size_t n = g.model.comps.size();
  g.model.kij.assign(n, std::vector<double>(n, 0.0));
  auto k = loadInteractions(hmx);
  for (std::size_t i = 0; i < n; ++i)
    for (std::size_t j = 0; j < n; ++j) {
      auto it = k.find({g.model.comps[i].file, g.model.comps[j].file});
      if (it != k.end() && i != j) g.model.kij[i][j] = it->second;
    }
  std::string err = g.model.prepare();
  if (!err.empty()) return err;
  for (ApiComponent& a : g.api) {
    std::vector<double> z(n, 0.0);
    a.M = a.omega = a.Ttriple = a.dipole = a.Tnbp = 0;
    for (const auto& part : a.parts) {
      const Component& c = g.model.comps[part.first];
      z[part.first] = part.second;
      a.M += part.second * c.M;
      a.omega += part.second * c.omega;
      a.Ttriple += part.second * c.Ttriple;
      a.dipole += part.second * c.dipole;
      a.Tnbp += part.second * c.Tnbp;
    }
    double vc;
    g.model.criticalPoint(z, a.Tc, a.pc, vc);
    a.Dc = 1.0 / vc;
    a.hOffset = a.sOffset = 0;
    if (a.parts.size() > 1) {
      // A blend shown as one fluid takes the IIR reference of a pure fluid at its bubble
      // point, and its normal boiling point is its bubble point at 1 atm.
      Flasher f(g.model, z);
      Equilibrium eq;
      std::string e;
      if (f.atTemperature(273.15, 0.0, eq, e)) {
        a.hOffset = 200.0 * a.M - eq.props.h;
        a.sOffset = 1.0 * a.M - eq.props.s;
      }
      if (f.atPressure(101.325, 0.0, eq, e)) a.Tnbp = eq.T;
    }
  }
  g.ready = true;
  return "";
}

std::vector<std::string> splitPaths(const std::string& list) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t bar = list.find('|', start);
    std::string piece = list.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
    std::size_t a = piece.find_first_not_of(" \t"), b = piece.find_last_not_of(" \t");
    out.push_back(a == std::string::npos ? "" : piece.substr(a, b - a + 1));
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  return out;
}

}  // namespace

extern "C" {

NORFLUID_EXPORT void RPVersion(char* hv, RefpropStrLen lhv) {
  putText(hv, lhv, kVersion, '\0');
  trace("RPVersion", "");
}

NORFLUID_EXPORT void SETUPdll(int* nc, char* hfiles, char* hfmix, char* hrf, int* ierr,
                              char* herr, RefpropStrLen lhfiles, RefpropStrLen lhfmix,
                              RefpropStrLen lhrf, RefpropStrLen lherr) {
  std::string files = fieldText(hfiles, lhfiles);
  trace("SETUPdll", " nc=%d hfiles=%s hfmix=%s hrf=%s", *nc, files.c_str(),
        fieldText(hfmix, lhfmix).c_str(), fieldText(hrf, lhrf).c_str());
  if (*nc == -1) {
    // Version query: leaves the loaded fluid alone.
    setError(ierr, herr, lherr, 10000, "norfluid 1.0");
    return;
  }
  std::vector<std::string> paths = splitPaths(files);
  if (*nc < 1 || *nc > kRefpropMaxComponents || static_cast<int>(paths.size()) != *nc) {
    setError(ierr, herr, lherr, 101, "[SETUP] component count and file list do not match");
    return;
  }
  Session previous = g;
  g = Session();
  for (const std::string& path : paths) {
    std::multimap<std::string, std::string> kv;
    std::string err;
    ApiComponent a;
    if (!readKeyValues(path, kv)) {
      err = "fluid file not found: " + path;
    } else if (isBlendFile(kv)) {
      BlendFile b;
      err = loadBlendFile(kv, b);
      if (err.empty()) err = addBlend(b, directoryOf(path), a);
      a.name = b.name;
      a.longName = b.longName;
      a.cas = b.cas;
    } else {
      int k = addComponent(path, err);
      if (k >= 0) {
        a.parts.emplace_back(k, 1.0);
        a.name = g.model.comps[k].name;
        a.longName = g.model.comps[k].longName;
        a.cas = g.model.comps[k].cas;
      }
    }
    if (!err.empty()) {
      g = previous;
      setError(ierr, herr, lherr, 101, "[SETUP] " + err);
      return;
    }
    a.file = stemOf(path);
    g.api.push_back(a);
  }
  std::string hmx = fieldText(hfmix, lhfmix);
  if (hmx.find('/') == std::string::npos && !paths.empty())
    hmx = directoryOf(paths[0]) + "/" + hmx;
  std::string err = finishSession(hmx);
  if (!err.empty()) {
    g = previous;
    setError(ierr, herr, lherr, 102, "[SETUP] " + err);
    return;
  }
  clearError(ierr, herr, lherr);
}

NORFLUID_EXPORT void SETMIXdll(char* hmxnme, char* hfmix, char* hrf, int* ncc, char* hfiles,
                               double* x, int* ierr, char* herr, RefpropStrLen lhmxnme,
                               RefpropStrLen lhfmix, RefpropStrLen lhrf, RefpropStrLen lhfiles,
                               RefpropStrLen lherr) {
  std::string path = fieldText(hmxnme, lhmxnme);
  trace("SETMIXdll", " hmxnme=%s", path.c_str());
  std::multimap<std::string, std::string> kv;
  BlendFile b;
  if (!readKeyValues(path, kv)) {
    setError(ierr, herr, lherr, 101, "[SETMIX] mixture file not found: " + path);
    return;
  }
  std::string err = loadBlendFile(kv, b);
  if (err.empty() && b.components.size() > static_cast<std::size_t>(kRefpropMaxComponents))
    err = "more than 20 components";
  if (!err.empty()) {
    setError(ierr, herr, lherr, 101, "[SETMIX] " + err);
    return;
  }
  std::string fluidsDir = directoryOf(directoryOf(path)) + "/fluids";
  Session previous = g;
  g = Session();
  std::vector<std::string> paths;
  std::vector<double> moles;
  double sum = 0;
  for (std::size_t i = 0; i < b.components.size() && err.empty(); ++i) {
    std::string p = fluidsDir + "/" + b.components[i] + ".FLD";
    int k = addComponent(p, err);
    if (k < 0) break;
    ApiComponent a;
    a.file = b.components[i];
    a.parts.emplace_back(k, 1.0);
    a.name = g.model.comps[k].name;
    a.longName = g.model.comps[k].longName;
    a.cas = g.model.comps[k].cas;
    g.api.push_back(a);
    paths.push_back(p);
    moles.push_back(b.massFractions ? b.fractions[i] / g.model.comps[k].M : b.fractions[i]);
    sum += moles.back();
  }
  if (err.empty()) err = finishSession(fluidsDir + "/HMX.BNC");
  if (!err.empty()) {
    g = previous;
    setError(ierr, herr, lherr, 101, "[SETMIX] " + err);
    return;
  }
  *ncc = static_cast<int>(moles.size());
  std::string joined;
  for (std::size_t i = 0; i < paths.size(); ++i) joined += (i ? "|" : "") + paths[i];
  putText(hfiles, lhfiles, joined);
  for (std::size_t i = 0; i < moles.size(); ++i) x[i] = moles[i] / sum;
  clearError(ierr, herr, lherr);
}

NORFLUID_EXPORT void INFOdll(int* icomp, double* wmm, double* ttrp, double* tnbpt, double* tc,
                             double* pc, double* dc, double* zc, double* acf, double* dip,
                             double* rgas) {
  *wmm = *ttrp = *tnbpt = *tc = *pc = *dc = *zc = *acf = *dip = 0.0;
  *rgas = kR;
  if (*icomp < 1 || *icomp > apiCount()) return;
  const ApiComponent& a = g.api[*icomp - 1];
  *wmm = a.M;
  *ttrp = a.Ttriple;
  *tnbpt = a.Tnbp;
  *tc = a.Tc;
  *pc = a.pc;
  *dc = a.Dc;
  *zc = a.pc / (a.Dc * kR * a.Tc);
  *acf = a.omega;
  *dip = a.dipole;
}

NORFLUID_EXPORT void NAMEdll(int* icomp, char* hnam, char* hn80, char* hcasn, RefpropStrLen lhnam,
                             RefpropStrLen lhn80, RefpropStrLen lhcasn) {
  bool ok = *icomp >= 1 && *icomp <= apiCount();
  putText(hnam, lhnam, ok ? g.api[*icomp - 1].name : "");
  putText(hn80, lhn80, ok ? g.api[*icomp - 1].longName : "");
  putText(hcasn, lhcasn, ok ? g.api[*icomp - 1].cas : "");
}

NORFLUID_EXPORT void WMOLdll(double* x, double* wm) {
  *wm = 0;
  for (int a = 0; a < apiCount(); ++a) *wm += x[a] * g.api[a].M;
}

NORFLUID_EXPORT void RMIX2dll(double* x, double* rgas) {
  (void)x;
  *rgas = kR;
}

NORFLUID_EXPORT void CRITPdll(double* x, double* tc, double* pc, double* dc, int* ierr,
                              char* herr, RefpropStrLen lherr) {
  if (notReady(ierr, herr, lherr)) return;
  double vc;
  g.model.criticalPoint(modelComposition(x), *tc, *pc, vc);
  *dc = 1.0 / vc;
  clearError(ierr, herr, lherr);
}

NORFLUID_EXPORT void REDXdll(double* x, double* tred, double* dred) {
  *tred = *dred = 0;
  if (!g.ready) return;
  double pc, vc;
  g.model.criticalPoint(modelComposition(x), *tred, pc, vc);
  *dred = 1.0 / vc;
}

NORFLUID_EXPORT void LIMITSdll(char* htyp, double* x, double* tmin, double* tmax, double* dmax,
                               double* pmax, RefpropStrLen lhtyp) {
  (void)htyp;
  (void)lhtyp;
  *tmin = *tmax = *dmax = *pmax = 0;
  if (!g.ready) return;
  std::vector<double> z = modelComposition(x);
  *tmax = 500.0;
  for (std::size_t i = 0; i < z.size(); ++i) {
    *tmin += z[i] * g.model.comps[i].Ttriple;
    *tmax = std::max(*tmax, 1.5 * g.model.comps[i].Tc);
  }
  *pmax = 70000.0;
  *dmax = 1.0 / g.model.volumeAt(*tmin, *pmax, z, -1);
}

NORFLUID_EXPORT void SATTPdll(double* t, double* p, double* x, int* iflsh, int* iguess, double* d,
                              double* dl, double* dv, double* xliq, double* xvap, double* q,
                              int* ierr, char* herr, RefpropStrLen lherr) {
  (void)iguess;
  trace("SATTPdll", " t=%.6g p=%.6g iflsh=%d", *t, *p, *iflsh);
  int flag = *iflsh;
  if (flag < 1 || flag > 4) {
    setError(ierr, herr, lherr, 1, "[SATTP] saturation flag must be 1 to 4");
    return;
  }
  bool liquid = flag == 1 || flag == 3;
  Outputs o;
  o.Dl = dl;
  o.Dv = dv;
  o.x = xliq;
  o.y = xvap;
  o.q = q;
  if (flag <= 2)
    o.p = p;
  else
    o.T = t;
  flash("SATTPdll", x, ierr, herr, lherr, o, [&](Flasher& f, Equilibrium& eq, std::string& err) {
    bool ok = flag <= 2 ? f.atTemperature(*t, liquid ? 0.0 : 1.0, eq, err)
                        : f.atPressure(*p, liquid ? 0.0 : 1.0, eq, err);
    if (ok) *d = 1.0 / (liquid ? eq.vl : eq.vv);
    return ok;
  });
}

NORFLUID_EXPORT void THERMdll(double* t, double* d, double* x, double* p, double* e, double* h,
                              double* s, double* cv, double* cp, double* w, double* hjt) {
  if (!g.ready || !(*d > 0) || !(*t > 0)) {
    *p = *e = *h = *s = *cv = *cp = *w = *hjt = 0;
    return;
  }
  PhaseProps st = g.model.props(*t, 1.0 / *d, modelComposition(x));
  *p = st.p;
  *e = st.e + offsetH(x);
  *h = st.h + offsetH(x);
  *s = st.s + offsetS(x);
  *cv = st.cv;
  *cp = st.cp;
  *w = st.w;
  *hjt = st.hjt;
}

NORFLUID_EXPORT void THERM0dll(double* t, double* d, double* x, double* p, double* e, double* h,
                               double* s, double* cv, double* cp, double* w, double* a,
                               double* gg) {
  *p = *e = *h = *s = *cv = *cp = *w = *a = *gg = 0;
  if (!g.ready || !(*d > 0) || !(*t > 0)) return;
  PhaseProps st = g.model.idealProps(*t, 1.0 / *d, modelComposition(x));
  *p = st.p;
  *e = st.e + offsetH(x);
  *h = st.h + offsetH(x);
  *s = st.s + offsetS(x);
  *cv = st.cv;
  *cp = st.cp;
  *w = st.w;
  *a = *e - *t * *s;
  *gg = *h - *t * *s;
}

NORFLUID_EXPORT void THERM2dll(double* t, double* d, double* x, double* p, double* e, double* h,
                               double* s, double* cv, double* cp, double* w, double* z,
                               double* hjt, double* a, double* gg, double* xkappa, double* beta,
                               double* dpdd, double* d2pdd2, double* dpdt, double* dddt,
                               double* dddp, double* d2pdt2, double* d2pdtd, double* spare3,
                               double* spare4) {
  THERMdll(t, d, x, p, e, h, s, cv, cp, w, hjt);
  if (!g.ready || !(*d > 0) || !(*t > 0)) return;
  std::vector<double> zm = modelComposition(x);
  double T = *t, D = *d, dD = 1e-5 * D, dT = 1e-4 * T;
  auto P = [&](double TT, double DD) { return g.model.pressure(TT, 1.0 / DD, zm); };
  auto PT = [&](double DD) { return (P(T + dT, DD) - P(T - dT, DD)) / (2 * dT); };
  *z = *p / (D * kR * T);
  *a = *e - T * *s;
  *gg = *h - T * *s;
  *dpdd = (P(T, D + dD) - P(T, D - dD)) / (2 * dD);
  *d2pdd2 = (P(T, D + dD) - 2 * P(T, D) + P(T, D - dD)) / (dD * dD);
  *dpdt = PT(D);
  *d2pdt2 = (P(T + dT, D) - 2 * P(T, D) + P(T - dT, D)) / (dT * dT);
  *d2pdtd = (PT(D + dD) - PT(D - dD)) / (2 * dD);
  *dddt = -*dpdt / *dpdd;
  *dddp = 1.0 / *dpdd;
  *xkappa = 1.0 / (D * *dpdd);
  *beta = *dpdt / (D * *dpdd);
  *spare3 = *spare4 = 0;
}

NORFLUID_EXPORT void TPFLSHdll(double* t, double* p, double* z, double* d, double* dl, double* dv,
                               double* x, double* y, double* q, double* e, double* h, double* s,
                               double* cv, double* cp, double* w, int* ierr, char* herr,
                               RefpropStrLen lherr) {
  trace("TPFLSHdll", " t=%.6g p=%.6g", *t, *p);
  Outputs o{nullptr, nullptr, d, dl, dv, x, y, q, e, h, s, cv, cp, w};
  double T = *t, P = *p;
  flash("TPFLSHdll", z, ierr, herr, lherr, o,
        [&](Flasher& f, Equilibrium& eq, std::string& err) { return f.flashTP(T, P, eq, err); });
}

NORFLUID_EXPORT void TQFLSHdll(double* t, double* q, double* z, int* kq, double* p, double* d,
                               double* dl, double* dv, double* x, double* y, double* e,
                               double* h, double* s, double* cv, double* cp, double* w,
                               int* ierr, char* herr, RefpropStrLen lherr) {
  trace("TQFLSHdll", " t=%.6g q=%.6g", *t, *q);
  Outputs o{nullptr, p, d, dl, dv, x, y, nullptr, e, h, s, cv, cp, w};
  double T = *t, Q = *q;
  int basis = *kq;
  flash("TQFLSHdll", z, ierr, herr, lherr, o, [&](Flasher& f, Equilibrium& eq, std::string& err) {
    if (basis != 1 || Q < 0 || Q > 1) {
      err = "quality must be molar (kq 1) and between 0 and 1";
      return false;
    }
    return f.atTemperature(T, Q, eq, err);
  });
}

NORFLUID_EXPORT void PQFLSHdll(double* p, double* q, double* z, int* kq, double* t, double* d,
                               double* dl, double* dv, double* x, double* y, double* e,
                               double* h, double* s, double* cv, double* cp, double* w,
                               int* ierr, char* herr, RefpropStrLen lherr) {
  trace("PQFLSHdll", " p=%.6g q=%.6g", *p, *q);
  Outputs o{t, nullptr, d, dl, dv, x, y, nullptr, e, h, s, cv, cp, w};
  double P = *p, Q = *q;
  int basis = *kq;
  flash("PQFLSHdll", z, ierr, herr, lherr, o, [&](Flasher& f, Equilibrium& eq, std::string& err) {
    if (basis != 1 || Q < 0 || Q > 1) {
      err = "quality must be molar (kq 1) and between 0 and 1";
      return false;
    }
    return f.atPressure(P, Q, eq, err);
  });
}

NORFLUID_EXPORT void TDFLSHdll(double* t, double* d, double* z, double* p, double* dl, double* dv,
                               double* x, double* y, double* q, double* e, double* h, double* s,
                               double* cv, double* cp, double* w, int* ierr, char* herr,
                               RefpropStrLen lherr) {
  trace("TDFLSHdll", " t=%.6g d=%.6g", *t, *d);
  Outputs o{nullptr, p, nullptr, dl, dv, x, y, q, e, h, s, cv, cp, w};
  double T = *t, D = *d;
  flash("TDFLSHdll", z, ierr, herr, lherr, o,
        [&](Flasher& f, Equilibrium& eq, std::string& err) { return f.flashTD(T, 1.0 / D, eq, err); });
}

// Temperature with h, s or e (kr: 1 lower-density root first, 2 higher).
#define NORFLUID_T_FLASH(NAME, PROP, GIVEN, OFFSET, ...)                                         \
  NORFLUID_EXPORT void NAME(double* t, double* given, double* z, int* kr, double* p, double* d,  \
                            double* dl, double* dv, double* x, double* y, double* q, double* o1, \
                            double* o2, double* cv, double* cp, double* w, int* ierr,           \
                            char* herr, RefpropStrLen lherr) {                                  \
    trace(#NAME, " t=%.6g " GIVEN "=%.6g", *t, *given);                                       \
    Outputs o{nullptr, p, d, dl, dv, x, y, q, __VA_ARGS__, cv, cp, w};                          \
    double T = *t, value = *given - OFFSET(z);                                                  \
    int root = *kr;                                                                             \
    flash(#NAME, z, ierr, herr, lherr, o, [&](Flasher& f, Equilibrium& eq, std::string& err) {  \
      return f.flashT(T, PROP, value, root, eq, err);                                           \
    });                                                                                         \
  }
NORFLUID_T_FLASH(THFLSHdll, Prop::H, "h", offsetH, o1, nullptr, o2)
NORFLUID_T_FLASH(TSFLSHdll, Prop::S, "s", offsetS, o1, o2, nullptr)
NORFLUID_T_FLASH(TEFLSHdll, Prop::E, "e", offsetH, nullptr, o1, o2)
#undef NORFLUID_T_FLASH

NORFLUID_EXPORT void PDFLSHdll(double* p, double* d, double* z, double* t, double* dl, double* dv,
                               double* x, double* y, double* q, double* e, double* h, double* s,
                               double* cv, double* cp, double* w, int* ierr, char* herr,
                               RefpropStrLen lherr) {
  trace("PDFLSHdll", " p=%.6g d=%.6g", *p, *d);
  Outputs o{t, nullptr, nullptr, dl, dv, x, y, q, e, h, s, cv, cp, w};
  double P = *p, D = *d;
  flash("PDFLSHdll", z, ierr, herr, lherr, o, [&](Flasher& f, Equilibrium& eq, std::string& err) {
    return f.flashP(P, Prop::V, 1.0 / D, eq, err);
  });
}

// Pressure with h, s or e.
#define NORFLUID_P_FLASH(NAME, PROP, GIVEN, OFFSET, ...)                                         \
  NORFLUID_EXPORT void NAME(double* p, double* given, double* z, double* t, double* d,          \
                            double* dl, double* dv, double* x, double* y, double* q, double* o1, \
                            double* o2, double* cv, double* cp, double* w, int* ierr,           \
                            char* herr, RefpropStrLen lherr) {                                  \
    trace(#NAME, " p=%.6g " GIVEN "=%.6g", *p, *given);                                       \
    Outputs o{t, nullptr, d, dl, dv, x, y, q, __VA_ARGS__, cv, cp, w};                          \
    double P = *p, value = *given - OFFSET(z);                                                  \
    flash(#NAME, z, ierr, herr, lherr, o, [&](Flasher& f, Equilibrium& eq, std::string& err) {  \
      return f.flashP(P, PROP, value, eq, err);                                                 \
    });                                                                                         \
  }
NORFLUID_P_FLASH(PHFLSHdll, Prop::H, "h", offsetH, o1, nullptr, o2)
NORFLUID_P_FLASH(PSFLSHdll, Prop::S, "s", offsetS, o1, o2, nullptr)
NORFLUID_P_FLASH(PEFLSHdll, Prop::E, "e", offsetH, nullptr, o1, o2)
#undef NORFLUID_P_FLASH

// h or e with s.
#define NORFLUID_S_FLASH(NAME, PROP, GIVEN, ...)                                                 \
  NORFLUID_EXPORT void NAME(double* given, double* s, double* z, double* t, double* p, double* d, \
                            double* dl, double* dv, double* x, double* y, double* q, double* o1, \
                            double* cv, double* cp, double* w, int* ierr, char* herr,           \
                            RefpropStrLen lherr) {                                              \
    trace(#NAME, " " GIVEN "=%.6g s=%.6g", *given, *s);                                       \
    Outputs o{t, p, d, dl, dv, x, y, q, __VA_ARGS__, nullptr, cv, cp, w};                       \
    double value = *given - offsetH(z), S = *s - offsetS(z);                                    \
    flash(#NAME, z, ierr, herr, lherr, o, [&](Flasher& f, Equilibrium& eq, std::string& err) {  \
      return f.flashHS(PROP, value, S, eq, err);                                                \
    });                                                                                         \
  }
NORFLUID_S_FLASH(HSFLSHdll, Prop::H, "h", o1, nullptr)
NORFLUID_S_FLASH(ESFLSHdll, Prop::E, "e", nullptr, o1)
#undef NORFLUID_S_FLASH

// Density with h, s or e.
#define NORFLUID_D_FLASH(NAME, PROP, GIVEN, OFFSET, ...)                                         \
  NORFLUID_EXPORT void NAME(double* d, double* given, double* z, double* t, double* p,           \
                            double* dl, double* dv, double* x, double* y, double* q, double* o1, \
                            double* o2, double* cv, double* cp, double* w, int* ierr,           \
                            char* herr, RefpropStrLen lherr) {                                  \
    trace(#NAME, " d=%.6g " GIVEN "=%.6g", *d, *given);                                       \
    Outputs o{t, p, nullptr, dl, dv, x, y, q, __VA_ARGS__, cv, cp, w};                          \
    double V = 1.0 / *d, value = *given - OFFSET(z);                                            \
    flash(#NAME, z, ierr, herr, lherr, o, [&](Flasher& f, Equilibrium& eq, std::string& err) {  \
      return f.flashV(V, PROP, value, eq, err);                                                 \
    });                                                                                         \
  }
NORFLUID_D_FLASH(DHFLSHdll, Prop::H, "h", offsetH, o1, nullptr, o2)
NORFLUID_D_FLASH(DSFLSHdll, Prop::S, "s", offsetS, o1, o2, nullptr)
NORFLUID_D_FLASH(DEFLSHdll, Prop::E, "e", offsetH, nullptr, o1, o2)
#undef NORFLUID_D_FLASH

NORFLUID_EXPORT void TRNPRPdll(double* t, double* d, double* x, double* eta, double* tcx,
                               int* ierr, char* herr, RefpropStrLen lherr) {
  *eta = *tcx = 0;
  if (notReady(ierr, herr, lherr)) return;
  if (!(*t > 0 && *d > 0)) {
    setError(ierr, herr, lherr, 1, "[TRNPRP] temperature and density must be above 0");
    return;
  }
  std::vector<double> z = modelComposition(x);
  *eta = viscosity(g.model, *t, 1.0 / *d, z);
  *tcx = conductivity(g.model, *t, 1.0 / *d, z);
  clearError(ierr, herr, lherr);
}

NORFLUID_EXPORT void SURFTdll(double* t, double* dl, double* x, double* sigma, int* ierr,
                              char* herr, RefpropStrLen lherr) {
  (void)dl;
  *sigma = 0;
  if (notReady(ierr, herr, lherr)) return;
  *sigma = surfaceTension(g.model, *t, modelComposition(x));
  clearError(ierr, herr, lherr);
}

NORFLUID_EXPORT void MELTPdll(double* p, double* x, double* t, int* ierr, char* herr,
                              RefpropStrLen lherr) {
  (void)p;
  (void)x;
  *t = 0;
  setError(ierr, herr, lherr, 1, "[MELTP] the stand-in library has no melting line");
}

// One value per component at (T, D): fugacity (kPa), coefficient or chemical potential.
enum class PerComponent { Fugacity, Coefficient, Potential };

static void perComponent(PerComponent kind, double* t, double* d, double* x, double* out,
                         int* ierr, char* herr, RefpropStrLen lherr) {
  if (notReady(ierr, herr, lherr)) return;
  for (const ApiComponent& a : g.api)
    if (a.parts.size() != 1) {
      setError(ierr, herr, lherr, 1, "[norfluid] not available for a blend shown as one fluid");
      return;
    }
  std::vector<double> z = modelComposition(x);
  double v = 1.0 / *d, T = *t;
  double p = g.model.pressure(T, v, z);
  if (!(p > 0)) {
    setError(ierr, herr, lherr, 1, "[norfluid] pressure not above 0 at this state");
    return;
  }
  std::vector<double> lnphi = g.model.lnPhiAtVolume(T, v, z);
  for (int a = 0; a < apiCount(); ++a) {
    int k = g.api[a].parts[0].first;
    const Component& c = g.model.comps[k];
    double phi = std::exp(lnphi[k]);
    if (kind == PerComponent::Fugacity) {
      out[a] = z[k] * phi * p;
    } else if (kind == PerComponent::Coefficient) {
      out[a] = phi;
    } else {
      double mu0 = c.h0(T) + c.hOffset - T * (c.s0(T) + c.sOffset);
      out[a] = mu0 + kR * T * std::log(std::max(z[k], 1e-300) * phi * p / 101.325);
    }
  }
  clearError(ierr, herr, lherr);
}

NORFLUID_EXPORT void FGCTY2dll(double* t, double* d, double* x, double* f, int* ierr, char* herr,
                               RefpropStrLen lherr) {
  perComponent(PerComponent::Fugacity, t, d, x, f, ierr, herr, lherr);
}

NORFLUID_EXPORT void FUGCOFdll(double* t, double* d, double* x, double* phi, int* ierr,
                               char* herr, RefpropStrLen lherr) {
  perComponent(PerComponent::Coefficient, t, d, x, phi, ierr, herr, lherr);
}

NORFLUID_EXPORT void CHEMPOTdll(double* t, double* d, double* x, double* u, int* ierr, char* herr,
                                RefpropStrLen lherr) {
  perComponent(PerComponent::Potential, t, d, x, u, ierr, herr, lherr);
}

NORFLUID_EXPORT void VIRBdll(double* t, double* x, double* b) {
  *b = 0;
  if (!g.ready) return;
  Model::Params P = g.model.params(*t, modelComposition(x));
  *b = P.b - P.c - P.a / (kR * *t);
}

NORFLUID_EXPORT void VIRCdll(double* t, double* x, double* c) {
  *c = 0;
  if (!g.ready) return;
  Model::Params P = g.model.params(*t, modelComposition(x));
  double b0 = P.b - P.a / (kR * *t);
  double c0 = P.b * P.b + 2.0 * P.a * P.b / (kR * *t);
  *c = c0 - 2.0 * P.c * b0 + P.c * P.c;
}

// Binary interaction: model "KWC" (cubic one-fluid rule in the five-coefficient layout);
// fij = betaT, gammaT, betaV, gammaV (all 1, neutral), Fij = kij, spare.
NORFLUID_EXPORT void GETKTVdll(int* icomp, int* jcomp, char* hmodij, double* fij, char* hfmix,
                               char* hfij, char* hbinp, char* hmxrul, RefpropStrLen lhmodij,
                               RefpropStrLen lhfmix, RefpropStrLen lhfij, RefpropStrLen lhbinp,
                               RefpropStrLen lhmxrul) {
  double k = 0;
  int i = *icomp - 1, j = *jcomp - 1;
  if (i >= 0 && j >= 0 && i < apiCount() && j < apiCount() && g.api[i].parts.size() == 1 &&
      g.api[j].parts.size() == 1)
    k = g.model.kij[g.api[i].parts[0].first][g.api[j].parts[0].first];
  putText(hmodij, lhmodij, "KWC");
  double values[6] = {1.0, 1.0, 1.0, 1.0, k, 0.0};
  std::memcpy(fij, values, sizeof values);
  putText(hfmix, lhfmix, g.hmxPath);
  putText(hfij, lhfij, "betaT gammaT betaV gammaV Fij=kij");
  putText(hbinp, lhbinp, "kij of the van der Waals one-fluid rule");
  putText(hmxrul, lhmxrul, "KWC cubic one-fluid mixing rule");
}

NORFLUID_EXPORT void SETKTVdll(int* icomp, int* jcomp, char* hmodij, double* fij, char* hfmix,
                               int* ierr, char* herr, RefpropStrLen lhmodij, RefpropStrLen lhfmix,
                               RefpropStrLen lherr) {
  (void)hmodij;
  (void)hfmix;
  (void)lhmodij;
  (void)lhfmix;
  int i = *icomp - 1, j = *jcomp - 1;
  if (i < 0 || j < 0 || i >= apiCount() || j >= apiCount() || g.api[i].parts.size() != 1 ||
      g.api[j].parts.size() != 1 || i == j) {
    setError(ierr, herr, lherr, 1, "[SETKTV] no such pair of fluids");
    return;
  }
  int a = g.api[i].parts[0].first, b = g.api[j].parts[0].first;
  g.model.kij[a][b] = g.model.kij[b][a] = fij[4];
  clearError(ierr, herr, lherr);
}

}  // extern "C"
