// Scriptable mock of "librefprop.so" for the bridge's tests, built from the same
// declarations as the stand-in (refprop_abi.h). Variants by compile definition:
//   MOCK_LOWERCASE_UNDERSCORE  names exported as "setupdll_" (name style 2)
//   MOCK_LACKING               no THERM3dll and no TRNPRPdll
//   MOCK_NO_SETUP              no SETUPdll at all (binding must fail)
//
// NORFLUID_MOCK_LOG=FILE: every call appends "ROUTINE key=value ..." with its inputs.
// NORFLUID_MOCK_SCRIPT=FILE: lines "ROUTINE key=value ... [herr=text to the end]"; the
// n-th call of a routine (counted in the log, so across library reloads) takes the n-th
// line of that routine, defaults otherwise. Keys: ierr, herr, and the outputs by name
// (t p d q h s e w wm tc pc dc eta tcx ncc x=v1,v2 model version).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "refprop_abi.h"

#ifdef MOCK_LOWERCASE_UNDERSCORE
#define EXPORTED(upper, lower) __asm__(#lower "_")
#else
#define EXPORTED(upper, lower) __asm__(#upper)
#endif
#define MOCK_API extern "C" __attribute__((visibility("default")))

namespace {

typedef std::map<std::string, std::string> Script;

std::string envPath(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}

int callsSoFar(const std::string& routine) {
  std::ifstream in(envPath("NORFLUID_MOCK_LOG"));
  std::string line;
  int n = 0;
  while (std::getline(in, line))
    if (line.compare(0, routine.size() + 1, routine + " ") == 0 || line == routine) ++n;
  return n;
}

// The script line of this call of `routine`, and the call's log line.
Script call(const std::string& routine, const std::string& inputs) {
  Script s;
  int n = callsSoFar(routine);
  std::ifstream in(envPath("NORFLUID_MOCK_SCRIPT"));
  std::string line;
  int seen = 0;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string name;
    if (!(words >> name) || name != routine) continue;
    if (seen++ != n) continue;
    std::string word;
    while (words >> word) {
      std::size_t eq = word.find('=');
      if (eq == std::string::npos) continue;
      std::string key = word.substr(0, eq), value = word.substr(eq + 1);
      if (key == "herr") {
        std::string rest;
        std::getline(words, rest);
        value += rest;
      }
      s[key] = value;
    }
    break;
  }
  std::string log = envPath("NORFLUID_MOCK_LOG");
  if (!log.empty()) {
    std::ofstream out(log, std::ios::app);
    out << routine << (inputs.empty() ? "" : " ") << inputs << "\n";
  }
  return s;
}

double num(const Script& s, const char* key, double fallback) {
  auto it = s.find(key);
  return it == s.end() ? fallback : std::strtod(it->second.c_str(), nullptr);
}

std::string text(const char* field, RefpropStrLen n) {
  std::string t(field, static_cast<std::size_t>(n));
  std::size_t nul = t.find('\0');
  if (nul != std::string::npos) t.erase(nul);
  std::size_t end = t.find_last_not_of(' ');
  return end == std::string::npos ? "" : t.substr(0, end + 1);
}

void put(char* field, RefpropStrLen n, const std::string& value, char pad = ' ') {
  std::memset(field, pad, static_cast<std::size_t>(n));
  std::memcpy(field, value.data(), std::min<std::size_t>(value.size(), static_cast<std::size_t>(n)));
}

void result(const Script& s, int* ierr, char* herr, RefpropStrLen lherr) {
  *ierr = static_cast<int>(num(s, "ierr", 0));
  auto it = s.find("herr");
  if (herr && lherr > 0) {
    std::memset(herr, 0, static_cast<std::size_t>(lherr));
    if (it != s.end()) put(herr, lherr - 1, it->second, '\0');
  }
}

std::string fmt(const char* key, double v) {
  char b[64];
  std::snprintf(b, sizeof b, "%s=%.10g", key, v);
  return b;
}

