// Bridge object: library support check, fluid set-up and composition.
#include "refrop_backend.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "orv_utils.h"
#include "refprop_binding.h"

namespace {

// Fluid-file suffixes tried in turn, the same for every name of a set-up.
const char* const endings[] = {"", ".FLD", ".fld", ".PPF", ".ppf"};
const char default_reference_state[] = "DEF";

// Copies `text` into a fixed field of `length` characters, padded with `pad`.
void fillField(char* field, std::size_t length, const std::string& text, char pad) {
  std::memset(field, pad, length);
  std::memcpy(field, text.data(), std::min(text.size(), length));
}

std::string trimmed(const std::string& s) {
  const char* blanks = " \t\r\n";
  std::size_t a = s.find_first_not_of(blanks);
  if (a == std::string::npos) return "";
  std::size_t b = s.find_last_not_of(blanks);
  return s.substr(a, b - a + 1);
}

}  // namespace

refrop_backend::refrop_backend()
    : error_register(1),
      component_count(0),
      fractions_set(false),
      owns_library(0),
      library_usable(true),
      num_components(0) {
  clear();
}

refrop_backend::~refrop_backend() {
  --owns_library;
  if (owns_library == 0) refprop::release_REFPROP();
}

void refrop_backend::releaseLibrary() {
  if (owns_library != 0) refprop::release_REFPROP();
  owns_library = 0;
}

int refrop_backend::check_ErrorRegister() { return error_register; }
int refrop_backend::get_NumComp() { return num_components; }

bool refrop_backend::REFPROP_supported() {
  if (refprop::REFPROP_loaded()) return true;
  if (!library_usable) return false;
  std::string err;
  if (refprop::load_REFPROP(err, refprop::refpropPath())) return true;
  std::printf("%s\n", "Good news: It is possible to use REFPROP on your system! However, the library ");
  std::printf("%s\n", "could not be loaded. Please make sure that REFPROP is available on your system.\n");
  std::printf("%s\n", "Neither found in current location nor found in system PATH.");
  std::printf("%s\n", "If you already obtained a copy of REFPROP from https://www.nist.gov/srd/refprop, ");
  std::printf("%s\n", "add location of REFPROP to the PATH environment variable or your library path.\n");
  std::printf("%s\n", "In case you do not use Windows, have a look at "
                      "https://github.com/usnistgov/REFPROP-cmake ");
  std::printf("%s\n", "to find instructions on how to compile your own version of the REFPROP library.\n");
  std::fflush(stdout);
  library_usable = false;
  return false;
}

std::string refrop_backend::version() {
  REFPROP_supported();
  if (!refprop::REFPROP_loaded()) return "";
  int nc = -1;
  int ierr = 0;
  char hfiles[kRefpropFileListLength] = {0};
  char hfmix[kRefpropPathLength];
  fillField(hfmix, sizeof hfmix, "HMX.BNC", '\0');
  char hrf[kRefpropReferenceLength + 1] = "DEF";
  char herr[kRefpropMessageLength + 1] = {0};
  REFPROP_CALL(SETUPdll)(&nc, hfiles, hfmix, hrf, &ierr, herr, kRefpropFileListLength,
                         kRefpropPathLength, kRefpropReferenceLength, kRefpropMessageLength);
  if (herr[0] != '\0') return trimmed(refprop::fieldText(herr, kRefpropMessageLength - 1));
  return format("%g", ierr / 10000.0);
}

void refrop_backend::construct(const std::vector<std::string>& names) {
  fractions_set = false;
  REFPROP_supported();
  set_REFPROP_fluids(names);
  if (owns_library == 0) {
    owns_library = 1;
    refprop::acquire_REFPROP();
  }
}

bool refrop_backend::select_fluid(const std::string& name) {
  releaseLibrary();
  // This object's earlier set-up no longer stands, even if another owner keeps the
  // library open with it.
  loaded_reference.clear();
  error_register = 0;
  component_count = 0;
  fractions_set = false;
  library_usable = true;
  construct(std::vector<std::string>{name});
  if (error_register > 0) return false;
  if (mole_fractions.empty()) set_mole_fractions(std::vector<double>{1.0});
  return true;
}

void refrop_backend::check_loaded_fluid() { set_REFPROP_fluids(fluid_names); }

