// "serial": opens a serial port as the bus link would, to check a device path and mode.
#include <cstdlib>

#include "cli.h"
#include "rs232.h"

namespace {
int runSerial(const CliArgs& args) {
  if (args.size() != 4 || args[0] != "open") return cliUsage("serial");
  int port = std::atoi(args[1].c_str());
  if (RS232_OpenComport(port, std::atoi(args[2].c_str()), args[3].c_str()) != 0) return 1;
  RS232_CloseComport(port);
  cliPrint("opened", 1LL);
  return 0;
}
CliGroup group("serial", "serial open PORT SPEED MODE", &runSerial);
}  // namespace