// Molar masses of the mock's components 1, 2, 3 (as R32, R125, R134a).
double molarMass(int icomp) { return icomp == 1 ? 52.024 : icomp == 2 ? 120.0214 : 102.032; }

int components = 1;  // count of the last set-up, for WMOLdll

// Flash outputs, scripted or default.
void flashOutputs(const Script& s, double* t, double* p, double* d, double* dl, double* dv,
                  double* q, double* e, double* h, double* sv, double* cv, double* cp, double* w) {
  if (t) *t = num(s, "t", 300.0);
  if (p) *p = num(s, "p", 1000.0);
  if (d) *d = num(s, "d", 10.0);
  if (dl) *dl = num(s, "dl", 12.0);
  if (dv) *dv = num(s, "dv", 0.5);
  if (q) *q = num(s, "q", 0.5);
  if (e) *e = num(s, "e", 18000.0);
  if (h) *h = num(s, "h", 20000.0);
  if (sv) *sv = num(s, "s", 100.0);
  if (cv) *cv = num(s, "cv", 70.0);
  if (cp) *cp = num(s, "cp", 90.0);
  if (w) *w = num(s, "w", 150.0);
}

}  // namespace

MOCK_API RPVersion_fn mockRPVersion EXPORTED(RPVersion, rpversion);
void mockRPVersion(char* hv, RefpropStrLen lhv) {
  Script s = call("RPVersion", "");
  put(hv, lhv, s.count("version") ? s["version"] : "mock 0.1", '\0');
}

#ifndef MOCK_NO_SETUP
MOCK_API SETUPdll_fn mockSETUPdll EXPORTED(SETUPdll, setupdll);
void mockSETUPdll(int* nc, char* hfiles, char* hfmix, char* hrf, int* ierr, char* herr,
                  RefpropStrLen lhfiles, RefpropStrLen lhfmix, RefpropStrLen lhrf,
                  RefpropStrLen lherr) {
  Script s = call("SETUPdll", "nc=" + std::to_string(*nc) + " hfiles=" + text(hfiles, lhfiles) +
                                  " hfmix=" + text(hfmix, lhfmix) + " hrf=" + text(hrf, lhrf) +
                                  " lengths=" + std::to_string(lhfiles) + "," +
                                  std::to_string(lhfmix) + "," + std::to_string(lhrf) + "," +
                                  std::to_string(lherr));
  if (*nc == -1 && !s.count("ierr")) s["ierr"] = "91000";
  result(s, ierr, herr, lherr);
  if (*ierr <= 0) components = *nc;
}
#endif

MOCK_API SETMIXdll_fn mockSETMIXdll EXPORTED(SETMIXdll, setmixdll);
void mockSETMIXdll(char* hmxnme, char* hfmix, char* hrf, int* ncc, char* hfiles, double* x,
                   int* ierr, char* herr, RefpropStrLen lhmxnme, RefpropStrLen lhfmix,
                   RefpropStrLen lhrf, RefpropStrLen lhfiles, RefpropStrLen lherr) {
  Script s = call("SETMIXdll", "hmxnme=" + text(hmxnme, lhmxnme) + " hfmix=" + text(hfmix, lhfmix));
  result(s, ierr, herr, lherr);
  *ncc = static_cast<int>(num(s, "ncc", 2));
  std::vector<double> fractions{0.6, 0.4};
  if (s.count("x")) {
    fractions.clear();
    std::stringstream in(s["x"]);
    std::string v;
    while (std::getline(in, v, ',')) fractions.push_back(std::strtod(v.c_str(), nullptr));
  }
  // Writes at most the 20 entries of the caller's array.
  for (std::size_t i = 0; i < fractions.size() && i < 20; ++i) x[i] = fractions[i];
  put(hfiles, lhfiles, "mock-files");
  (void)hrf;
  (void)lhrf;
  if (*ierr <= 0) components = *ncc;
}

