#include "orvModuleConfigPush.h"

#include <atomic>

namespace {
// Installed in the GUI thread at start, called from the server exchange thread.
std::atomic<ModuleConfigPush> hook{nullptr};
}  // namespace

void setModuleConfigPush(ModuleConfigPush push) { hook.store(push); }

ModuleConfigPush moduleConfigPush() { return hook.load(); }
