#include "norfluid_files.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace norfluid {

namespace {

std::string trim(const std::string& s) {
  std::size_t a = s.find_first_not_of(" \t\r\n");
  if (a == std::string::npos) return "";
  std::size_t b = s.find_last_not_of(" \t\r\n");
  return s.substr(a, b - a + 1);
}

std::string upperText(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

std::vector<double> numbers(const std::string& text) {
  std::istringstream in(text);
  std::vector<double> out;
  double v;
  while (in >> v) out.push_back(v);
  return out;
}

std::string first(const std::multimap<std::string, std::string>& kv, const std::string& key) {
  auto it = kv.find(key);
  return it == kv.end() ? "" : it->second;
}

double number(const std::multimap<std::string, std::string>& kv, const std::string& key) {
  std::vector<double> v = numbers(first(kv, key));
  return v.empty() ? 0.0 : v[0];
}

}  // namespace

std::string directoryOf(const std::string& path) {
  std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

std::string stemOf(const std::string& path) {
  std::size_t slash = path.find_last_of('/');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::size_t dot = name.find_last_of('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string suffixOf(const std::string& path) {
  std::size_t slash = path.find_last_of('/');
  std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  return path.substr(dot);
}

bool readKeyValues(const std::string& path, std::multimap<std::string, std::string>& out) {
  std::ifstream in(path);
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) {
    std::size_t hash = line.find('#');
    if (hash != std::string::npos) line.erase(hash);
    std::size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    out.emplace(trim(line.substr(0, eq)), trim(line.substr(eq + 1)));
  }
  return true;
}

bool isBlendFile(const std::multimap<std::string, std::string>& kv) {
  return kv.count("components") > 0;
}

std::string loadFluidFile(const std::string& path, Component& c) {
  std::multimap<std::string, std::string> kv;
  if (!readKeyValues(path, kv)) return "fluid file not found: " + path;
  std::string alias = first(kv, "alias");
  if (!alias.empty()) {
    std::string target = directoryOf(path) + "/" + upperText(alias) + suffixOf(path);
    if (target == path) return "fluid file is an alias of itself: " + path;
    return loadFluidFile(target, c);
  }
  c.file = upperText(stemOf(path));
  c.name = first(kv, "name");
  c.longName = first(kv, "long_name");
  c.cas = first(kv, "cas");
  c.M = number(kv, "molar_mass");
  c.Tc = number(kv, "t_critical");
  c.pc = number(kv, "p_critical");
  c.omega = number(kv, "acentric");
  c.Ttriple = number(kv, "t_triple");
  c.Tnbp = number(kv, "t_boiling");
  c.dipole = number(kv, "dipole");
  for (auto range = kv.equal_range("psat"); range.first != range.second; ++range.first) {
    std::vector<double> v = numbers(range.first->second);
    if (v.size() == 2) c.psatPoints.emplace_back(v[0], v[1]);
  }
  for (auto range = kv.equal_range("rho_liquid"); range.first != range.second; ++range.first) {
    std::vector<double> v = numbers(range.first->second);
    if (v.size() == 2) c.rhoLiquidPoints.emplace_back(v[0], v[1]);
  }
  std::vector<double> cp = numbers(first(kv, "cp0"));
  if (cp.size() != 4 || cp[0] == cp[2]) return "fluid file without cp0 (T1 cp1 T2 cp2): " + path;
  c.cpT1 = cp[0];
  c.cp1 = cp[1];
  c.cpT2 = cp[2];
  c.cp2 = cp[3];
  if (c.M <= 0 || c.Tc <= 0 || c.pc <= 0) return "fluid file without its critical constants: " + path;
  return "";
}

std::string loadBlendFile(const std::multimap<std::string, std::string>& kv, BlendFile& b) {
  b.name = first(kv, "name");
  b.longName = first(kv, "long_name");
  b.cas = first(kv, "cas");
  std::istringstream names(first(kv, "components"));
  std::string n;
  while (names >> n) b.components.push_back(upperText(n));
  std::string mass = first(kv, "mass_fractions"), mole = first(kv, "mole_fractions");
  b.massFractions = !mass.empty();
  b.fractions = numbers(b.massFractions ? mass : mole);
  if (b.components.empty() || b.components.size() != b.fractions.size())
    return "blend file: components and fractions do not match";
  double sum = 0;
  for (double f : b.fractions) {
    if (f < 0) return "blend file: negative fraction";
    sum += f;
  }
  if (sum <= 0) return "blend file: fractions sum to zero";
  for (double& f : b.fractions) f /= sum;
  return "";
}

std::map<std::pair<std::string, std::string>, double> loadInteractions(const std::string& path) {
  std::map<std::pair<std::string, std::string>, double> out;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    std::size_t hash = line.find('#');
    if (hash != std::string::npos) line.erase(hash);
    std::istringstream words(line);
    std::string a, b;
    double k;
    if (words >> a >> b >> k) {
      a = upperText(a);
      b = upperText(b);
      out[{a, b}] = k;
      out[{b, a}] = k;
    }
  }
  return out;
}

}  // namespace norfluid