MOCK_API INFOdll_fn mockINFOdll EXPORTED(INFOdll, infodll);
void mockINFOdll(int* icomp, double* wmm, double* ttrp, double* tnbpt, double* tc, double* pc,
                 double* dc, double* zc, double* acf, double* dip, double* rgas) {
  Script s = call("INFOdll", "icomp=" + std::to_string(*icomp));
  *wmm = num(s, "wm", molarMass(*icomp));
  *ttrp = num(s, "ttrp", 170.0);
  *tnbpt = 250.0;
  *tc = 374.21;
  *pc = 4059.28;
  *dc = 5.0;
  *zc = 0.26;
  *acf = 0.3;
  *dip = num(s, "dip", 2.0);
  *rgas = 8.314462618;
}

MOCK_API NAMEdll_fn mockNAMEdll EXPORTED(NAMEdll, namedll);
void mockNAMEdll(int* icomp, char* hnam, char* hn80, char* hcasn, RefpropStrLen lhnam,
                 RefpropStrLen lhn80, RefpropStrLen lhcasn) {
  call("NAMEdll", "icomp=" + std::to_string(*icomp));
  put(hnam, lhnam, "FLUID" + std::to_string(*icomp));
  put(hn80, lhn80, "mock fluid " + std::to_string(*icomp));
  put(hcasn, lhcasn, "  " + std::to_string(*icomp) + "00-0" + std::to_string(*icomp) + "-0 ");
}

MOCK_API WMOLdll_fn mockWMOLdll EXPORTED(WMOLdll, wmoldll);
void mockWMOLdll(double* x, double* wm) {
  Script s = call("WMOLdll", "");
  double m = 0;
  for (int i = 0; i < components; ++i) m += x[i] * molarMass(i + 1);
  *wm = num(s, "wm", m);
}

MOCK_API CRITPdll_fn mockCRITPdll EXPORTED(CRITPdll, critpdll);
void mockCRITPdll(double* x, double* tc, double* pc, double* dc, int* ierr, char* herr,
                  RefpropStrLen lherr) {
  (void)x;
  Script s = call("CRITPdll", "");
  *tc = num(s, "tc", 374.21);
  *pc = num(s, "pc", 4000.0);
  *dc = num(s, "dc", 5.0);
  result(s, ierr, herr, lherr);
}

MOCK_API REDXdll_fn mockREDXdll EXPORTED(REDXdll, redxdll);
void mockREDXdll(double* x, double* tred, double* dred) {
  (void)x;
  Script s = call("REDXdll", "");
  *tred = num(s, "t", 374.21);
  *dred = num(s, "d", 5.0);
}

MOCK_API LIMITSdll_fn mockLIMITSdll EXPORTED(LIMITSdll, limitsdll);
void mockLIMITSdll(char* htyp, double* x, double* tmin, double* tmax, double* dmax, double* pmax,
                   RefpropStrLen lhtyp) {
  (void)x;
  Script s = call("LIMITSdll", "htyp=" + text(htyp, lhtyp));
  *tmin = num(s, "tmin", 170.0);
  *tmax = num(s, "tmax", 455.0);
  *dmax = num(s, "dmax", 15.0);
  *pmax = num(s, "pmax", 70000.0);
}

MOCK_API RMIX2dll_fn mockRMIX2dll EXPORTED(RMIX2dll, rmix2dll);
void mockRMIX2dll(double* x, double* rgas) {
  (void)x;
  call("RMIX2dll", "");
  *rgas = 8.314462618;
}

MOCK_API SATTPdll_fn mockSATTPdll EXPORTED(SATTPdll, sattpdll);
void mockSATTPdll(double* t, double* p, double* x, int* iflsh, int* iguess, double* d, double* dl,
                  double* dv, double* xliq, double* xvap, double* q, int* ierr, char* herr,
                  RefpropStrLen lherr) {
  Script s = call("SATTPdll", fmt("t", *t) + " " + fmt("p", *p) + " iflsh=" + std::to_string(*iflsh) +
                                  " iguess=" + std::to_string(*iguess));
  result(s, ierr, herr, lherr);
  if (*iflsh <= 2)
    *p = num(s, "p", 500.0);
  else
    *t = num(s, "t", 280.0);
  *d = num(s, "d", 12.0);
  *dl = 12.0;
  *dv = 0.5;
  *q = (*iflsh == 2 || *iflsh == 4) ? 1.0 : 0.0;
  for (int i = 0; i < components; ++i) xliq[i] = xvap[i] = x[i];
}

