// One-shot update scripts: "/home/ORV/orvSysUpdate.sh" hands a downloaded program archive
// to the board's installer, or flashes downloaded module firmware, at the next boot (the
// boot script runs it once, and it deletes itself). The script holds device paths only,
// and a path that came from a server download goes into it only once checked.
#include <cstdio>
#include <initializer_list>

#include "ORV_fileManip.h"
#include "orvPlatform.h"
#include "orvSafeText.h"
#include "orv_utils.h"

namespace {

const char kScriptHead[] =
    "#!/bin/bash\n# ZUV Auto-installer\n# ORVv10 System Update Script\n"
    "/home/GPIO/gpio PORTH8 OUTPUT 0\n\n";
const char kInstallerLeftover[] =
    "if [ -f /home/ORV/sysUpdate.sh ]; then\n"
    "  chmod 777 /home/ORV/sysUpdate.sh\n"
    "  /home/ORV/./sysUpdate.sh\n"
    "  rm /home/ORV/sysUpdate.sh\n"
    "fi\n";
const char kInstaller[] = "/usr/bin/orv_update";
// Named bare: the boot shell finds the flasher in /usr/bin on its PATH.
const char kFlasher[] = "fwloader";
const char kFirmwareDir[] = "/home/ORV/firmware/";
const char kArchiveSuffix[] = ".tar.gz";
const char kChecksumSuffix[] = ".sha256";

// A program archive path fit for the script: a plain device path (nothing the shell could
// read as syntax) ending ".tar.gz", and not a host sandbox path, which the board lacks.
bool archivePathUsable(const std::string& archive) {
  const std::string root = orv::sandboxRoot();
  if (!root.empty() && archive.compare(0, root.size() + 1, root + "/") == 0) return false;
  return isPlainDevicePath(archive) && string_endsWith(archive.c_str(), kArchiveSuffix);
}

// Test, flash at each bus address, then delete one module's firmware file.
std::string firmwareBlock(const char* module, float version, std::initializer_list<int> addresses) {
  char v[32];
  std::snprintf(v, sizeof v, "%.2f", version);
  const std::string file = std::string(kFirmwareDir) + "module_" + module + ".v" + v + ".hex";
  std::string text = "if [ -f " + file + " ]; then\n";
  for (int address : addresses)
    text += std::string("  ") + kFlasher + " " + std::to_string(address) + " " + file + "\n";
  text += "fi\n\n rm " + file + " \n\n";
  return text;
}

}  // namespace

int ORV_fileManip::writeUPDSCRIPT_File(std::string archive) {
  if (!archivePathUsable(archive)) {
    std::printf(" ** Erreur orvSysUpdate.sh: archive refusee, script non ecrit\n");
    return 0;
  }
  std::string checksum = archive;
  string_replaceChar(checksum, kArchiveSuffix, kChecksumSuffix);
  if (!orvFileExist(archive.c_str()) || !orvFileExist(checksum.c_str())) return 0;

  std::string text = kScriptHead;
  text += std::string(kInstaller) + " " + archive + "\n";
  text += "rm " + checksum + "\n";
  text += "rm " + archive + "\n";
  text += std::string("rm ") + kUpdateScriptPath + "\n";
  text += kInstallerLeftover;
  text += "\n";
  return writeToFile(kUpdateScriptPath, text, false, true);
}

int ORV_fileManip::updateSystemFS(std::string archive) {
  return writeUPDSCRIPT_File(archive) ? 2 : 0;
}

int ORV_fileManip::updateFirmware(int energyCount, float energyVersion, bool energyUpdate,
                                  float hpfVersion, bool hpfUpdate, float mesVersion,
                                  bool mesUpdate) {
  std::string text = kScriptHead;
  text += "killall orv_stater.sh\nkillall orvQT\n\n";
  if (energyUpdate)
    text += energyCount >= 3 ? firmwareBlock("ENERGIE", energyVersion, {6, 7, 8})
                             : firmwareBlock("ENERGIE", energyVersion, {6, 7});
  if (mesUpdate) text += firmwareBlock("MESURE", mesVersion, {1});
  if (hpfUpdate) text += firmwareBlock("HPF", hpfVersion, {5});
  text += std::string("rm ") + kUpdateScriptPath + "\n";
  if (writeToFile(kUpdateScriptPath, text, false, true)) return 1;
  std::printf(" ** Erreur ecriture %s: pas de mise a jour des modules\n", kUpdateScriptPath);
  return 0;
}
