// "cfg": the configuration store as the core starts it (load, create with defaults or
// migrate, write), and single keys of section "General" by id.
#include <cstdlib>
#include <string>

#include "cli.h"
#include "orvDatas.h"
#include "orvPlatform.h"

// Settings received from the server (cli_centre.cpp).
int runCfgDispatch(const CliArgs& args);

namespace {

// A printable char key value shows as its character (V, H), any other as its number.
std::string charText(char c) {
  if (c > ' ' && c < 127) return std::string(1, c);
  return std::to_string(static_cast<int>(c));
}

void printValue(const cfg_value_t& v) {
  cliPrint("char", charText(v.charValue));
  cliPrint("int", static_cast<long long>(v.intValue));
  cliPrint("float", static_cast<double>(v.floatValue));
  cliPrint("string", v.stringValue);
}

int runCfg(const CliArgs& args) {
  int id = -1;
  if (args.size() >= 2 && args[0] == "dispatch") return runCfgDispatch(args);
  if (args.size() == 1 && args[0] == "load") {
    orvDatas* datas = cliStore();
    cliPrint("file", orv::devicePath(datas->configFilePath()));
    return 0;
  }
  if (args.size() == 2 && args[0] == "id") {
    cliPrint("id", static_cast<long long>(orvDatas::getCFG_ID_fromKeyString(args[1])));
    return 0;
  }
  if (args.size() == 2 && args[0] == "get" && cliParseInt(args[1], &id)) {
    printValue(cliStore()->getCFG_struct(id));
    return 0;
  }
  if (args.size() == 3 && args[0] == "set" && cliParseInt(args[1], &id)) {
    const std::string& text = args[2];
    int asInt = std::atoi(text.c_str());
    float asFloat = std::strtof(text.c_str(), nullptr);
    char asChar = text.empty() ? '\0' : text[0];
    const void* value = nullptr;
    switch (cfgKeyType(id)) {
      case CFG_CHAR: value = &asChar; break;
      case CFG_INT: value = &asInt; break;
      case CFG_FLOAT: value = &asFloat; break;
      case CFG_STRING: value = text.c_str(); break;
      case CFG_NONE:
        std::fprintf(stderr, "cfg set: %d is no key of section General\n", id);
        return 1;
    }
    int rc = cliStore()->setCFG_struct(id, value);
    cliPrint("set", static_cast<long long>(rc));
    return rc == 1 ? 0 : 1;
  }
  return cliUsage("cfg");
}

CliGroup group("cfg",
               "cfg load | cfg get ID | cfg set ID VALUE | cfg id KEYWORD | cfg dispatch KEY=VALUE...",
               &runCfg);

}  // namespace