MOCK_API THERMdll_fn mockTHERMdll EXPORTED(THERMdll, thermdll);
void mockTHERMdll(double* t, double* d, double* x, double* p, double* e, double* h, double* s,
                  double* cv, double* cp, double* w, double* hjt) {
  (void)x;
  Script sc = call("THERMdll", fmt("t", *t) + " " + fmt("d", *d));
  *p = num(sc, "p", 600.0);
  *e = num(sc, "e", 19000.0);
  *h = num(sc, "h", 21000.0);
  *s = num(sc, "s", 110.0);
  *cv = 70.0;
  *cp = 90.0;
  *w = num(sc, "w", 140.0);
  *hjt = 0.0;
}

MOCK_API THERM0dll_fn mockTHERM0dll EXPORTED(THERM0dll, therm0dll);
void mockTHERM0dll(double* t, double* d, double* x, double* p, double* e, double* h, double* s,
                   double* cv, double* cp, double* w, double* a, double* g) {
  (void)t; (void)d; (void)x;
  Script sc = call("THERM0dll", "");
  *p = *e = *h = *s = *w = *a = *g = 0;
  *cv = 60.0;
  *cp = num(sc, "cp", 68.3);
}

MOCK_API THERM2dll_fn mockTHERM2dll EXPORTED(THERM2dll, therm2dll);
void mockTHERM2dll(double* t, double* d, double* x, double* p, double* e, double* h, double* s,
                   double* cv, double* cp, double* w, double* z, double* hjt, double* a, double* g,
                   double* xkappa, double* beta, double* dpdd, double* d2pdd2, double* dpdt,
                   double* dddt, double* dddp, double* d2pdt2, double* d2pdtd, double* spare3,
                   double* spare4) {
  (void)t; (void)d; (void)x; (void)p; (void)e; (void)h; (void)s; (void)cv; (void)cp; (void)w;
  (void)z; (void)hjt; (void)a; (void)g; (void)xkappa; (void)beta; (void)dddt; (void)dddp;
  (void)d2pdt2; (void)spare3; (void)spare4;
  Script sc = call("THERM2dll", "");
  *dpdd = num(sc, "dpdd", 2.0);
  *d2pdd2 = num(sc, "d2pdd2", 1.0);
  *dpdt = num(sc, "dpdt", 4.0);
  *d2pdtd = num(sc, "d2pdtd", 3.0);
}

#ifndef MOCK_LACKING
MOCK_API RefpropUncalled_fn mockTHERM3dll EXPORTED(THERM3dll, therm3dll);
void mockTHERM3dll() { call("THERM3dll", ""); }

MOCK_API TRNPRPdll_fn mockTRNPRPdll EXPORTED(TRNPRPdll, trnprpdll);
void mockTRNPRPdll(double* t, double* d, double* x, double* eta, double* tcx, int* ierr,
                   char* herr, RefpropStrLen lherr) {
  (void)x;
  Script s = call("TRNPRPdll", fmt("t", *t) + " " + fmt("d", *d));
  *eta = num(s, "eta", 200.0);
  *tcx = num(s, "tcx", 0.08);
  result(s, ierr, herr, lherr);
}
#endif

// Flashes: the two given values are logged; outputs scripted or defaults.
#define MOCK_FLASH(UPPER, LOWER, IN1, IN2, ...)                                                \
  MOCK_API UPPER##_fn mock##UPPER EXPORTED(UPPER, LOWER);                                      \
  void mock##UPPER(__VA_ARGS__) {                                                              \
    Script s = call(#UPPER, fmt(#IN1, *IN1) + " " + fmt(#IN2, *IN2));
#define MOCK_FLASH_END(...)                                                                    \
    flashOutputs(s, __VA_ARGS__);                                                              \
    result(s, ierr, herr, lherr);                                                              \
  }

