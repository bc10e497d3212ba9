// The files the board reads at its next boot: the boot script "/etc/init.d/rcS", the
// resolver file and the Wi-Fi driver settings. They hold device paths only, and every
// configured value is checked before it goes into them.
#include <cstdio>
#include <cstring>

#include "ORV_fileManip.h"
#include "orvDatas.h"
#include "orvSafeText.h"
#include "orvVersion.h"
#include "orv_classPtr.h"

namespace {

// Prints why a value was refused (the value is not echoed, it may hold anything); 0.
int refuse(const char* file, const char* key) {
  std::printf(" ** Erreur %s: %s invalide, fichier non ecrit\n", file, key);
  return 0;
}

bool bootSettingsUsable(const ORV_bootSettings& s) {
  if (!isKnownInterface(s.iface)) return refuse("rcS", "CONFIG_IFACE");
  const char* refused = s.dhcp == 1 ? nullptr : staticNetworkRefusal(s.ip, s.mask, s.gw);
  if (refused) return refuse("rcS", refused);
  if (!s.server.empty() && !isServerAddress(s.server)) return refuse("rcS", "CONFIG_STFP_IP");
  return true;
}

}  // namespace

std::string ORV_fileManip::bootScriptText(const ORV_bootSettings& s) {
  if (!bootSettingsUsable(s)) return "";
  const std::string& ifc = s.iface;
  std::string t;
  auto line = [&t](const std::string& text) { t += text + '\n'; };

  line("#!/bin/bash");
  line("#version=" + std::to_string(s.version));
  line("#Parametrage des GPIO");
  for (const char* gpio : {"PORTH6 OUTPUT 0", "PORTE7 OUTPUT 1", "PORTB0 OUTPUT 0",
                           "PORTB1 OUTPUT 0", "PORTB9 INPUT", "PORTB10 INPUT",
                           "PORTE8 OUTPUT 0", "PORTE9 OUTPUT 0", "PORTE10 OUTPUT 0",
                           "PORTG8 INPUT", "PORTG9 INPUT", "PORTG10 INPUT"})
    line(std::string("/home/GPIO/gpio ") + gpio);
  line("");
  line("echo \"\" > /dev/s3c2410_serial0");
  line("echo \"Loading USB RALINK WIFI module ...\"");
  line("/bin/insmod /home/WIRELESS/mt7601Usta.ko");
  line("/bin/mount -a");
  line("/sbin/watchdog -t 5 -T 30 /dev/watchdog");
  line("");
  line("#Parametrage du reseau");
  line("/bin/hostname NORVALE_ORV");
  line("/sbin/ifconfig lo 127.0.0.1");
  line("/sbin/route add -net 127.0.0.0 netmask 255.0.0.0 lo");
  line("/sbin/ifconfig lo up");
  line("/sbin/ifconfig " + ifc + " down");
  // The hardware address always goes to eth0. Without a valid one the line is left out
  // and the interface keeps the address it was built with.
  if (isMacAddress(s.mac))
    line("/sbin/ifconfig eth0 hw ether " + s.mac);
  else
    std::printf(" ** Erreur rcS: CONFIG_MACADDR invalide, ligne hw ether omise\n");
  if (s.dhcp == 1) {
    line("/usr/sbin/udhcpc -bq -i " + ifc);
  } else {
    line("/sbin/ifconfig " + ifc + " " + s.ip + " netmask " + s.mask);
    line("/sbin/route add default gw " + s.gw + " " + ifc);
    line("/sbin/ifconfig " + ifc + " up");
  }
  line("");
  line("#Traitement Cle usb au demarrage si presente");
  line("orvSysUpdateScript=\"/home/ORV/orvSysUpdate.sh\"");
  line("Install=\"/home/usbkey1/update.sh\"");
  line("MOUNT_OPTION=\"-o shortname=mixed\"");
  line("if [ -d \"/sys/block/uba\" ]; then");
  line("echo \"Montage de la cle usb en /home/usbkey1\"");
  line("/bin/mount $MOUNT_OPTION -t vfat /dev/uba1 /home/usbkey1");
  line("/home/GPIO/gpio PORTH8 OUTPUT 0");
  line("sleep 10");
  line("");
  line("if [ -f \"$Install\" ]; then");
  line("\techo \"Installation par cle usb\"");
  line("\tchmod 777 /home/usbkey1/update.sh");
  line("\t/home/usbkey1/./update.sh");
  line("\tsync");
  line("\tsync");
  line("\techo \"ORV/Kernel updated !\"");
  line("\treboot");
  line("fi");
  line("");
  line("fi");
  line("");
  line("if [ -f \"$orvSysUpdateScript\" ]; then");
  line("\techo \"Script MAJ Systeme Post-Installation\"");
  line("\tchmod 777 /home/ORV/orvSysUpdate.sh");
  line("\t/home/ORV/./orvSysUpdate.sh");
  line("\trm /home/ORV/orvSysUpdate.sh");
  line("\techo \"Fin Script MAJ Systeme Post-Installation\"");
  line("\tsync");
  line("fi");
  line("");
  line("#Lancement des daemons");
  line("/usr/sbin/telnetd");
  line("");
  line("#Lancement de la mise à jour date/heure NTP");
  line("NTP=\"/bin/ntpclient\"");
  line("if [ -f \"$NTP\" ]; then");
  line("/bin/ntpclient " + s.server);
  line("OUT=$?");
  line("\tif [ $OUT -eq 0 ];then");
  line("\t\thwclock -w");
  line("\telse");
  line("\t\techo \"ERREUR mise a jour DATE/HEURE\"");
  line("\tfi");
  line("fi");
  line("");
  line("#Lancement du ORV");
  line("cd /home/ORV/");
  line("/home/ORV/orv_stater.sh");
  return t;
}

