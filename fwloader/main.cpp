// fwloader <rs485_ID> <firmwareFilePath.hex>: loads a module's firmware through its
// serial bootloader. The exit status is the result that the controller acts on:
// 0 flashed and CRC confirmed, 2..5 bootloader command 1..4 failed, 6 file refused,
// 7 file does not match the module type, 8 usage or start failure.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "modules_Upgrade.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::printf("Veuillez corriger votre saisie, exemple:\n");
    std::printf("   fwloader <rs485_ID> <firmwareFilePath.hex>\n");
    std::printf("   fwloader 1 /home/QT/firmware/module_MESURE.v10.01.hex\n");
    std::printf("   [INFO]: if <rs485_ID>=0, modul is already in BOOTLOADER MODE\n");
    return modules_Upgrade::kExitStartFailure;
  }
  std::printf("\nfwloader v3.0\n\n");
  int id = std::atoi(argv[1]);
  std::string path = argv[2];
  std::printf("  modulID= %d, _firmwarePath= %s\n", id, path.c_str());
  std::fflush(stdout);

  modules_Upgrade upgrade;
  if (!upgrade.initModules_Upgrade(id, path)) return modules_Upgrade::kExitStartFailure;
  int status = upgrade.waitFlashingFinished();
  upgrade.closeModules_Upgrade();
  std::printf("[MODULS_FLASHER] Program END/EXIT with code: %d\n", status);
  std::fflush(stdout);
  return status;
}