void refrop_backend::set_REFPROP_fluids(const std::vector<std::string>& names) {
  if (!loaded_reference.empty() && loaded_reference == refprop::LoadedREFPROPRef) return;
  fluid_names = names;
  std::string joined = strjoin(names, "|");
  std::string hmx = refprop::get_REFPROP_HMX_BNC_path();
  if (hmx.size() > kRefpropPathLength)
    throw RefPropBridgeError(
        format("Full HMX path (%s) is too long; max length is 255 characters", hmx.c_str()));
  if (!REFPROP_supported())
    throw RefPropUnusableError("You cannot use the Norvale REFPROP_Backend.");
  if (names.size() == 1 && upper(joined).find(".MIX") != std::string::npos)
    setupMixtureFile(joined);
  else
    setupFluidFiles(names, joined);
}

void refrop_backend::setupFluidFiles(const std::vector<std::string>& names,
                                     const std::string& joined) {
  const std::string prefix = refprop::get_REFPROP_fluid_path_prefix();
  char hfmix[kRefpropPathLength];
  fillField(hfmix, sizeof hfmix, refprop::get_REFPROP_HMX_BNC_path(), '\0');
  int n = static_cast<int>(names.size());
  for (std::size_t k = 0; k < sizeof endings / sizeof endings[0]; ++k) {
    std::string files;
    for (std::size_t i = 0; i < names.size(); ++i) {
      if (i > 0) files += "|";
      files += prefix + upper(names[i]) + endings[k];
    }
    if (files.size() > kRefpropFileListLength)
      throw RefPropBridgeError(format("components_joined (%s) is too long", files.c_str()));
    std::vector<char> hfiles(kRefpropFileListLength);
    fillField(hfiles.data(), hfiles.size(), files, ' ');
    char hrf[kRefpropReferenceLength + 1];
    std::memcpy(hrf, default_reference_state, sizeof hrf);
    int ierr = 0;
    char herr[kRefpropMessageLength + 1] = {0};
    int nc = n;
    REFPROP_CALL(SETUPdll)(&nc, hfiles.data(), hfmix, hrf, &ierr, herr, kRefpropFileListLength,
                           kRefpropPathLength, kRefpropReferenceLength, kRefpropMessageLength);
    error_register = ierr;
    if (ierr <= 0) {
      composition.resize(n, 0.0);
      liquid_composition.resize(n, 0.0);
      vapour_composition.resize(n, 0.0);
      num_components = component_count = n;
      refprop::LoadedREFPROPRef = loaded_reference = std::string(hfiles.begin(), hfiles.end());
      std::printf(" --- Successfully loaded Norvale Pur/Pseudo-Pur fluid: %s\n", files.c_str());
      return;
    }
  }
  throw RefPropBridgeError(format("Could not load these fluids: %s", joined.c_str()));
}

void refrop_backend::setupMixtureFile(const std::string& joined) {
  std::string path = refprop::get_REFPROP_mixtures_path_prefix() + joined;
  if (path.size() > kRefpropPathLength)
    throw RefPropBridgeError(format("components (%s) is too long", joined.c_str()));
  char hmxnme[kRefpropPathLength];
  fillField(hmxnme, sizeof hmxnme, path, '\0');
  char hfmix[kRefpropPathLength];
  fillField(hfmix, sizeof hfmix, refprop::get_REFPROP_HMX_BNC_path(), '\0');
  char hrf[kRefpropReferenceLength + 1];
  std::memcpy(hrf, default_reference_state, sizeof hrf);
  int ncc = 0;
  std::vector<char> hfiles(kRefpropFileListLength, '\0');
  double x[kRefpropMaxComponents] = {0.0};
  int ierr = 0;
  char herr[kRefpropMessageLength + 1] = {0};
  REFPROP_CALL(SETMIXdll)(hmxnme, hfmix, hrf, &ncc, hfiles.data(), x, &ierr, herr,
                          kRefpropPathLength, kRefpropPathLength, kRefpropReferenceLength,
                          kRefpropFileListLength, kRefpropMessageLength);
  error_register = ierr;
  if (ierr > 0) throw RefPropBridgeError(format("Unable to load mixture: %s", joined.c_str()));
  // The fraction array has 20 entries: a larger count would have the library write past
  // it, and none at all is no fluid.
  if (ncc < 1 || ncc > kRefpropMaxComponents)
    throw RefPropBridgeError(
        format("Unable to load mixture: %s has %d components (1 to 20 allowed)", joined.c_str(), ncc));
  composition.resize(ncc, 0.0);
  liquid_composition.resize(ncc, 0.0);
  vapour_composition.resize(ncc, 0.0);
  num_components = component_count = ncc;
  refprop::LoadedREFPROPRef = loaded_reference = path;
  fluid_names = std::vector<std::string>{joined};
  set_mole_fractions(std::vector<double>(x, x + ncc));
  std::printf(" --- Successfully loaded Norvale Mixture fluid: %s\n", joined.c_str());
}