bool ORV_fileManip::bootScriptIsCurrent(int version) {
  std::vector<std::string> head;
  if (!readFile_LinesNum(kBootScriptPath, 2, &head)) return false;
  int found = 0;
  return head[0].compare(0, 11, "#!/bin/bash") == 0 &&
         std::sscanf(head[1].c_str(), "#version=%d", &found) == 1 && found == version;
}

int ORV_fileManip::CreateDefaultRCFile(bool checkFirst) {
  // The running version: what the core's ORV_version() reports once it has started.
  const int version = orv::kVersionNumber;
  if (checkFirst && bootScriptIsCurrent(version)) return 0;
  std::printf(" ** /etc/init.d/rcS need Update\n");
  orvDatas* store = Singleton<orv_classPtr>::ptr()->datas;
  if (!store) {
    std::printf(" ** Erreur rcS: configuration absente, fichier non ecrit\n");
    return 0;
  }
  ORV_bootSettings s;
  s.iface = store->getCFG_struct(CFG_IFACE).stringValue;
  s.ip = store->getCFG_struct(CFG_IP).stringValue;
  s.mask = store->getCFG_struct(CFG_MASK).stringValue;
  s.gw = store->getCFG_struct(CFG_GW).stringValue;
  s.mac = store->getCFG_struct(CFG_MACADDR).stringValue;
  s.dhcp = store->getCFG_struct(CFG_DHCP).charValue;
  s.server = store->getSFTP_ip();
  s.version = version;
  return writeBootFiles(s);
}

int ORV_fileManip::writeBootFiles(const ORV_bootSettings& s) {
  std::string script = bootScriptText(s);
  if (script.empty()) return 0;
  if (s.dhcp == 0 && !s.gw.empty() && s.gw != "0.0.0.0" && !updateDNS_File(s.gw))
    std::printf(" ** Erreur creation fichier DNS\n");
  std::printf(" ** Create rcS file\n");
  return writeToFile(kBootScriptPath, script, false, true);
}

