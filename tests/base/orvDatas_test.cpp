#include "orvDatas.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <thread>
#include <vector>

#include "lock_holder.h"
#include "orvServerDefaults.h"
#include "orv_test_sandbox.h"

namespace {

const char kLive[] = "/home/ORV/config.conf";

std::string fixture(const std::string& name) {
  std::ifstream in(testSourceDir() + "/tests/base/fixtures/" + name, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) out.push_back(l);
  return out;
}

bool hasLine(const std::string& text, const std::string& line) {
  for (const auto& l : lines(text))
    if (l == line) return true;
  return false;
}

bool hasKey(const std::string& text, const std::string& keyword) {
  for (const auto& l : lines(text))
    if (l.compare(0, keyword.size() + 1, keyword + "=") == 0) return true;
  return false;
}

// Content, modification time and inode of a file: a rewrite changes at least the inode.
struct FileState {
  std::string content;
  struct timespec mtime;
  ino_t inode;
  bool operator==(const FileState& o) const {
    return content == o.content && mtime.tv_sec == o.mtime.tv_sec &&
           mtime.tv_nsec == o.mtime.tv_nsec && inode == o.inode;
  }
};
FileState fileState(const TestSandbox& box, const std::string& path) {
  struct stat st {};
  ::stat(box.path(path).c_str(), &st);
  return {box.read(path), st.st_mtim, st.st_ino};
}

// Starts the store with its console output captured.
std::unique_ptr<orvDatas> startStore(std::string* console = nullptr) {
  testing::internal::CaptureStdout();
  std::unique_ptr<orvDatas> d(new orvDatas());
  std::string out = testing::internal::GetCapturedStdout();
  if (console) *console = out;
  return d;
}

std::string memoryValue(orvDatas& d, const std::string& keyword, const std::string& section = "General") {
  std::string v = "<missing>";
  d.ORV_FileConfig_ptr()->getVar(keyword, v, section);
  return v;
}

}  // namespace

TEST(ConfigStoreStart, CreatesTheFileWithEveryDefaultInIdOrder) {
  TestSandbox box;
  std::string console;
  auto d = startStore(&console);
  EXPECT_NE(console.find("[orvDatas] Le fichier /home/ORV/config.conf n'existe pas!\n"
                         "[orvDatas] Creation d'un nouveau fichier de CONFIGURATION\n"),
            std::string::npos);
  EXPECT_NE(console.find("====>NC\n"), std::string::npos);

  const std::string text = box.read(kLive);
  std::vector<std::string> expected{"[General]"};
  for (int id = 0; id < ORV_CFG_KEY_COUNT; ++id)
    if (id != 26 && id != 57 && id != 58 && id != 107 && id != 108) expected.push_back(ORV_CFG_TAG[id]);
  std::vector<std::string> got;
  for (const auto& l : lines(text)) got.push_back(l[0] == '[' ? l : l.substr(0, l.find('=')));
  EXPECT_EQ(got, expected);
  EXPECT_EQ(got.size(), 110u);

  for (const char* line :
       {"FLAG_ALARM=1", "CONFIG_DIAMETRE=500", "CONFIG_DIAM_TUBE=38.22", "CONFIG_TANK_TYPE=V",
        "REGLAGE_ALARM_3JOURS=-5", "CONFIG_TEXT_CORR_CAB3M=3.6", "ALARME_NIVEAU_MINI_G_NUIT=50000",
        "CONFIG_MOY_REF_RECALCUL_CTRL=-1", "CONFIG_VERSION_MAJOR=10", "CONFIG_VERSION_MINOR=4",
        "CONFIG_VERSION_RELEASE=5", "CONFIG_FLUID=R404A", "CONFIG_DM9000_VER=DM9000-X",
        "CONFIG_KERNEL_VER=2.6.35.3-orv-host", "ALARME_TEMPORISATION=20",
        "ALARME_TEMPORISATION_NUIT=30", "CONFIG_STFP_IP=127.0.0.1"})
    EXPECT_TRUE(hasLine(text, line)) << line;

  // Whole-text keys answer their default without being inserted.
  FileState before = fileState(box, kLive);
  EXPECT_EQ(d->getCFG_struct(26).stringValue, "1 5/8");
  EXPECT_EQ(d->getCFG_struct(107).stringValue, "Nom_du_ORV");
  EXPECT_EQ(memoryValue(*d, "CONFIG_COLUMN_TYPE"), "<missing>");
  EXPECT_TRUE(fileState(box, kLive) == before);
}

TEST(ConfigStoreStart, AnEmptyLiveFileAtFirstStartIsCreatedToo) {
  TestSandbox box;
  box.write(kLive, "");
  auto d = startStore();
  EXPECT_EQ(lines(box.read(kLive)).size(), 110u);
}

TEST(ConfigStoreStart, ACo2PlantWithNeitherCycleRunsTranscritical) {
  TestSandbox box;
  struct Case {
    const char* file;
    const char* sub;
    const char* trans;
  } cases[] = {
      {"[General]\nCONFIG_FLUID=CO2\nCONFIG_SUBCRITIQUE=0\nCONFIG_TRANSCRITIQUE=0\n", "0", "1"},
      {"[General]\nCONFIG_FLUID=CO2\nCONFIG_SUBCRITIQUE=1\nCONFIG_TRANSCRITIQUE=0\n", "1", "0"},
      {"[General]\nCONFIG_FLUID=R404A\nCONFIG_SUBCRITIQUE=0\nCONFIG_TRANSCRITIQUE=0\n", "0", "0"},
  };
  for (const auto& c : cases) {
    box.write(kLive, c.file);
    auto d = startStore();
    const std::string text = box.read(kLive);
    EXPECT_TRUE(hasLine(text, std::string("CONFIG_SUBCRITIQUE=") + c.sub)) << c.file;
    EXPECT_TRUE(hasLine(text, std::string("CONFIG_TRANSCRITIQUE=") + c.trans)) << c.file;
  }
}

