// "srv": the downloads that the network settings page starts from the supervision server
// (CONFIG_STFP_IP, the device's account), one per call.
//
//   srv get-id          fetches "numerodossier.txt" from "~/ORV/compteur/" (removed from the
//                       server) unless the device has it; prints the ID, the daily exchange
//                       hour and minute, then the three on one line ("1234 3 45")
//   srv get-backup ID   replaces "config.conf" and "moy.msr" with those of server folder ID,
//                       both or neither; prints backup=true|false
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ORV_UpdThread.h"
#include "ORV_fileManip.h"
#include "cli.h"

namespace {

int runGetId(ORV_UpdThread& exchange) {
  int got = exchange.getFromServer_orvID();
  cliPrint("downloaded", static_cast<long long>(got));
  int id = 0, hour = 0, minute = 0;
  ORV_fileManip files;
  if (!got) return cliFail("srv", "no server ID file on the device nor on the server");
  if (!files.Extract_SvrIDFile(id, hour, minute))
    return cliFail("srv", "the server ID file cannot be read");
  cliPrint("id", static_cast<long long>(id));
  cliPrint("hour", static_cast<long long>(hour));
  cliPrint("minute", static_cast<long long>(minute));
  std::printf("%d %d %d\n", id, hour, minute);
  return 0;
}

int runSrv(const CliArgs& args) {
  char* end = nullptr;
  long id = args.size() == 2 ? std::strtol(args[1].c_str(), &end, 10) : 0;
  const bool getId = args.size() == 1 && args[0] == "get-id";
  const bool getBackup = args.size() == 2 && args[0] == "get-backup" && !args[1].empty() && *end == '\0';
  if (!getId && !getBackup) return cliUsage("srv");

  cliStore();
  ORV_UpdThread exchange;
  exchange.init();
  if (getId) return runGetId(exchange);
  bool replaced = exchange.getBackupConf_FromServer(static_cast<int>(id));
  cliPrint("backup", replaced ? "true" : "false");
  if (!replaced) return cliFail("srv", "backup " + args[1] + " not installed: live files unchanged");
  return 0;
}

CliGroup group("srv", "srv get-id | srv get-backup ID", &runSrv);

}  // namespace
