// Archive commands and the factory reset. The archive names come from server downloads:
// tar is started with an argument vector, never through a shell, and only with plain
// device paths, so that no name can add a command or an option. The factory reset
// unlinks the files it finds rather than handing their names to "rm".
#include <cstdio>

#include "ORV_fileManip.h"
#include "orvPlatform.h"
#include "orvSafeText.h"
#include "orv_utils.h"

namespace {

const char kTar[] = "/bin/tar";

// Files of the data directory that the factory reset deletes, by pattern.
const char* const kFactoryResetFiles[] = {"tension*.log", "traceroute.log", "ORV_*_*_*.msr",
                                          "journal.log",  "config.conf",    "moy.msr"};

// A directory argument: a plain device path, with or without its closing "/".
bool isPlainDirectory(std::string directory) {
  if (directory.size() > 1 && directory.back() == '/') directory.pop_back();
  return isPlainDevicePath(directory);
}

}  // namespace

int ORV_fileManip::uncomp_targz(std::string archive, std::string directory) {
  int status = -1;
  if (isPlainDevicePath(archive) && isPlainDirectory(directory))
    status = orv::runProgramOnFiles({kTar, "xvzf", archive, "-C", directory});
  else
    std::printf(" ** uncomp_targz: archive refusee %s\n", archive.c_str());
  orvFileDelete(archive.c_str());
  return status;
}

int ORV_fileManip::comp_targz(std::string archive, std::vector<std::string>* files) {
  if (!files || files->empty()) return -1;
  bool plain = isPlainDevicePath(archive);
  for (const std::string& file : *files) plain = plain && isPlainDevicePath(file);
  if (!plain) {
    std::printf(" ** comp_targz: nom refuse pour %s\n", archive.c_str());
    return -1;
  }
  std::vector<std::string> argv{kTar, "cvfz", archive};
  argv.insert(argv.end(), files->begin(), files->end());
  return orv::runProgramOnFiles(argv);
}

int ORV_fileManip::factory_Reset() {
  for (const char* pattern : kFactoryResetFiles)
    for (const std::string& path : getDirFilesList(std::string(kDataDir) + pattern))
      if (!path.empty() && path.back() != '/') orvFileDelete(path.c_str());
  return 1;
}
