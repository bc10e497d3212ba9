// "crc" and "bus": the bus CRC of some bytes, and one raw exchange on the module bus,
// for checking a module or the simulator by hand.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "CComRS485.h"
#include "busCrc.h"
#include "busFrame.h"
#include "cli.h"

// The module centre's steps (cli_centre.cpp).
int runBusCentre(const CliArgs& args);

namespace {

// "0C", "01 0C", "01:0C", "010C" -> bytes; false on anything that is not hex.
bool parseHex(const std::string& text, std::vector<unsigned char>* out) {
  std::string digits;
  for (char c : text)
    if (c != ':' && c != ' ') digits += c;
  if (digits.size() % 2) return false;
  for (size_t i = 0; i < digits.size(); i += 2) {
    char* end = nullptr;
    std::string pair = digits.substr(i, 2);
    long v = std::strtol(pair.c_str(), &end, 16);
    if (*end != '\0') return false;
    out->push_back(static_cast<unsigned char>(v));
  }
  return true;
}

std::string hexText(const unsigned char* data, size_t n) {
  std::string s;
  char b[4];
  for (size_t i = 0; i < n; ++i) {
    std::snprintf(b, sizeof b, i ? " %02X" : "%02X", data[i]);
    s += b;
  }
  return s;
}

int runCrc(const CliArgs& args) {
  std::vector<unsigned char> data;
  if (args.size() != 1 || !parseHex(args[0], &data)) return cliUsage("crc");
  char text[8];
  std::snprintf(text, sizeof text, "%04X", calculateCRC(data.data(), data.size()));
  cliPrint("crc", std::string(text));
  return 0;
}

// bus raw [--speed BAUD] [--reply LENGTH] [--tries N] ADDR:CODE[:PAYLOAD], all hex.
int runBus(const CliArgs& args) {
  if (!args.empty() && args[0] != "raw") return runBusCentre(args);
  if (args.empty()) return cliUsage("bus");
  int speed = 9600, tries = 3, replyLength = -1;
  std::string frameText;
  for (size_t i = 1; i < args.size(); ++i) {
    if (i + 1 < args.size() && args[i] == "--speed") speed = std::atoi(args[++i].c_str());
    else if (i + 1 < args.size() && args[i] == "--reply") replyLength = std::atoi(args[++i].c_str());
    else if (i + 1 < args.size() && args[i] == "--tries") tries = std::atoi(args[++i].c_str());
    else frameText = args[i];
  }
  size_t colon = frameText.find(':');
  std::vector<unsigned char> addr, code, payload;
  if (colon == std::string::npos || !parseHex(frameText.substr(0, colon), &addr) || addr.size() != 1)
    return cliUsage("bus");
  size_t colon2 = frameText.find(':', colon + 1);
  std::string codeText = frameText.substr(colon + 1, colon2 == std::string::npos ? std::string::npos
                                                                                 : colon2 - colon - 1);
  if (!parseHex(codeText, &code) || code.size() != 1) return cliUsage("bus");
  if (colon2 != std::string::npos && !parseHex(frameText.substr(colon2 + 1), &payload))
    return cliUsage("bus");

  BusFrame request{addr[0], code[0], payload};
  std::vector<unsigned char> wire = encodeBusRequest(request);
  // Without --reply, a reply as long as the request's frame (an echo) is awaited.
  if (replyLength < 0) replyLength = static_cast<int>(wire.size()) - 1;
  std::vector<char> reply(replyLength + 1, 0);
  CComRS485 link;
  int result = link.sendWaitForRespAuto(speed, reinterpret_cast<const char*>(wire.data()),
                                        wire.size(), reply.data(), replyLength + 1,
                                        static_cast<unsigned short>(tries));
  cliPrint("request", hexText(wire.data(), wire.size()));
  cliPrint("result", static_cast<long long>(result));
  const unsigned char* got = reinterpret_cast<const unsigned char*>(reply.data());
  cliPrint("reply", hexText(got, result > 0 ? result : 0));
  if (result != replyLength)
    return cliFail("bus", "no reply of " + std::to_string(replyLength) + " bytes");
  cliPrint("check", static_cast<long long>(decodeBusReply(got, result, replyLength, -1, nullptr)));
  return 0;
}

CliGroup crcGroup("crc", "crc HEXBYTES", &runCrc);
CliGroup busGroup("bus",
                  "bus raw [--speed BAUD] [--reply LENGTH] [--tries N] ADDR:CODE[:PAYLOAD] | "
                  "bus detect [dispatch KEY=VALUE...] [cycles N [--dump] [--cumuls]] "
                  "[reset-energy] ... | bus rotate-log",
                  &runBus);
}  // namespace
