// "gpio": reads or drives a pin through the GPIO layer, and shows or pokes the register
// block (the host's register file; the board's registers cannot be dumped or poked).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "cli.h"
#include "gpio.h"

namespace {

std::string hex32(uint32_t v) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", v);
  return text;
}

int runGpio(const CliArgs& args) {
  if (args.size() >= 2 && args.size() <= 3 && args[0] == "read") {
    std::string direction = args.size() == 3 ? args[2] : "INPUT";
    int value = -1;
    if (GPIO(args[1].c_str(), direction.c_str(), &value) != 0)
      return cliFail("gpio", args[1] + " could not be read");
    cliPrint("value", static_cast<long long>(value));
    return 0;
  }
  if (args.size() == 3 && args[0] == "write") {
    int value = std::atoi(args[2].c_str());
    if (GPIO(args[1].c_str(), "OUTPUT", &value) != 0)
      return cliFail("gpio", args[1] + " could not be written");
    cliPrint("value", static_cast<long long>(value));
    return 0;
  }
#ifndef ORV_DEVICE_BUILD
  const std::string file = orv::gpioRegisterFile();
  if (args.size() == 1 && args[0] == "dump") {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
      return cliFail("gpio", "no register file " + file + " yet");
    }
    for (int port = 0; port < 8; ++port) {
      uint32_t regs[2] = {0, 0};
      in.seekg(port * 0x10);
      in.read(reinterpret_cast<char*>(regs), sizeof regs);
      std::string name = std::string("PORT") + static_cast<char>('A' + port);
      cliPrint(name + ".ctrl", hex32(regs[0]));
      cliPrint(name + ".data", hex32(regs[1]));
    }
    return 0;
  }
  if (args.size() == 3 && args[0] == "poke") {
    // A raw register write, for example a digital input's level: gpio poke 0x64 0x100
    long offset = std::strtol(args[1].c_str(), nullptr, 0);
    uint32_t value = static_cast<uint32_t>(std::strtoul(args[2].c_str(), nullptr, 0));
    int probe = -1;
    GPIO("", "INPUT", &probe);  // creates the register file when missing
    std::fstream io(file, std::ios::binary | std::ios::in | std::ios::out);
    if (!io || offset < 0 || offset % 4 != 0 || offset > orv::kGpioBlockSize - 4) return cliUsage("gpio");
    io.seekp(offset);
    io.write(reinterpret_cast<const char*>(&value), sizeof value);
    cliPrint("register", hex32(static_cast<uint32_t>(offset)));
    cliPrint("value", hex32(value));
    return 0;
  }
#endif
  return cliUsage("gpio");
}

CliGroup group("gpio", "gpio read PIN [INPUT|OUTPUT] | gpio write PIN 0|1 | gpio dump | gpio poke OFFSET VALUE",
               &runGpio);
}  // namespace
