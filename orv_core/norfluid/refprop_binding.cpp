#include "refprop_binding.h"

#include <dlfcn.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "orvPlatform.h"

namespace refprop {

#define REFPROP_DEFINE_CALLED(name) name##_fn* name = nullptr;
#define REFPROP_DEFINE_UNCALLED(name) RefpropUncalled_fn* name = nullptr;
REFPROP_ROUTINE_TABLE(REFPROP_DEFINE_CALLED, REFPROP_DEFINE_UNCALLED)
#undef REFPROP_DEFINE_CALLED
#undef REFPROP_DEFINE_UNCALLED

void* RefpropdllInstance = nullptr;
std::string RPVersion_loaded;
std::string LoadedREFPROPRef;
DLLNameManglingStyle mangling_style = NO_NAME_MANGLING;

namespace {

int ownerCount = 0;

// One entry per routine, in binding order: its name and the address of its pointer.
struct TableEntry {
  const char* name;
  void** slot;
};
#define REFPROP_ENTRY(name) {#name, reinterpret_cast<void**>(&name)},
const TableEntry kTable[] = {REFPROP_ROUTINE_TABLE(REFPROP_ENTRY, REFPROP_ENTRY)};
#undef REFPROP_ENTRY

void clearTable() {
  for (const TableEntry& e : kTable) *e.slot = nullptr;
}

void closeLibrary() {
  if (RefpropdllInstance) dlclose(RefpropdllInstance);
  RefpropdllInstance = nullptr;
  LoadedREFPROPRef = "";
  // Pointers into a closed library would dangle: null them so that a call throws.
  clearTable();
}

}  // namespace

const int kRoutineCount = sizeof kTable / sizeof kTable[0];
static_assert(sizeof kTable / sizeof kTable[0] == 112, "the routine table has 112 entries");

void* getFunctionPointer(const char* name, DLLNameManglingStyle style) {
  if (!RefpropdllInstance) return nullptr;
  std::string symbol(name);
  if (style != NO_NAME_MANGLING) {
    for (char& c : symbol) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (style == LOWERCASE_AND_UNDERSCORE_NAME_MANGLING) symbol += "_";
  }
  return dlsym(RefpropdllInstance, symbol.c_str());
}

bool setFunctionPointers(std::string& err) {
  if (!RefpropdllInstance) {
    err = "REFPROP is not loaded, make sure you call this function after loading the library "
          "using load_REFPROP.";
    return false;
  }
  if (getFunctionPointer("SETUPdll", NO_NAME_MANGLING)) {
    mangling_style = NO_NAME_MANGLING;
  } else if (dlsym(RefpropdllInstance, "setupdll")) {
    mangling_style = LOWERCASE_NAME_MANGLING;
  } else if (dlsym(RefpropdllInstance, "setupdll_")) {
    mangling_style = LOWERCASE_AND_UNDERSCORE_NAME_MANGLING;
  } else {
    err = "Could not load the symbol SETUPdll or any of its mangled forms; REFPROP shared "
          "library broken.";
    return false;
  }
  for (const TableEntry& e : kTable) *e.slot = getFunctionPointer(e.name, mangling_style);
  return true;
}

std::string refpropLibraryFile() {
#ifndef ORV_DEVICE_BUILD
  const char* env = std::getenv("ORV_REFPROP_LIB");
  if (env && *env) return env;
#endif
  return "librefprop.so";
}

bool load_REFPROP(std::string& err, const std::string& path) {
  (void)path;
  if (RefpropdllInstance) return true;
  prepareFluidData();
  RefpropdllInstance = dlopen(refpropLibraryFile().c_str(), RTLD_NOW);
  if (!RefpropdllInstance) {
    err = "Could not load librefprop.so, make sure it is in your system search path.";
    return false;
  }
  std::string bindErr;
  if (!setFunctionPointers(bindErr)) {
    // A library without a set-up routine is of no use: close it rather than report it
    // usable later with an unbound table.
    closeLibrary();
    err = "There was an error setting the REFPROP function pointers, check types and names "
          "in header file.";
    return false;
  }
  char version[kRefpropVersionLength + 1] = {0};
  if (RPVersion) RPVersion(version, kRefpropVersionLength);
  RPVersion_loaded = fieldText(version, kRefpropVersionLength);
  return true;
}

bool REFPROP_loaded() { return RefpropdllInstance != nullptr; }

void acquire_REFPROP() { ++ownerCount; }

void release_REFPROP() {
  if (ownerCount > 0) --ownerCount;
  if (ownerCount == 0 && RefpropdllInstance) closeLibrary();
}

int REFPROP_owner_count() { return ownerCount; }

std::string refpropPath() { return orv::devicePath("/usr/share/norfluid"); }
std::string get_REFPROP_fluid_path_prefix() { return refpropPath() + "/fluids/"; }
std::string get_REFPROP_mixtures_path_prefix() { return refpropPath() + "/mixtures/"; }
std::string get_REFPROP_HMX_BNC_path() { return get_REFPROP_fluid_path_prefix() + "HMX.BNC"; }

void prepareFluidData() {
#if !defined(ORV_DEVICE_BUILD) && defined(ORV_NORFLUID_DATA_SOURCE)
  namespace fs = std::filesystem;
  std::error_code ec;
  if (fs::exists(get_REFPROP_HMX_BNC_path(), ec)) return;
  fs::create_directories(refpropPath(), ec);
  fs::copy(ORV_NORFLUID_DATA_SOURCE, refpropPath(),
           fs::copy_options::recursive | fs::copy_options::skip_existing, ec);
  if (ec)
    std::fprintf(stderr, "[norfluid] cannot lay out the fluid data in %s: %s\n",
                 refpropPath().c_str(), ec.message().c_str());
#endif
}

std::string fieldText(const char* field, std::size_t length) {
  std::size_t n = 0;
  while (n < length && field[n] != '\0') ++n;
  return std::string(field, n);
}

}  // namespace refprop

std::string upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}