TEST(ConfigStoreStart, CopiesTheAlarmStateIntoTheRecord) {
  TestSandbox box;
  box.write(kLive,
            "[General]\nFLAG_ALARM=2\nFLAG_ALARM_CAPTEUR=31\nMOYENNE_REFERENCE=12.5\n"
            "ANCIEN_PENTE=-3.25\n");
  auto d = startStore();
  EXPECT_EQ(d->getMES_struct(511).intValue, 2);
  EXPECT_EQ(d->getMES_struct(512).intValue, 2);
  EXPECT_EQ(d->getMES_struct(510).intValue, 31);
  EXPECT_FLOAT_EQ(d->getMES_struct(518).floatValue, 12.5f);
  EXPECT_FLOAT_EQ(d->getMES_struct(516).floatValue, -3.25f);
}

TEST(ConfigStoreKeys, ReadsEachKeyByItsRule) {
  TestSandbox box;
  box.write(kLive,
            "[General]\nALARME_TEMPORISATION=120\nALARME_TEMPORISATION_NUIT=45\nCONFIG_DHCP=1\n"
            "CONFIG_FLUID=R404A extra\nCONFIG_COLUMN_TYPE=1 5/8\nz5_CONFIG_HPF_H=7\n"
            "CONFIG_TANK_TYPE= H\n");
  auto d = startStore();
  EXPECT_EQ(d->getCFG_struct(35).intValue, 90);
  EXPECT_TRUE(hasLine(box.read(kLive), "ALARME_TEMPORISATION=120"));
  EXPECT_EQ(d->getCFG_struct(76).intValue, 45);
  cfg_value_t dhcp = d->getCFG_struct(80);
  EXPECT_EQ(dhcp.charValue, 1);
  EXPECT_EQ(dhcp.intValue, 0);
  EXPECT_EQ(d->getCFG_struct(27).stringValue, "R404A");
  EXPECT_EQ(d->getCFG_struct(26).stringValue, "1 5/8");
  EXPECT_EQ(d->getCFG_struct(57).intValue, 0);
  EXPECT_EQ(d->getCFG_struct(23).charValue, 'H');
  EXPECT_FLOAT_EQ(d->getCFG_struct(21).floatValue, 38.22f);
  EXPECT_EQ(memoryValue(*d, "CONFIG_DIAM_TUBE"), "38.22");  // inserted in memory only
  EXPECT_FALSE(hasKey(box.read(kLive), "CONFIG_DIAM_TUBE"));
  EXPECT_EQ(d->getCFG_struct(29).stringValue, "2.6.35.3-orv-host");
  for (int id : {-1, 108, 114, 203}) {
    cfg_value_t v = d->getCFG_struct(id);
    EXPECT_EQ(v.charValue, 0);
    EXPECT_EQ(v.intValue, 0);
    EXPECT_EQ(v.floatValue, 0.0f);
    EXPECT_EQ(v.stringValue, "");
  }
}

TEST(ConfigStoreKeys, LoadCapsTheDelaysInMemoryAndInsertsMissingOnesEmpty) {
  TestSandbox box;
  box.write(kLive, "[General]\nALARME_TEMPORISATION_NUIT=150\n");
  auto d = startStore();
  EXPECT_EQ(memoryValue(*d, "ALARME_TEMPORISATION_NUIT"), "90");
  EXPECT_EQ(memoryValue(*d, "ALARME_TEMPORISATION"), "");
  EXPECT_EQ(d->getCFG_struct(35).intValue, 20);
  EXPECT_EQ(box.read(kLive), "[General]\nALARME_TEMPORISATION_NUIT=150\n");
  // The next rewrite carries them, the empty one in a form that reads back.
  ASSERT_EQ(d->writeAllToConfigFile(), 1);
  EXPECT_TRUE(hasLine(box.read(kLive), "ALARME_TEMPORISATION=\"\""));
  auto again = startStore();
  EXPECT_EQ(again->getCFG_struct(76).intValue, 90);
}

TEST(ConfigStoreKeys, WritesByTypeAndOnlyWhenTheTextChanged) {
  TestSandbox box;
  auto d = startStore();
  float f = 3.6f;
  char c = 'H';
  int i = -7;
  const char* name = "ORV du quai";
  struct Case {
    int id;
    const void* value;
    const char* line;
  } cases[] = {
      {65, &f, "CONFIG_TEXT_CORR_CAB3M=3.600000"},
      {23, &c, "CONFIG_TANK_TYPE=H"},
      {51, &i, "CONFIG_CONSIGNE_BP=-7"},
      {107, name, "CONFIG_ORV_NAME=\"ORV du quai\""},
  };
  for (const auto& k : cases) {
    EXPECT_EQ(d->setCFG_struct(k.id, k.value), 1);
    EXPECT_TRUE(hasLine(box.read(kLive), k.line)) << k.line;
  }
  EXPECT_FLOAT_EQ(d->getCFG_struct(65).floatValue, 3.6f);
  EXPECT_EQ(d->getCFG_struct(107).stringValue, "ORV du quai");

  FileState before = fileState(box, kLive);
  EXPECT_EQ(d->setCFG_struct(27, "R404A"), 1);
  EXPECT_EQ(d->setCFG_struct(65, &f), 1);
  EXPECT_EQ(d->writeToConfigFile("CONFIG_FLUID", "R404A", "General", true), 0);
  EXPECT_TRUE(fileState(box, kLive) == before);

  EXPECT_EQ(d->setCFG_struct(150, &i), 1);  // module keys are not the store's
  EXPECT_TRUE(fileState(box, kLive) == before);
  EXPECT_NE(d->writeToConfigFile("z0_HPF_X", "1", "Module_HPF", false), 0);
  EXPECT_TRUE(fileState(box, kLive) == before);
  EXPECT_EQ(d->writeAllToConfigFile(), 1);
  EXPECT_NE(box.read(kLive).find("[Module_HPF]\nz0_HPF_X=1\n"), std::string::npos);
}

