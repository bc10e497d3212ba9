#include "storageThread.h"

#include <cstdio>
#include <set>
#include <string>

#include "ORV_ProcThread.h"
#include "ORV_UpdThread.h"
#include "ORV_fileManip.h"
#include "orvPlatform.h"
#include "orv_classPtr.h"
#include "orv_utils.h"

namespace {
const char* const kDataDir = ORV_fileManip::kDataDir;
}  // namespace

storageThread::storageThread(ORV_fileManip* files) : files_(files) {}

storageThread::~storageThread() = default;

bool storageThread::readStorageFigures(int* totalMiB, int* freeMiB) {
  bool readable = getDISK_FreeSpace(kDataDir) >= 0;
  *freeMiB = readable ? getFreeDiskSize(kDataDir) : 0;
  *totalMiB = getTotalDiskSize(kDataDir);
  return readable;
}

int storageThread::run() {
  std::printf("storageThread::run() START\n");
  int total = 0, free = 0;
  bool readable = readStorageFigures(&total, &free);
  std::printf("[storageThread] Espace de Stockage (libre/total): %dMo/%dMo\n", free, total);

  if (!readable) {
    // An unreadable file system is not a full one: deleting on a guess would lose data.
    std::printf("[storageThread] Espace libre illisible, aucun fichier efface\n");
  } else if (isStorageFull(free)) {
    // Pause only the worker threads that run now, and resume exactly those.
    orv_classPtr* registry = Singleton<orv_classPtr>::ptr();
    ORV_ProcThread* proc = registry->procThread;
    ORV_UpdThread* upd = registry->updThread;
    const bool procPaused = proc && !proc->get_sleepThreadState();
    if (procPaused) proc->change_sleepThreadState(true);
    const bool updPaused = upd && !upd->get_sleepThreadState();
    if (updPaused) upd->change_sleepThreadState(true);

    // Today's file is kept by the file services' name and by the clock's: before the file
    // services exist there is no stored name, and just after midnight it is yesterday's.
    const std::string today = ORV_fileManip::measureMsrFileNameAt(orv::wallClockNow());
    std::set<std::string> kept{kDataDir + today};
    if (files_) kept.insert(kDataDir + files_->getMeasureMsrFileName());

    std::vector<std::string> list = getDirFilesList(kDayFilePattern);
    for (size_t i = 0; i < list.size(); ++i) {
      const std::string& path = list[i];
      if (kept.count(path) || path.back() == '/') continue;  // today's, or a directory
      std::printf("[%d]= %s\n", static_cast<int>(i), path.c_str());
      if (!orvFileDelete(path.c_str()))
        std::printf("[storageThread] %s non efface\n", path.c_str());  // skipped, go on
    }

    if (procPaused) proc->change_sleepThreadState(false);
    if (updPaused) upd->change_sleepThreadState(false);
  }
  std::printf("storageThread::END\n");
  return 0;
}
