// orvcore-cli: headless diagnostic tool over the core library. Prints values as
// "key=value" lines and exits 0 on success, 1 with a one-line reason on stderr when the
// operation did not happen, 2 for a usage error.
//
// Each group of sub-commands lives in its own source file and registers itself:
//   static CliGroup group("cfg", "cfg load | cfg get ID | cfg set ID VALUE", &runCfg);
// `run` gets the words after the group name.
#pragma once

#include <string>
#include <vector>

class orvDatas;

using CliArgs = std::vector<std::string>;
using CliHandler = int (*)(const CliArgs& args);

struct CliGroup {
  CliGroup(const char* name, const char* usage, CliHandler run);
};

// Prints "key=value".
void cliPrint(const std::string& key, const std::string& value);
void cliPrint(const std::string& key, long long value);
void cliPrint(const std::string& key, double value);

// Prints the usage of the current group on stderr and returns 2.
int cliUsage(const char* group);

// What was asked did not happen: prints "orvcore-cli GROUP: REASON" on stderr and returns
// 1, the exit status of a failed operation.
int cliFail(const char* group, const std::string& reason);

// A whole decimal integer word: false (and `out` untouched) for anything else.
bool cliParseInt(const std::string& text, int* out);

// The configuration store as the core starts it: created (loaded, created with defaults
// or migrated) on the first call and registered in slot 1 of the registry.
orvDatas* cliStore();
