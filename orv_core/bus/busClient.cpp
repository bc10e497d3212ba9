#include "busClient.h"

#include <chrono>
#include <cstdarg>
#include <cstdio>

#include "orvDatas.h"
#include "orvPlatform.h"
#include "orv_classPtr.h"

int ModuleLock::lock() { return mutex_.try_lock_for(std::chrono::seconds(2)) ? 1 : 0; }

int exchangeFrame(CComRS485* link, unsigned speed, const BusFrame& request, int replyLength,
                  std::vector<unsigned char>* reply) {
  std::vector<unsigned char> wire = encodeBusRequest(request);
  reply->assign(replyLength + 1, 0);
  if (link == nullptr) return -1;
  return link->sendWaitForRespAuto(static_cast<int>(speed),
                                   reinterpret_cast<const char*>(wire.data()), wire.size(),
                                   reinterpret_cast<char*>(reply->data()), replyLength + 1, 3);
}

int acceptReply(const unsigned char* reply, int length, int address, BusFrame* out) {
  return decodeBusReply(reply, length, length, address, out) == 0 ? 0 : -1;
}

orvDatas* moduleStore() { return Singleton<orv_classPtr>::ptr()->datas; }

void writeModuleKey(const std::string& key, const std::string& text, const std::string& section) {
  if (orvDatas::refusedModuleValue("writeModuleKey", section, key, text)) return;
  if (orvDatas* store = moduleStore()) store->writeToConfigFile(key, text, section, true);
}

long long moduleClockNow() { return static_cast<long long>(orv::wallClockNow()); }

void moduleTrace(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vprintf(format, args);
  va_end(args);
  std::printf("\n");
  std::fflush(stdout);
}