MOCK_FLASH(TPFLSHdll, tpflshdll, t, p, double* t, double* p, double* z, double* d, double* dl,
           double* dv, double* x, double* y, double* q, double* e, double* h, double* sv,
           double* cv, double* cp, double* w, int* ierr, char* herr, RefpropStrLen lherr)
  (void)z; (void)x; (void)y;
MOCK_FLASH_END(nullptr, nullptr, d, dl, dv, q, e, h, sv, cv, cp, w)

MOCK_FLASH(TQFLSHdll, tqflshdll, t, q, double* t, double* q, double* z, int* kq, double* p,
           double* d, double* dl, double* dv, double* x, double* y, double* e, double* h,
           double* sv, double* cv, double* cp, double* w, int* ierr, char* herr,
           RefpropStrLen lherr)
  (void)z; (void)x; (void)y; (void)kq;
MOCK_FLASH_END(nullptr, p, d, dl, dv, nullptr, e, h, sv, cv, cp, w)

MOCK_FLASH(PQFLSHdll, pqflshdll, p, q, double* p, double* q, double* z, int* kq, double* t,
           double* d, double* dl, double* dv, double* x, double* y, double* e, double* h,
           double* sv, double* cv, double* cp, double* w, int* ierr, char* herr,
           RefpropStrLen lherr)
  (void)z; (void)x; (void)y; (void)kq;
MOCK_FLASH_END(t, nullptr, d, dl, dv, nullptr, e, h, sv, cv, cp, w)

MOCK_FLASH(TDFLSHdll, tdflshdll, t, d, double* t, double* d, double* z, double* p, double* dl,
           double* dv, double* x, double* y, double* q, double* e, double* h, double* sv,
           double* cv, double* cp, double* w, int* ierr, char* herr, RefpropStrLen lherr)
  (void)z; (void)x; (void)y;
MOCK_FLASH_END(nullptr, p, nullptr, dl, dv, q, e, h, sv, cv, cp, w)

MOCK_FLASH(THFLSHdll, thflshdll, t, h, double* t, double* h, double* z, int* kr, double* p,
           double* d, double* dl, double* dv, double* x, double* y, double* q, double* e,
           double* sv, double* cv, double* cp, double* w, int* ierr, char* herr,
           RefpropStrLen lherr)
  (void)z; (void)x; (void)y; (void)kr;
MOCK_FLASH_END(nullptr, p, d, dl, dv, q, e, nullptr, sv, cv, cp, w)

MOCK_FLASH(TSFLSHdll, tsflshdll, t, sv, double* t, double* sv, double* z, int* kr, double* p,
           double* d, double* dl, double* dv, double* x, double* y, double* q, double* e,
           double* h, double* cv, double* cp, double* w, int* ierr, char* herr,
           RefpropStrLen lherr)
  (void)z; (void)x; (void)y; (void)kr;
MOCK_FLASH_END(nullptr, p, d, dl, dv, q, e, h, nullptr, cv, cp, w)

MOCK_FLASH(TEFLSHdll, teflshdll, t, e, double* t, double* e, double* z, int* kr, double* p,
           double* d, double* dl, double* dv, double* x, double* y, double* q, double* h,
           double* sv, double* cv, double* cp, double* w, int* ierr, char* herr,
           RefpropStrLen lherr)
  (void)z; (void)x; (void)y; (void)kr;
MOCK_FLASH_END(nullptr, p, d, dl, dv, q, nullptr, h, sv, cv, cp, w)

MOCK_FLASH(PDFLSHdll, pdflshdll, p, d, double* p, double* d, double* z, double* t, double* dl,
           double* dv, double* x, double* y, double* q, double* e, double* h, double* sv,
           double* cv, double* cp, double* w, int* ierr, char* herr, RefpropStrLen lherr)
  (void)z; (void)x; (void)y;
MOCK_FLASH_END(t, nullptr, nullptr, dl, dv, q, e, h, sv, cv, cp, w)

