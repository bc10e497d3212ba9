// "platform": what the host seams resolve to, for checking a sandbox set-up.
#include <ctime>

#include "cli.h"
#include "orvPlatform.h"

namespace {
int runPlatform(const CliArgs& args) {
  if (args.size() == 2 && args[0] == "path") {
    cliPrint("path", orv::devicePath(args[1]));
    return 0;
  }
  if (args.size() == 2 && args[0] == "command") {
    cliPrint("command", orv::deviceCommandText(args[1]));
    return 0;
  }
  if (args.size() == 1 && args[0] == "clock") {
    time_t now = orv::wallClockNow();
    char text[32];
    struct tm tm {};
    localtime_r(&now, &tm);
    strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &tm);
    cliPrint("clock", std::string(text));
    return 0;
  }
  if (args.size() == 1 && args[0] == "root") {
    cliPrint("root", orv::sandboxRoot());
    return 0;
  }
  return cliUsage("platform");
}
CliGroup group("platform", "platform root | platform clock | platform path PATH | platform command TEXT",
               &runPlatform);
}  // namespace