void refrop_backend::set_mole_fractions(const std::vector<double>& x) {
  // The library reads one entry per component: a vector of another size would have it
  // read or write outside the composition.
  if (static_cast<int>(x.size()) != component_count)
    throw RefPropBridgeError(
        format("size of mole fraction vector [%d] does not equal that of component vector [%d]",
               static_cast<int>(x.size()), component_count));
  composition = x;
  mole_fractions = x;
  fractions_set = true;
}

double refrop_backend::componentMolarMass(int icomp) {
  double wmm = 0, ttrp = 0, tnbpt = 0, tc = 0, pc = 0, dc = 0, zc = 0, acf = 0, dip = 0, rgas = 0;
  REFPROP_CALL(INFOdll)(&icomp, &wmm, &ttrp, &tnbpt, &tc, &pc, &dc, &zc, &acf, &dip, &rgas);
  return wmm;
}

void refrop_backend::set_mass_fractions(const std::vector<double>& w) {
  if (static_cast<int>(w.size()) != component_count)
    throw RefPropBridgeError(
        format("size of mass fraction vector [%d] does not equal that of component vector [%d]",
               static_cast<unsigned>(w.size()), static_cast<unsigned>(component_count)));
  std::vector<double> moles(w.size());
  double sum = 0.0;
  for (int i = 1; i <= component_count; ++i) {
    double m = componentMolarMass(i);
    if (w[i - 1] < 0.0 || m <= 0.0)
      throw RefPropBridgeError(format("invalid mass fraction %g of component %d", w[i - 1], i));
    moles[i - 1] = w[i - 1] / (m / 1000.0);
    sum += moles[i - 1];
  }
  // All-zero fractions would give a composition of NaN.
  if (!(sum > 0.0)) throw RefPropBridgeError("mass fractions sum to zero");
  for (double& n : moles) n /= sum;
  composition = moles;
  mole_fractions = moles;
  fractions_set = true;
}

std::vector<double> refrop_backend::calc_mass_fractions() {
  double mixture = calc_molar_mass();
  std::vector<double> w(composition.size());
  for (std::size_t i = 0; i < composition.size(); ++i)
    w[i] = componentMolarMass(static_cast<int>(i) + 1) / 1000.0 * composition[i] / mixture;
  return w;
}

namespace {
struct ComponentNames {
  std::string name, longName, cas;
};
ComponentNames componentNames(int icomp) {
  char hnam[13] = {0}, hn80[81] = {0}, hcas[13] = {0};
  REFPROP_CALL(NAMEdll)(&icomp, hnam, hn80, hcas, 12, 80, 12);
  return ComponentNames{trimmed(refprop::fieldText(hnam, 12)),
                        trimmed(refprop::fieldText(hn80, 80)),
                        trimmed(refprop::fieldText(hcas, 12))};
}
}  // namespace

std::size_t refrop_backend::match_CAS(const std::string& cas) {
  for (std::size_t i = 1; i <= fluid_names.size(); ++i)
    if (componentNames(static_cast<int>(i)).cas == cas) return i;
  throw RefPropBridgeError(format("Unable to match CAS number [%s]", cas.c_str()));
}

std::string refrop_backend::fluid_param_string(const std::string& name) {
  if (name == "CAS") {
    std::vector<std::string> numbers;
    for (std::size_t i = 1; i <= fluid_names.size(); ++i)
      numbers.push_back(componentNames(static_cast<int>(i)).cas);
    return strjoin(numbers, "&");
  }
  if (name == "name") return componentNames(1).name;
  if (name == "long_name") return componentNames(1).longName;
  throw RefPropBridgeError(
      format("parameter to fluid_param_string is invalid: %s", name.c_str()));
}
