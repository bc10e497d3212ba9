// What the module clients (V2 and V1 measurement cards, HPF, ENERGIE) share: their
// 2-second locks, the framed exchange on the link, and the way to the configuration store.
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "CComRS485.h"
#include "busFrame.h"

class orvDatas;

// A client mutex taken with a 2-second deadline; an operation that does not get it skips
// its work.
class ModuleLock {
public:
  int lock();  // 1 locked, 0 timed out
  void unlock() { mutex_.unlock(); }

private:
  std::timed_mutex mutex_;
};

// Copies a record under a client lock; nothing for a null pointer or a timed-out lock.
// True when the record was copied.
template <typename T>
bool copyUnderLock(ModuleLock& lock, T* to, const T* from) {
  if (to == nullptr || from == nullptr || !lock.lock()) return false;
  *to = *from;
  lock.unlock();
  return true;
}

// One framed exchange: the request (address, code, payload; an empty payload sends the
// code itself) goes out with 3 tries at `speed`, and `replyLength` bytes are awaited
// into `reply`. Returns the link's count: `replyLength` exactly when a whole reply came.
int exchangeFrame(CComRS485* link, unsigned speed, const BusFrame& request, int replyLength,
                  std::vector<unsigned char>* reply);

// Checks a reply's framing (length field, CRC, and the address byte when `address` >= 0)
// and hands back its code and payload. 0 valid, -1 rejected.
int acceptReply(const unsigned char* reply, int length, int address, BusFrame* out);

// The configuration store of the object registry; nullptr before the core registered it.
orvDatas* moduleStore();
// A single-key write of a module client: rewrites the file when the text changed.
void writeModuleKey(const std::string& key, const std::string& text, const std::string& section);

// Seconds since the epoch on the program's wall clock: the time base of the watchdogs.
long long moduleClockNow();

// Console trace of the clients: one line, flushed (the processing thread and the screens
// print between each other).
void moduleTrace(const char* format, ...) __attribute__((format(printf, 1, 2)));
