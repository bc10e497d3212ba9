#include <cstdio>
#include <cstdlib>
#include <map>

#include "cli.h"
#include "orvDatas.h"
#include "orv_classPtr.h"

namespace {
struct Entry {
  const char* usage;
  CliHandler run;
};
std::map<std::string, Entry>& groups() {
  static std::map<std::string, Entry> table;
  return table;
}
}  // namespace

CliGroup::CliGroup(const char* name, const char* usage, CliHandler run) {
  groups()[name] = Entry{usage, run};
}

void cliPrint(const std::string& key, const std::string& value) {
  std::printf("%s=%s\n", key.c_str(), value.c_str());
}
void cliPrint(const std::string& key, long long value) {
  std::printf("%s=%lld\n", key.c_str(), value);
}
void cliPrint(const std::string& key, double value) {
  std::printf("%s=%g\n", key.c_str(), value);
}

int cliUsage(const char* group) {
  auto it = groups().find(group);
  if (it != groups().end()) std::fprintf(stderr, "usage: orvcore-cli %s\n", it->second.usage);
  return 2;
}

int cliFail(const char* group, const std::string& reason) {
  std::fprintf(stderr, "orvcore-cli %s: %s\n", group, reason.c_str());
  return 1;
}

bool cliParseInt(const std::string& text, int* out) {
  char* end = nullptr;
  long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end) return false;
  *out = static_cast<int>(v);
  return true;
}

orvDatas* cliStore() {
  orv_classPtr* registry = Singleton<orv_classPtr>::ptr();
  if (!registry->datas) registry->datas = new orvDatas();
  return registry->datas;
}

int main(int argc, char** argv) {
  if (argc < 2 || groups().find(argv[1]) == groups().end()) {
    std::fprintf(stderr, "usage: orvcore-cli GROUP ARGS...\n");
    for (const auto& g : groups()) std::fprintf(stderr, "  orvcore-cli %s\n", g.second.usage);
    return 2;
  }
  CliArgs args(argv + 2, argv + argc);
  int rc = groups()[argv[1]].run(args);
  std::fflush(stdout);
  return rc;
}