TEST(ConfigStoreKeys, KeywordToId) {
  struct Case {
    const char* keyword;
    int id;
  } cases[] = {{"CONFIG_FLUID", 27}, {"config_fluid", -1}, {"FLAG_PREM_DEMARRAGE", 0},
               {"CONFIG_TARE_DATE", 113}, {"", -1}, {"CONFIG_FLUID ", -1}};
  for (const auto& c : cases) EXPECT_EQ(orvDatas::getCFG_ID_fromKeyString(c.keyword), c.id) << c.keyword;
}

TEST(ConfigStoreFailures, AFailedWriteOrALockTimeoutIsNoSuccess) {
  TestSandbox box;
  auto d = startStore();
  int v = 3;
  std::system(("rm -rf '" + box.path("/home/ORV") + "'").c_str());  // the folder is gone
  testing::internal::CaptureStdout();
  EXPECT_EQ(d->setCFG_struct(13, &v), 0);
  EXPECT_EQ(d->writeAllToConfigFile(), 0);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(d->getCFG_struct(13).intValue, 3);  // kept in memory for the next write
  box.mkdirs("/home/ORV");

  // Another thread holds a lock past the 2-second wait.
  for (int which = 0; which < 2; ++which) {
    std::atomic<bool> held{false}, release{false};
    std::thread holder([&] {
      which == 0 ? d->lock_ORVconfig() : d->lock_FILEconfig();
      held = true;
      while (!release) std::this_thread::sleep_for(std::chrono::milliseconds(5));
      which == 0 ? d->unlock_ORVconfig() : d->unlock_FILEconfig();
    });
    while (!held) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    testing::internal::CaptureStdout();
    v = 4 + which;
    EXPECT_EQ(d->setCFG_struct(13, &v), 0) << which;
    EXPECT_EQ(d->writeAllToConfigFile(), 0) << which;
    if (which == 0) {
      EXPECT_EQ(d->getCFG_struct(13).intValue, 0);  // the all-zero record
    }
    testing::internal::GetCapturedStdout();
    release = true;
    holder.join();
  }
  EXPECT_EQ(d->getCFG_struct(13).intValue, 5);  // stored in memory, the write timed out
}

TEST(ConfigStoreConcurrency, EditsFromSeveralThreadsKeepTheFileWhole) {
  TestSandbox box;
  auto d = startStore();
  testing::internal::CaptureStdout();
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      for (int n = 0; n < 20; ++n) {
        int value = t * 1000 + n;
        d->setCFG_struct(t, &value);
        d->getCFG_struct((t + 1) % 4);
        std::list<std::pair<std::string, std::string>> pairs{
            {"z0_HPF_CONFIG_V_MP_Kw_" + std::to_string(t), std::to_string(n)}};
        d->dispatchNetCFG_List(pairs);
      }
    });
  }
  for (auto& th : threads) th.join();
  testing::internal::GetCapturedStdout();
  orv_configFile back(kLive);
  for (int t = 0; t < 4; ++t) {
    EXPECT_EQ(back.get<int>(ORV_CFG_TAG[t], -1, "General"), t * 1000 + 19);
    EXPECT_EQ(back.get<int>("z0_HPF_CONFIG_V_MP_Kw_" + std::to_string(t), -1, "Module_HPF"), 19);
  }
}

TEST(ConfigStoreMigration, Version9FileIsMigratedAndWrittenAtOnce) {
  TestSandbox box;
  box.write(kLive, fixture("config_v9.conf"));
  auto d = startStore();
  const std::string text = box.read(kLive);
  for (const char* gone : {"CONFIG_IP_VPN", "CONFIG_MIN_PRESSION2", "z2_CM_TYPE", "z6_ENER_puissance",
                           "ALARME_HEURE_DEBUT_NUIT", "CONFIG_MESV1_CABLE_DEG_PT100_0",
                           "z0_HPF-CONFIG_TES",
                           "ALARME_TEMPORISATION"})  // inserted after the write, in memory only
    EXPECT_FALSE(hasKey(text, gone)) << gone;
  for (std::string line :
       {std::string("CONFIG_TEXT_CORR_CAB3M=3.1"), std::string("CONFIG_HP_PRESSURE_CALIB=0.2"),
        std::string("CONFIG_STFP_IP=") + ORV_VPN_SITES[2].address,
        std::string("CONFIG_NOM_CLIENT_DU_SITE=Nom_du_client_sur_site"),
        std::string("CONFIG_TARE_DATE=NC"), std::string("CONFIG_VERSION_MAJOR=9")})
    EXPECT_TRUE(hasLine(text, line)) << line;
  EXPECT_EQ(text.substr(text.size() - 13), "[Module_HPF]\n");
}