MOCK_FLASH(PHFLSHdll, phflshdll, p, h, double* p, double* h, double* z, double* t, double* d,
           double* dl, double* dv, double* x, double* y, double* q, double* e, double* sv,
           double* cv, double* cp, double* w, int* ierr, char* herr, RefpropStrLen lherr)
  (void)z; (void)x; (void)y;
MOCK_FLASH_END(t, nullptr, d, dl, dv, q, e, nullptr, sv, cv, cp, w)

MOCK_FLASH(PSFLSHdll, psflshdll, p, sv, double* p, double* sv, double* z, double* t, double* d,
           double* dl, double* dv, double* x, double* y, double* q, double* e, double* h,
           double* cv, double* cp, double* w, int* ierr, char* herr, RefpropStrLen lherr)
  (void)z; (void)x; (void)y;
MOCK_FLASH_END(t, nullptr, d, dl, dv, q, e, h, nullptr, cv, cp, w)

MOCK_FLASH(PEFLSHdll, peflshdll, p, e, double* p, double* e, double* z, double* t, double* d,
           double* dl, double* dv, double* x, double* y, double* q, double* h, double* sv,
           double* cv, double* cp, double* w, int* ierr, char* herr, RefpropStrLen lherr)
  (void)z; (void)x; (void)y;
MOCK_FLASH_END(t, nullptr, d, dl, dv, q, nullptr, h, sv, cv, cp, w)

MOCK_FLASH(HSFLSHdll, hsflshdll, h, sv, double* h, double* sv, double* z, double* t, double* p,
           double* d, double* dl, double* dv, double* x, double* y, double* q, double* e,
           double* cv, double* cp, double* w, int* ierr, char* herr, RefpropStrLen lherr)
  (void)z; (void)x; (void)y;
MOCK_FLASH_END(t, p, d, dl, dv, q, e, nullptr, nullptr, cv, cp, w)

MOCK_FLASH(ESFLSHdll, esflshdll, e, sv, double* e, double* sv, double* z, double* t, double* p,
           double* d, double* dl, double* dv, double* x, double* y, double* q, double* h,
           double* cv, double* cp, double* w, int* ierr, char* herr, RefpropStrLen lherr)
  (void)z; (void)x; (void)y;
MOCK_FLASH_END(t, p, d, dl, dv, q, nullptr, h, nullptr, cv, cp, w)

MOCK_FLASH(DHFLSHdll, dhflshdll, d, h, double* d, double* h, double* z, double* t, double* p,
           double* dl, double* dv, double* x, double* y, double* q, double* e, double* sv,
           double* cv, double* cp, double* w, int* ierr, char* herr, RefpropStrLen lherr)
  (void)z; (void)x; (void)y;
MOCK_FLASH_END(t, p, nullptr, dl, dv, q, e, nullptr, sv, cv, cp, w)

MOCK_FLASH(DSFLSHdll, dsflshdll, d, sv, double* d, double* sv, double* z, double* t, double* p,
           double* dl, double* dv, double* x, double* y, double* q, double* e, double* h,
           double* cv, double* cp, double* w, int* ierr, char* herr, RefpropStrLen lherr)
  (void)z; (void)x; (void)y;
MOCK_FLASH_END(t, p, nullptr, dl, dv, q, e, h, nullptr, cv, cp, w)

MOCK_FLASH(DEFLSHdll, deflshdll, d, e, double* d, double* e, double* z, double* t, double* p,
           double* dl, double* dv, double* x, double* y, double* q, double* h, double* sv,
           double* cv, double* cp, double* w, int* ierr, char* herr, RefpropStrLen lherr)
  (void)z; (void)x; (void)y;
MOCK_FLASH_END(t, p, nullptr, dl, dv, q, nullptr, h, sv, cv, cp, w)