int ORV_fileManip::updateDNS_File(std::string address) {
  std::printf("Create DNS file\n");
  if (!isDottedIPv4(address)) return refuse("resolv.conf", "adresse DNS");
  return writeToFile(kResolverPath,
                     "nameserver " + address + "\nnameserver " + kPublicNameServer + "\n",
                     false, false);
}

int ORV_fileManip::updateWifiCfg_RT2870STA(std::string ssid, int type, std::string key) {
  std::printf("Create WIFI RT2870STA.dat config file\n");
  if (!isPlainText(ssid) || ssid.size() > 32) return refuse("RT2870STA.dat", "SSID");
  if (!isPlainText(key) || key.size() > 64) return refuse("RT2870STA.dat", "WPAPSK");
  static const char* const kAuth[] = {"WPAPSK", "WPAPSK", "WPA2PSK", "WPAPSK", "WPA2PSK"};
  static const char* const kEncryp[] = {"TKIP", "TKIP", "TKIP", "AES", "AES"};

  std::string t;
  auto lines = [&t](std::initializer_list<const char*> texts) {
    for (const char* text : texts) t += std::string(text) + '\n';
  };
  lines({"#The word of \"Default\" must not be removed", "Default", "CountryRegion=5",
         "CountryRegionABand=7", "CountryCode=FR", "ChannelGeography=1"});
  t += "SSID=" + ssid + '\n';
  lines({"NetworkType=Infra", "WirelessMode=0", "Channel=0", "BeaconPeriod=100", "TxPower=100",
         "BGProtection=0", "TxPreamble=0", "RTSThreshold=2347", "FragThreshold=2346",
         "TxBurst=1", "PktAggregate=0", "WmmCapable=1", "AckPolicy=0;0;0;0"});
  if (type >= 0 && type <= 4)
    t += std::string("AuthMode=") + kAuth[type] + "\nEncrypType=" + kEncryp[type] + '\n';
  t += "WPAPSK=" + key + '\n';
  lines({"DefaultKeyID=1", "Key1Type=0", "Key1Str=", "Key2Type=0", "Key2Str=", "Key3Type=0",
         "Key3Str=", "Key4Type=0", "Key4Str=",
         "PSMode=CAM", "AutoRoaming=0", "RoamThreshold=70", "APSDCapable=0", "APSDAC=0;0;0;0",
         "HT_RDG=1", "HT_EXTCHA=0", "HT_OpMode=0", "HT_MpduDensity=4", "HT_BW=1",
         "HT_BADecline=0", "HT_AutoBA=1", "HT_AMSDU=0", "HT_BAWinSize=64", "HT_GI=1",
         "HT_MCS=33", "HT_MIMOPSMode=3", "HT_DisallowTKIP=1", "HT_STBC=0",
         "EthConvertMode=", "EthCloneMac=", "IEEE80211H=0", "TGnWifiTest=0", "WirelessEvent=0",
         "MeshId=MESH", "MeshAutoLink=1", "MeshAuthMode=OPEN", "MeshEncrypType=NONE",
         "MeshWPAKEY=", "MeshDefaultkey=1", "MeshWEPKEY=",
         "CarrierDetect=0", "AntDiversity=0", "BeaconLostTime=4", "FtSupport=0",
         "Wapiifname=ra0", "WapiPsk=", "WapiPskType=", "WapiUserCertPath=", "WapiAsCertPath=",
         "PSP_XLINK_MODE=0",
         "WscManufacturer=", "WscModelName=", "WscDeviceName=", "WscModelNumber=",
         "WscSerialNumber=",
         "RadioOn=1", "WIDIEnable=0", "P2P_L2SD_SCAN_TOGGLE=8", "Wsc4digitPinCode=0",
         "P2P_WIDIEnable=0", "PMFMFPC=0", "PMFMFPR=0", "PMFSHA256=0"});
  return writeToFile(kWifiSettingsPath, t, false, false);
}