TEST(ConfigStoreMigration, Version9VpnSiteNumberGivesTheServerAddress) {
  TestSandbox box;
  struct Case {
    const char* vpn;
    std::string server;
  } cases[] = {
      {"1", ORV_VPN_SITES[1].address}, {"0", ORV_DEFAULT_SFTP_SERVER},
      {"0.0.0.0", ORV_DEFAULT_SFTP_SERVER}, {"\"\"", ORV_DEFAULT_SFTP_SERVER},
      {"9.9.9.9", "127.0.0.5"},  // any other text leaves the address as it was
  };
  for (const auto& c : cases) {
    std::string file = fixture("config_v9.conf");
    file.replace(file.find("CONFIG_IP_VPN=2"), 15,
                 std::string("CONFIG_IP_VPN=") + c.vpn + "\nCONFIG_STFP_IP=127.0.0.5");
    box.write(kLive, file);
    auto d = startStore();
    EXPECT_EQ(d->getSFTP_ip(), c.server) << c.vpn;
    EXPECT_TRUE(hasLine(box.read(kLive), "CONFIG_STFP_IP=" + c.server)) << c.vpn;
  }
}

TEST(ConfigStoreMigration, Version10_1UpToRelease11TakesTheVpnAddress) {
  TestSandbox box;
  box.write(kLive, fixture("config_10_1_11.conf"));
  auto d = startStore();
  const std::string text = box.read(kLive);
  EXPECT_TRUE(hasLine(text, "CONFIG_STFP_IP=10.1.2.3"));
  EXPECT_FALSE(hasKey(text, "CONFIG_IP_VPN"));
  EXPECT_FALSE(hasKey(text, "FLAG_STFP_IP_ROTATE"));
  EXPECT_TRUE(hasLine(text, "CONFIG_NOM_CLIENT_DU_SITE=Nom_du_client_sur_site"));
  EXPECT_TRUE(hasLine(text, "CONFIG_TARE_DATE=12/03/2015_10:20:00"));

  box.write(kLive, fixture("config_10_1_12.conf"));
  FileState before = fileState(box, kLive);
  auto later = startStore();
  EXPECT_TRUE(fileState(box, kLive) == before);
  EXPECT_EQ(later->getSFTP_ip(), "127.0.0.1");
}

TEST(ConfigStoreReload, AMissingOrEmptyOtherFileNeverReplacesTheSettings) {
  TestSandbox box;
  box.write(kLive, "[General]\nCONFIG_FLUID=R407F\nCONFIG_TANK_NUMBER=3\n");
  auto d = startStore();
  box.write("/mnt/usb/empty.conf", "");
  std::system(("rm -f '" + box.path(kLive) + "'").c_str());
  for (const char* path : {"/mnt/usb/missing.conf", "/mnt/usb/empty.conf", kLive, ""}) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(d->readORVconfigFile(path), 0) << path;
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(d->getCFG_struct(27).stringValue, "R407F") << path;
    EXPECT_EQ(d->getCFG_struct(24).intValue, 3) << path;
  }
  EXPECT_FALSE(box.exists(kLive));
  EXPECT_FALSE(box.exists("/mnt/usb/missing.conf"));

  // A good backup replaces "General"; later writes still go to the live file.
  box.write("/mnt/usb/backup.conf", "[General]\nCONFIG_SRV_ID=12\nCONFIG_FLUID=R449A\n");
  testing::internal::CaptureStdout();
  EXPECT_EQ(d->readORVconfigFile("/mnt/usb/backup.conf"), 1);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(d->getCFG_struct(24).intValue, 1);
  int tanks = 2;
  EXPECT_EQ(d->setCFG_struct(24, &tanks), 1);
  EXPECT_TRUE(hasLine(box.read(kLive), "CONFIG_FLUID=R449A"));
  EXPECT_EQ(box.read("/mnt/usb/backup.conf"), "[General]\nCONFIG_SRV_ID=12\nCONFIG_FLUID=R449A\n");
}