// Single results with an error code.
#define MOCK_SIMPLE(UPPER, LOWER, KEY, DEFAULT)                                                 \
  MOCK_API UPPER##_fn mock##UPPER EXPORTED(UPPER, LOWER);                                       \
  void mock##UPPER(double* t, double* d, double* x, double* out, int* ierr, char* herr,         \
                   RefpropStrLen lherr) {                                                       \
    (void)x;                                                                                    \
    Script s = call(#UPPER, fmt("t", *t) + " " + fmt("d", *d));                                 \
    for (int i = 0; i < components; ++i) out[i] = num(s, KEY, DEFAULT) + i;                     \
    result(s, ierr, herr, lherr);                                                               \
  }
MOCK_SIMPLE(FGCTY2dll, fgcty2dll, "f", 100.0)
MOCK_SIMPLE(FUGCOFdll, fugcofdll, "phi", 0.9)
MOCK_SIMPLE(CHEMPOTdll, chempotdll, "u", 5000.0)
#undef MOCK_SIMPLE

MOCK_API SURFTdll_fn mockSURFTdll EXPORTED(SURFTdll, surftdll);
void mockSURFTdll(double* t, double* dl, double* x, double* sigma, int* ierr, char* herr,
                  RefpropStrLen lherr) {
  (void)x;
  Script s = call("SURFTdll", fmt("t", *t) + " " + fmt("d", *dl));
  *sigma = num(s, "sigma", 0.008);
  result(s, ierr, herr, lherr);
}

MOCK_API MELTPdll_fn mockMELTPdll EXPORTED(MELTPdll, meltpdll);
void mockMELTPdll(double* p, double* x, double* t, int* ierr, char* herr, RefpropStrLen lherr) {
  (void)x;
  Script s = call("MELTPdll", fmt("p", *p));
  *t = num(s, "t", 172.0);
  result(s, ierr, herr, lherr);
}

MOCK_API VIRBdll_fn mockVIRBdll EXPORTED(VIRBdll, virbdll);
void mockVIRBdll(double* t, double* x, double* b) {
  (void)x;
  Script s = call("VIRBdll", fmt("t", *t));
  *b = num(s, "b", -0.5);
}

MOCK_API VIRCdll_fn mockVIRCdll EXPORTED(VIRCdll, vircdll);
void mockVIRCdll(double* t, double* x, double* c) {
  (void)x;
  Script s = call("VIRCdll", fmt("t", *t));
  *c = num(s, "c", 0.02);
}

MOCK_API GETKTVdll_fn mockGETKTVdll EXPORTED(GETKTVdll, getktvdll);
void mockGETKTVdll(int* icomp, int* jcomp, char* hmodij, double* fij, char* hfmix, char* hfij,
                   char* hbinp, char* hmxrul, RefpropStrLen lhmodij, RefpropStrLen lhfmix,
                   RefpropStrLen lhfij, RefpropStrLen lhbinp, RefpropStrLen lhmxrul) {
  Script s = call("GETKTVdll", "i=" + std::to_string(*icomp) + " j=" + std::to_string(*jcomp));
  put(hmodij, lhmodij, s.count("model") ? s["model"] : "KW0");
  for (int k = 0; k < 6; ++k) fij[k] = 1.0 + 0.1 * (k + 1);
  fij[5] = 0.0;
  put(hfmix, lhfmix, "mock.BNC");
  put(hfij, lhfij, "");
  put(hbinp, lhbinp, "");
  put(hmxrul, lhmxrul, "");
}

MOCK_API SETKTVdll_fn mockSETKTVdll EXPORTED(SETKTVdll, setktvdll);
void mockSETKTVdll(int* icomp, int* jcomp, char* hmodij, double* fij, char* hfmix, int* ierr,
                   char* herr, RefpropStrLen lhmodij, RefpropStrLen lhfmix, RefpropStrLen lherr) {
  std::ostringstream in;
  in << "i=" << *icomp << " j=" << *jcomp << " model=" << text(hmodij, lhmodij) << " fij=";
  for (int k = 0; k < 6; ++k) in << (k ? "," : "") << fij[k];
  in << " hfmix=" << text(hfmix, lhfmix);
  Script s = call("SETKTVdll", in.str());
  result(s, ierr, herr, lherr);
}
