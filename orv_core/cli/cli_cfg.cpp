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

const char* typeName(CfgType type) {
  switch (type) {
    case CFG_CHAR: return "one-character";
    case CFG_INT: return "whole-number";
    case CFG_FLOAT: return "decimal";
    default: return "text";
  }
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
    if (datas->configWriteFailedAtLoad())
      return cliFail("cfg", datas->configFilePath() + " could not be written");
    return 0;
  }
  if (args.size() == 2 && args[0] == "id") {
    cliPrint("id", static_cast<long long>(orvDatas::getCFG_ID_fromKeyString(args[1])));
    return 0;
  }
  if (args.size() == 2 && args[0] == "get" && cliParseInt(args[1], &id)) {
    if (cfgKeyType(id) == CFG_NONE) return cliFail("cfg", args[1] + " is no key of section General");
    printValue(cliStore()->getCFG_struct(id));
    return 0;
  }
  if (args.size() == 3 && args[0] == "set" && cliParseInt(args[1], &id)) {
    const std::string& text = args[2];
    const CfgType type = cfgKeyType(id);
    if (type == CFG_NONE) return cliFail("cfg", args[1] + " is no key of section General");
    if (!cfgTextFitsType(type, text))
      return cliFail("cfg", "\"" + text + "\" is no " + typeName(type) + " value of key " +
                                ORV_CFG_TAG[id] + ": nothing stored");
    int asInt = std::atoi(text.c_str());
    float asFloat = std::strtof(text.c_str(), nullptr);
    char asChar = text[0];
    const void* value = text.c_str();
    if (type == CFG_CHAR) value = &asChar;
    if (type == CFG_INT) value = &asInt;
    if (type == CFG_FLOAT) value = &asFloat;
    int rc = cliStore()->setCFG_struct(id, value);
    cliPrint("set", static_cast<long long>(rc));
    if (rc != 1) return cliFail("cfg", std::string(ORV_CFG_TAG[id]) + " could not be stored");
    return 0;
  }
  return cliUsage("cfg");
}

CliGroup group("cfg",
               "cfg load | cfg get ID | cfg set ID VALUE | cfg id KEYWORD | cfg dispatch KEY=VALUE...",
               &runCfg);

}  // namespace