TEST(ConfigStoreReload, AnOtherFileWithoutGeneralSettingsOrOfAnOlderVersionIsNeverWritten) {
  TestSandbox box;
  box.write(kLive, "[General]\nCONFIG_FLUID=R407F\n");
  auto d = startStore();
  const std::string live = box.read(kLive);
  std::string noise(1 << 20, '\0');
  std::mt19937 bytes(32);
  for (char& c : noise) c = static_cast<char>(bytes());
  // No settings, no identity, not text, or a value the device cannot work with.
  const std::string texts[] = {
      "[Autre]\nX=1\n",
      "[General]\n# only a comment\n",
      "X=1\n",
      "[General]\nFOO=1\n",
      noise,
      std::string("[General]\nCONFIG_SRV_ID=5\nCONFIG_ORV_NAME=a") + '\0' + "b\n",
      "[General]\nCONFIG_SRV_ID=5\nCONFIG_IFACE=eth1\n",
      "[General]\nCONFIG_SRV_ID=5\nCONFIG_HEIGHT=nan\n",
      "[General]\nCONFIG_SRV_ID=5\nCONFIG_IP=192.168.1.010\n",
      "[General]\nCONFIG_SRV_ID=5\nCONFIG_MASK=255.0.255.0\n",
      // Static networks the kernel would not route: the gateway outside the subnet or the
      // address itself, the subnet's network or broadcast address as the address.
      "[General]\nCONFIG_SRV_ID=5\nCONFIG_IP=10.0.0.7\nCONFIG_MASK=255.255.255.0\n",
      "[General]\nCONFIG_SRV_ID=5\nCONFIG_GW=192.168.1.48\n",
      "[General]\nCONFIG_SRV_ID=5\nCONFIG_IP=192.168.1.0\nCONFIG_GW=0.0.0.0\n",
      "[General]\nCONFIG_SRV_ID=5\nCONFIG_IP=192.168.1.255\n",
  };
  for (const std::string& text : texts) {
    const std::string shown = text.substr(0, 60);
    box.write("/mnt/usb/config.conf", text);
    EXPECT_NE(orvDatas::keyConfigRefusal("/mnt/usb/config.conf"), "") << shown;
    testing::internal::CaptureStdout();
    EXPECT_EQ(d->readORVconfigFile("/mnt/usb/config.conf"), 0) << shown;
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(d->getCFG_struct(27).stringValue, "R407F") << shown;
    EXPECT_EQ(box.read("/mnt/usb/config.conf"), text);
  }
  EXPECT_EQ(box.read(kLive), live);

  // A version 9 file from a key is migrated in memory; the key's file stays as it was.
  const std::string v9 = "[General]\nCONFIG_SRV_ID=12\n" + fixture("config_v9.conf").substr(10);
  box.write("/mnt/usb/config.conf", v9);
  testing::internal::CaptureStdout();
  EXPECT_EQ(d->readORVconfigFile("/mnt/usb/config.conf"), 1);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(box.read("/mnt/usb/config.conf"), v9);
  EXPECT_EQ(d->getSFTP_ip(), ORV_VPN_SITES[2].address);
  EXPECT_FALSE(d->configWriteFailedAtLoad());
}

// Only what the store knows comes from a key; under DHCP the address keys record the lease.
TEST(ConfigStoreReload, AKeyFileGivesOnlyTheKeysTheStoreKnows) {
  TestSandbox box;
  box.write(kLive, "[General]\nCONFIG_FLUID=R407F\n");
  auto d = startStore();
  box.write("/mnt/usb/config.conf",
            "[General]\nCONFIG_SRV_ID=5\nFOO=1\nCONFIG_DHCP=1\nCONFIG_IP=0.0.0.0\n"
            "[Module_HPF]\nBAR=2\n");
  testing::internal::CaptureStdout();
  EXPECT_EQ(d->readORVconfigFile("/mnt/usb/config.conf"), 1);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(d->getCFG_struct(CFG_SRV_ID).intValue, 5);
  EXPECT_EQ(d->getCFG_struct(CFG_IP).stringValue, "0.0.0.0");
  EXPECT_EQ(d->writeAllToConfigFile(), 1);
  const std::string text = box.read(kLive);
  EXPECT_FALSE(hasKey(text, "FOO"));
  EXPECT_FALSE(hasKey(text, "BAR"));
}

// A device never commissioned keeps the defaults (no charge, no volumes) that the wizard's
// ranges leave out: its own file is still a device configuration.
TEST(ConfigStoreReload, TheStoresOwnDefaultsReadAsADeviceConfiguration) {
  TestSandbox box;
  auto d = startStore();
  box.write("/mnt/usb/config.conf", box.read(kLive));
  EXPECT_EQ(orvDatas::keyConfigRefusal("/mnt/usb/config.conf"), "");
  box.write("/mnt/usb/config.conf", "[General]\nCONFIG_SRV_ID=5\nCONFIG_CHARGE_FLUIDE=5\n");
  EXPECT_NE(orvDatas::keyConfigRefusal("/mnt/usb/config.conf"), "");
}

// Bytes this process has read from files and pipes so far.
long long bytesReadByThisProcess() {
  std::ifstream io("/proc/self/io");
  for (std::string word; io >> word;)
    if (word == "rchar:") {
      long long n = 0;
      io >> n;
      return n;
    }
  return -1;
}

// A device configuration of `size` bytes: identity first, then comment lines.
std::string paddedConfiguration(size_t size) {
  std::string text = "[General]\nCONFIG_SRV_ID=5\n";
  const std::string line = "# " + std::string(77, 'x') + "\n";
  while (text.size() + line.size() <= size) text += line;
  text += std::string(size - text.size() - 1, '#') + "\n";
  return text;
}

// A key file is judged by its size before it is read: up to the bound it is a
// configuration like any other, beyond it it is refused without being read.
TEST(ConfigStoreReload, AKeyFileBeyondTheBoundIsRefusedUnread) {
  TestSandbox box;
  box.write(kLive, "[General]\nCONFIG_FLUID=R407F\n");
  auto d = startStore();
  const std::string live = box.read(kLive);
  struct Case {
    size_t size;
    bool refused;
  };
  const size_t bound = orvDatas::kKeyConfigMaxBytes;
  for (const Case& c : {Case{bound, false}, Case{bound + 1, true}, Case{10u << 20, true}}) {
    SCOPED_TRACE(c.size);
    const std::string text = paddedConfiguration(c.size);
    ASSERT_EQ(text.size(), c.size);
    box.write("/mnt/usb/config.conf", text);
    EXPECT_EQ(orvDatas::keyConfigRefusal("/mnt/usb/config.conf").empty(), !c.refused);
    const int identity = d->getCFG_struct(CFG_SRV_ID).intValue;
    const long long before = bytesReadByThisProcess();
    ASSERT_GE(before, 0) << "no read count in /proc/self/io";
    testing::internal::CaptureStdout();
    EXPECT_EQ(d->readORVconfigFile("/mnt/usb/config.conf"), c.refused ? 0 : 1);
    const long long read = bytesReadByThisProcess() - before;
    testing::internal::GetCapturedStdout();
    if (c.refused) EXPECT_LT(read, 64 * 1024) << "the refused file was read";
    EXPECT_EQ(d->getCFG_struct(CFG_SRV_ID).intValue, c.refused ? identity : 5);
    EXPECT_EQ(box.read(kLive), live);
  }
}

// An older version's key file is judged as the loader will take it, once migrated: a key
// the migration removes cannot refuse it, and a value it carries into a key is checked.
TEST(ConfigStoreReload, AnOlderKeyFileIsJudgedMigrated) {
  TestSandbox box;
  box.write(kLive, "[General]\nCONFIG_FLUID=R407F\n");
  auto d = startStore();
  const std::string live = box.read(kLive);
  const std::string v9 = "[General]\nCONFIG_VERSION_MAJOR=9\nCONFIG_VERSION_MINOR=2\nCONFIG_SRV_ID=12\n";
  struct Case {
    const char* what;
    std::string text;
    bool refused;
  };
  const Case cases[] = {
      {"version 9, an old bus address the migration drops",
       v9 + "[Module_Energie_0]\nz6_ENER_uart_rs485_id=1\n", false},
      {"this version, the same address", "[General]\nCONFIG_SRV_ID=12\n[Module_Energie_0]\n"
                                         "z6_ENER_uart_rs485_id=1\n", true},
      {"version 9, an unreadable calibration the migration carries over",
       v9 + "CONFIG_MESV1_PRESSURE_CALIB=abc\n", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    box.write("/mnt/usb/config.conf", c.text);
    EXPECT_EQ(orvDatas::keyConfigRefusal("/mnt/usb/config.conf").empty(), !c.refused);
    const int identity = d->getCFG_struct(CFG_SRV_ID).intValue;
    testing::internal::CaptureStdout();
    EXPECT_EQ(d->readORVconfigFile("/mnt/usb/config.conf"), c.refused ? 0 : 1);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(d->getCFG_struct(CFG_SRV_ID).intValue, c.refused ? identity : 12);
    EXPECT_EQ(box.read("/mnt/usb/config.conf"), c.text);
    EXPECT_EQ(box.read(kLive), live);
    box.write(kLive, live);
    testing::internal::CaptureStdout();
    ASSERT_EQ(d->readORVconfigFile(kLive), 1);
    testing::internal::GetCapturedStdout();
  }
}

TEST(ConfigStoreReceived, PairsGoToTheirSectionsAndTheFileIsWrittenOnce) {
  TestSandbox box;
  auto d = startStore();
  std::list<std::pair<std::string, std::string>> none;
  EXPECT_EQ(d->dispatchNetCFG_List(none), 0);
  std::list<std::pair<std::string, std::string>> pairs{
      {"z2_CM_UART1_SPEED", "4800"},
      {"z0_HPF-CONFIG_TVM", "30"},
      {"z7_ENER_puissance_affectation_BP1", "2"},
      {"z2_CM_TYPE", "2"},
      {"FLAG_ALARM", "0"},
      // Refused: unknown keys, a value of another type, an unusable network setting.
      {"x_ENER_stray", "1"},
      {"z2_CM_GAIN", "5"},
      {"z9_ENER_isConfigured", "1"},
      {"CONFIG_HEIGHT", "abc"},
      {"CONFIG_IFACE", "eth1"},
  };
  testing::internal::CaptureStdout();
  EXPECT_EQ(d->dispatchNetCFG_List(pairs), 1);
  const std::string printed = testing::internal::GetCapturedStdout();
  orv_configFile back(kLive);
  struct Case {
    const char* keyword;
    const char* section;
    int value;
  } cases[] = {{"z2_CM_UART1_SPEED", "Module_Mesure_V2", 4800},
               {"z0_HPF-CONFIG_TVM", "Module_HPF", 30},
               {"z7_ENER_puissance_affectation_BP1", "Module_Energie_1", 2},
               {"z2_CM_TYPE", "General", 2},
               {"FLAG_ALARM", "General", 0},
               {"CONFIG_HEIGHT", "General", 1500}};
  for (const auto& c : cases) EXPECT_EQ(back.get<int>(c.keyword, -1, c.section), c.value) << c.keyword;
  const std::string text = box.read(kLive);
  for (const char* refused : {"x_ENER_stray", "z2_CM_GAIN", "z9_ENER", "Module_Energie_3"})
    EXPECT_EQ(text.find(refused), std::string::npos) << refused;
  EXPECT_TRUE(hasLine(text, "CONFIG_IFACE=eth0"));
  EXPECT_NE(printed.find("dispatchNetCFG_List: CONFIG_IFACE refuse"), std::string::npos) << printed;
}

using Pairs = std::list<std::pair<std::string, std::string>>;

// The network pairs of a received list are judged over the stored setting and applied all
// together or not at all; the other pairs of the list are applied either way.
TEST(ConfigStoreReceived, NetworkSetIsAppliedWholeOrNotAtAll) {
  const std::string stored =
      "CONFIG_IFACE=eth0\nCONFIG_DHCP=0\nCONFIG_IP=192.168.1.48\n"
      "CONFIG_MASK=255.255.255.0\nCONFIG_GW=192.168.1.1\n";
  const std::string leased =
      "CONFIG_IFACE=eth0\nCONFIG_DHCP=1\nCONFIG_IP=0.0.0.0\n"
      "CONFIG_MASK=0.0.0.0\nCONFIG_GW=0.0.0.0\n";
  struct Case {
    const char* what;
    std::string stored;
    Pairs network;
    bool applied;
  } cases[] = {
      {"split mask", stored, {{"CONFIG_IP", "10.0.0.5"}, {"CONFIG_MASK", "255.0.255.0"}}, false},
      {"no gateway", stored,
       {{"CONFIG_IP", "10.0.0.5"}, {"CONFIG_MASK", "255.255.255.0"}, {"CONFIG_GW", "0.0.0.0"}},
       true},
      {"static with the address of a lease that never came", leased, {{"CONFIG_DHCP", "0"}},
       false},
      {"gateway outside the subnet", stored,
       {{"CONFIG_IP", "10.0.0.7"}, {"CONFIG_MASK", "255.255.255.0"}, {"CONFIG_GW", "192.168.1.1"}},
       false},
      {"gateway alone, outside the stored subnet", stored, {{"CONFIG_GW", "10.0.0.1"}}, false},
      {"network address", stored,
       {{"CONFIG_IP", "10.0.0.0"}, {"CONFIG_MASK", "255.255.255.0"}, {"CONFIG_GW", "0.0.0.0"}},
       false},
      {"broadcast address", stored,
       {{"CONFIG_IP", "10.0.0.255"}, {"CONFIG_MASK", "255.255.255.0"}, {"CONFIG_GW", "10.0.0.1"}},
       false},
      {"gateway is the address", stored,
       {{"CONFIG_IP", "10.0.0.7"}, {"CONFIG_MASK", "255.255.255.0"}, {"CONFIG_GW", "10.0.0.7"}},
       false},
      {"a new static network", stored,
       {{"CONFIG_IP", "10.0.0.7"}, {"CONFIG_MASK", "255.255.255.0"}, {"CONFIG_GW", "10.0.0.1"}},
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestSandbox box;
    box.write(kLive, "[General]\n" + c.stored + "FLAG_ALARM=1\n");
    auto d = startStore();
    Pairs pairs = c.network, applied;
    pairs.emplace_back("FLAG_ALARM", "0");
    std::map<std::string, std::string> before;
    for (const auto& p : c.network) before[p.first] = memoryValue(*d, p.first);
    testing::internal::CaptureStdout();
    EXPECT_EQ(d->dispatchNetCFG_List(pairs, &applied), 1);
    const std::string printed = testing::internal::GetCapturedStdout();
    Pairs expected = c.applied ? c.network : Pairs();
    expected.emplace_back("FLAG_ALARM", "0");
    EXPECT_EQ(applied, expected);
    const std::string text = box.read(kLive);
    EXPECT_TRUE(hasLine(text, "FLAG_ALARM=0"));
    for (const auto& p : c.network) {
      const std::string held = c.applied ? p.second : before[p.first];
      EXPECT_EQ(memoryValue(*d, p.first), held) << p.first;
      EXPECT_TRUE(hasLine(text, p.first + "=" + held)) << p.first;
    }
    EXPECT_EQ(printed.find("reglages reseau refuses ensemble") != std::string::npos, !c.applied)
        << printed;
  }
}

// A lock held elsewhere for the whole dispatch, or a file that cannot be written: nothing is
// applied, in memory or in the file, and a later save of another key does not write the
// received values either.
TEST(ConfigStoreReceived, NothingIsAppliedWithoutTheLocksOrTheWrite) {
  enum Fault { kKeyLock, kFileLock, kWrite };
  for (Fault fault : {kKeyLock, kFileLock, kWrite}) {
    SCOPED_TRACE(fault);
    TestSandbox box;
    auto d = startStore();
    const std::string before = box.read(kLive);
    Pairs pairs{{"CONFIG_IP", "10.0.0.5"},
                {"CONFIG_MASK", "255.255.255.0"},
                {"CONFIG_GW", "10.0.0.1"},
                {"z0_HPF-CONFIG_TVM", "30"}},
          applied{{"stale", "entry"}};
    if (fault == kWrite) {
      // A folder in the file's place: the new file cannot be renamed over it.
      std::remove(box.path(kLive).c_str());
      box.mkdirs(std::string(kLive) + "/in-the-way");
      testing::internal::CaptureStdout();
      d->dispatchNetCFG_List(pairs, &applied);
      testing::internal::GetCapturedStdout();
      std::system(("rm -r '" + box.path(kLive) + "'").c_str());
      box.write(kLive, before);
    } else {
      LockHeldElsewhere held(
          [&] { return (fault == kKeyLock ? d->lock_ORVconfig() : d->lock_FILEconfig()) == 1; },
          [&] { fault == kKeyLock ? d->unlock_ORVconfig() : d->unlock_FILEconfig(); });
      testing::internal::CaptureStdout();
      d->dispatchNetCFG_List(pairs, &applied);
      testing::internal::GetCapturedStdout();
    }
    EXPECT_TRUE(applied.empty());
    EXPECT_EQ(box.read(kLive), before);
    EXPECT_EQ(d->getCFG_struct(CFG_IP).stringValue, "192.168.1.48");
    EXPECT_EQ(d->getCFG_struct(CFG_MASK).stringValue, "255.255.255.0");
    EXPECT_EQ(d->getCFG_struct(CFG_GW).stringValue, "192.168.1.1");
    int flag = 2;
    ASSERT_EQ(d->setCFG_struct(CFG_FLAG_ALARM, &flag), 1);
    const std::string after = box.read(kLive);
    EXPECT_TRUE(hasLine(after, "CONFIG_IP=192.168.1.48"));
    EXPECT_FALSE(hasKey(after, "z0_HPF-CONFIG_TVM"));
  }
}

// Numbers describing the plant are taken from the server only within the wizard's ranges.
TEST(ConfigStoreReceived, PlantNumbersWithinTheWizardRanges) {
  struct Case {
    const char* keyword;
    const char* lowest;
    const char* below;
    const char* highest;
    const char* above;
  } cases[] = {
      {"CONFIG_DIAMETRE", "100", "99.5", "2000", "2000.5"},
      {"CONFIG_HEIGHT", "150", "149", "5000", "5001"},
      {"CONFIG_TANK_NUMBER", "1", "0", "4", "5"},
      {"CONFIG_INCLINAISON_RESERVOIR", "0", "-1", "300", "301"},
      {"CONFIG_CONDENSEUR_PUISSANCE", "0", "-1", "9999", "10000"},
      {"CONFIG_CHARGE_FLUIDE", "10", "9", "2000", "2001"},
      {"CONFIG_CONSIGNE_BP", "-50", "-51", "10", "11"},
      {"CONFIG_CONSIGNE_HP", "0", "-1", "50", "51"},
      {"CONFIG_VOLUME_CONDENSEUR", "10", "9", "1200", "1201"},
      {"CONFIG_VOLUME_RESERVOIR", "10", "9", "1200", "1201"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keyword);
    EXPECT_EQ(orvDatas::netCFG_refusal(c.keyword, c.lowest), "");
    EXPECT_EQ(orvDatas::netCFG_refusal(c.keyword, c.highest), "");
    EXPECT_NE(orvDatas::netCFG_refusal(c.keyword, c.below), "");
    EXPECT_NE(orvDatas::netCFG_refusal(c.keyword, c.above), "");
  }
}

// The network page offers no Wi-Fi on a "brindlow" board: the server cannot choose it.
TEST(ConfigStoreReceived, WifiIsNoInterfaceOfABrindlowBoard) {
  TestSandbox box;
  EXPECT_EQ(orvDatas::netCFG_refusal("CONFIG_IFACE", "ra0"), "");
  box.scriptStub("uname", 0, "2.6.35.3-brindlow\n");
  EXPECT_NE(orvDatas::netCFG_refusal("CONFIG_IFACE", "ra0"), "");
  EXPECT_EQ(orvDatas::netCFG_refusal("CONFIG_IFACE", "eth0"), "");
}

TEST(ConfigStoreNetwork, SettingsRecordRoundTripsThroughTheKeys) {
  TestSandbox box;
  auto d = startStore();
  network_conf_t in{};
  std::memcpy(in.dm9000Version, "DM9000-A", 8);  // fills the field, no terminating zero
  std::snprintf(in.macAddress, sizeof in.macAddress, "00:1A:2B:3C:4D:5E");
  std::snprintf(in.iface, sizeof in.iface, "ra0");
  in.dhcp = 1;
  std::snprintf(in.ip, sizeof in.ip, "127.0.0.2");
  std::snprintf(in.mask, sizeof in.mask, "255.0.0.0");
  std::snprintf(in.gateway, sizeof in.gateway, "127.0.0.1");
  std::snprintf(in.wifiSsid, sizeof in.wifiSsid, "atelier");
  in.wifiType = 3;
  std::snprintf(in.wifiKey, sizeof in.wifiKey, "secret");
  d->set_ORVnetworkConfig(in);
  const std::string text = box.read(kLive);
  EXPECT_TRUE(hasLine(text, "CONFIG_DHCP=1"));
  EXPECT_TRUE(hasLine(text, "CONFIG_IFACE=ra0"));

  network_conf_t out;
  std::memset(&out, 0x55, sizeof out);
  d->get_ORVnetworkConfig(out);
  EXPECT_STREQ(out.dm9000Version, "DM9000-");  // an 8-byte field keeps 7 characters
  EXPECT_STREQ(out.macAddress, "00:1A:2B:3C:4D:5E");
  EXPECT_STREQ(out.iface, "ra0");
  EXPECT_EQ(out.dhcp, 1);
  EXPECT_STREQ(out.ip, "127.0.0.2");
  EXPECT_STREQ(out.wifiSsid, "atelier");
  EXPECT_EQ(out.wifiType, 3);
  EXPECT_STREQ(out.wifiKey, "secret");

  const char* longSsid = "a-network-name-far-longer-than-the-sixty-bytes-of-its-field-in-the-record";
  d->setCFG_struct(84, longSsid);
  d->get_ORVnetworkConfig(out);
  EXPECT_EQ(std::string(out.wifiSsid), std::string(longSsid, 59));
}

TEST(ConfigStoreSmallValues, ChargeAndLeakAnswer) {
  TestSandbox box;
  auto d = startStore();
  EXPECT_EQ(d->getNewCharge(), 0.0f);
  EXPECT_EQ(d->getYesOrNoLeak(), "");
  d->setNewCharge(12.5f);
  d->setYesOrNoLeak("Yes leak");
  EXPECT_EQ(d->getNewCharge(), 12.5f);
  EXPECT_EQ(d->getYesOrNoLeak(), "Yes leak");
}
