#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sstream>

#include "ORV_fileManip.h"
#include "orvDatas.h"
#include "orv_classPtr.h"
#include "orv_test_sandbox.h"

namespace {

ORV_bootSettings staticSettings() {
  ORV_bootSettings s;
  s.iface = "eth0";
  s.ip = "192.168.1.48";
  s.mask = "255.255.255.0";
  s.gw = "192.168.1.1";
  s.mac = "00:1A:2B:3C:4D:5E";
  s.dhcp = 0;
  s.server = "127.0.0.1";
  s.version = 100405;
  return s;
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}

bool hasLine(const std::string& text, const std::string& line) {
  return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

class BootFiles : public ::testing::Test {
protected:
  void SetUp() override {
    box.mkdirs("/etc/init.d");
    box.mkdirs("/home/WIRELESS");
  }
  std::string rcS() const { return box.read(ORV_fileManip::kBootScriptPath); }

  TestSandbox box;
  ORV_fileManip files;
};

}  // namespace

TEST_F(BootFiles, ScriptIsOursVersionedExecutableAndParses) {
  ASSERT_EQ(files.writeBootFiles(staticSettings()), 1);
  auto lines = linesOf(rcS());
  ASSERT_EQ(lines.size(), 82u);  // 29 fixed head lines, 3 static address lines, 50 more
  EXPECT_EQ(lines[0], "#!/bin/bash");
  EXPECT_EQ(lines[1], "#version=100405");
  EXPECT_EQ(lines[3], "/home/GPIO/gpio PORTH6 OUTPUT 0");
  EXPECT_EQ(lines[14], "/home/GPIO/gpio PORTG10 INPUT");
  EXPECT_EQ(lines[27], "/sbin/ifconfig eth0 down");
  EXPECT_EQ(lines[28], "/sbin/ifconfig eth0 hw ether 00:1A:2B:3C:4D:5E");
  EXPECT_EQ(lines.back(), "/home/ORV/orv_stater.sh");
  EXPECT_TRUE(hasLine(rcS(), "\t/home/usbkey1/./update.sh"));
  EXPECT_TRUE(hasLine(rcS(), "/bin/ntpclient 127.0.0.1"));
  EXPECT_TRUE(hasLine(rcS(), "\t\thwclock -w"));
  // The board reads it: device paths only, never the sandbox.
  EXPECT_EQ(rcS().find(box.root()), std::string::npos);

  struct stat st {};
  ASSERT_EQ(::stat(box.path(ORV_fileManip::kBootScriptPath).c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0774);
  EXPECT_EQ(std::system(("bash -n '" + box.path(ORV_fileManip::kBootScriptPath) + "'").c_str()),
            0);
}

TEST_F(BootFiles, NetworkLinesAndResolverByAddressMode) {
  const std::vector<std::string> staticLines = {
      "/sbin/ifconfig IF 192.168.1.48 netmask 255.255.255.0",
      "/sbin/route add default gw GW IF", "/sbin/ifconfig IF up"};
  struct Case {
    int dhcp;
    const char* iface;
    const char* gw;
    bool staticLines, resolver;
  } cases[] = {
      {1, "eth0", "192.168.1.1", false, false},
      {0, "eth0", "192.168.1.1", true, true},
      {0, "eth0", "0.0.0.0", true, false},
      {2, "eth0", "192.168.1.1", true, false},
      {0, "ra0", "10.1.1.254", true, true},
  };
  for (const auto& c : cases) {
    std::remove(box.path(ORV_fileManip::kResolverPath).c_str());
    ORV_bootSettings s = staticSettings();
    s.dhcp = c.dhcp;
    s.iface = c.iface;
    s.gw = c.gw;
    ASSERT_EQ(files.writeBootFiles(s), 1);
    std::string script = rcS();
    SCOPED_TRACE(std::to_string(c.dhcp) + " " + c.iface + " " + c.gw);
    EXPECT_EQ(hasLine(script, std::string("/usr/sbin/udhcpc -bq -i ") + c.iface), !c.staticLines);
    for (std::string l : staticLines) {
      l.replace(l.find("IF"), 2, c.iface);
      if (l.find("GW") != std::string::npos) l.replace(l.find("GW"), 2, c.gw);
      EXPECT_EQ(hasLine(script, l), c.staticLines) << l;
    }
    // The hardware address always goes to eth0, whatever the interface.
    EXPECT_TRUE(hasLine(script, "/sbin/ifconfig eth0 hw ether 00:1A:2B:3C:4D:5E"));
    EXPECT_TRUE(hasLine(script, std::string("/sbin/ifconfig ") + c.iface + " down"));
    if (c.resolver)
      EXPECT_EQ(box.read(ORV_fileManip::kResolverPath),
                std::string("nameserver ") + c.gw + "\nnameserver 8.8.8.8\n");
    else
      EXPECT_FALSE(box.exists(ORV_fileManip::kResolverPath));
  }
}

TEST_F(BootFiles, UnsafeSettingsLeaveTheScriptAlone) {
  struct Case {
    std::string ORV_bootSettings::*field;
    const char* value;
  } cases[] = {
      {&ORV_bootSettings::iface, "eth0; reboot"},
      {&ORV_bootSettings::iface, "wlan0"},
      {&ORV_bootSettings::ip, "192.168.1.48\n/sbin/reboot"},
      {&ORV_bootSettings::ip, "192.168.1.256"},
      {&ORV_bootSettings::mask, ""},
      {&ORV_bootSettings::gw, "1.2.3"},
      // Leading zeros read as octal elsewhere; no address, broadcast, a split mask.
      {&ORV_bootSettings::ip, "192.168.1.010"},
      {&ORV_bootSettings::ip, "192.168.001.060"},
      {&ORV_bootSettings::gw, "192.168.1.08"},
      {&ORV_bootSettings::ip, "0.0.0.0"},
      {&ORV_bootSettings::ip, "255.255.255.255"},
      {&ORV_bootSettings::gw, "255.255.255.255"},
      {&ORV_bootSettings::mask, "255.0.255.0"},
      {&ORV_bootSettings::server, "srv.example $(reboot)"},
  };
  box.write(ORV_fileManip::kBootScriptPath, "#!/bin/bash\n#version=100404\n");
  for (const auto& c : cases) {
    ORV_bootSettings s = staticSettings();
    s.*(c.field) = c.value;
    EXPECT_EQ(files.writeBootFiles(s), 0) << c.value;
    EXPECT_EQ(rcS(), "#!/bin/bash\n#version=100404\n");
    EXPECT_FALSE(box.exists(ORV_fileManip::kResolverPath));
  }
  // DHCP does not use the static values: they are not checked then.
  ORV_bootSettings s = staticSettings();
  s.dhcp = 1;
  s.ip = "garbage";
  EXPECT_EQ(files.writeBootFiles(s), 1);
  // A bad hardware address only drops its own line.
  s.mac = "00:1A:2B:3C:4D:5E; reboot";
  EXPECT_EQ(files.writeBootFiles(s), 1);
  EXPECT_EQ(rcS().find("hw ether"), std::string::npos);
}

TEST_F(BootFiles, CheckAcceptsOnlyOurScriptOfThisVersion) {
  struct Case {
    const char* content;  // nullptr: no script
    bool current;
  } cases[] = {
      {"#!/bin/bash\n#version=100405\n/sbin/x\n", true},
      {"#!/bin/bash -e\n#version=100405\n", true},
      {"#!/bin/sh\n#version=100405\n", false},
      {"#!/bin/bash\n#version=100404\n", false},
      {"#!/bin/bash\n", false},
      {"#!/bin/bash\n#version=\n", false},
      {nullptr, false},
  };
  for (const auto& c : cases) {
    std::remove(box.path(ORV_fileManip::kBootScriptPath).c_str());
    if (c.content) box.write(ORV_fileManip::kBootScriptPath, c.content);
    EXPECT_EQ(files.bootScriptIsCurrent(100405), c.current) << (c.content ? c.content : "none");
  }
}

TEST_F(BootFiles, ResolverRefusesAnythingButAnAddress) {
  EXPECT_EQ(files.updateDNS_File("10.0.0.1"), 1);
  EXPECT_EQ(box.read(ORV_fileManip::kResolverPath), "nameserver 10.0.0.1\nnameserver 8.8.8.8\n");
  EXPECT_EQ(files.updateDNS_File("10.0.0.1\nnameserver 6.6.6.6"), 0);
  EXPECT_EQ(box.read(ORV_fileManip::kResolverPath), "nameserver 10.0.0.1\nnameserver 8.8.8.8\n");
}

TEST_F(BootFiles, WifiSecurityLinesByType) {
  struct Case {
    int type;
    const char *auth, *encryp;  // nullptr: no security lines
  } cases[] = {
      {0, "WPAPSK", "TKIP"}, {1, "WPAPSK", "TKIP"}, {2, "WPA2PSK", "TKIP"},
      {3, "WPAPSK", "AES"},  {4, "WPA2PSK", "AES"}, {5, nullptr, nullptr},
      {-1, nullptr, nullptr},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(files.updateWifiCfg_RT2870STA("Plant WiFi", c.type, "s3cr3t-key"), 1);
    auto lines = linesOf(box.read(ORV_fileManip::kWifiSettingsPath));
    SCOPED_TRACE(c.type);
    ASSERT_GT(lines.size(), 80u);
    EXPECT_EQ(lines[0], "#The word of \"Default\" must not be removed");
    EXPECT_EQ(lines[5], "ChannelGeography=1");
    EXPECT_EQ(lines[6], "SSID=Plant WiFi");
    EXPECT_EQ(lines[19], "AckPolicy=0;0;0;0");
    size_t next = 20;
    if (c.auth) {
      EXPECT_EQ(lines[20], std::string("AuthMode=") + c.auth);
      EXPECT_EQ(lines[21], std::string("EncrypType=") + c.encryp);
      next = 22;
    }
    EXPECT_EQ(lines[next], "WPAPSK=s3cr3t-key");
    EXPECT_EQ(lines[next + 1], "DefaultKeyID=1");
    EXPECT_EQ(lines.back(), "PMFSHA256=0");
  }
}

TEST_F(BootFiles, WifiRefusesControlAndShellCharacters) {
  ASSERT_EQ(files.updateWifiCfg_RT2870STA("Plant", 4, "key"), 1);
  const std::string before = box.read(ORV_fileManip::kWifiSettingsPath);
  struct Case {
    const char *ssid, *key;
  } cases[] = {{"Plant\nRadioOn=0", "key"}, {"Plant", "key\n"}, {"Pl`reboot`", "key"},
               {"Plant", "$(reboot)"}};
  for (const auto& c : cases) {
    EXPECT_EQ(files.updateWifiCfg_RT2870STA(c.ssid, 4, c.key), 0);
    EXPECT_EQ(box.read(ORV_fileManip::kWifiSettingsPath), before);
  }
}

TEST_F(BootFiles, CreateFromTheStoreOnlyWhenNeeded) {
  orvDatas store;
  Singleton<orv_classPtr>::ptr()->datas = &store;
  const std::string staticLine = "/sbin/ifconfig eth0 192.168.1.48 netmask 255.255.255.0";

  EXPECT_EQ(files.CreateDefaultRCFile(true), 1);  // no script yet
  EXPECT_TRUE(hasLine(rcS(), staticLine));
  EXPECT_TRUE(hasLine(rcS(), "/bin/ntpclient " + store.getSFTP_ip()));
  EXPECT_EQ(box.read(ORV_fileManip::kResolverPath), "nameserver 192.168.1.1\nnameserver 8.8.8.8\n");
  const std::string first = rcS();
  EXPECT_EQ(files.CreateDefaultRCFile(true), 0);  // ours and current: left alone
  EXPECT_EQ(rcS(), first);

  box.write(ORV_fileManip::kBootScriptPath, "#!/bin/bash\n#version=100404\n");
  EXPECT_EQ(files.CreateDefaultRCFile(true), 1);
  EXPECT_EQ(rcS(), first);

  int dhcp = 1;
  store.setCFG_struct(CFG_DHCP, &dhcp);
  EXPECT_EQ(files.CreateDefaultRCFile(true), 0);
  EXPECT_EQ(files.CreateDefaultRCFile(false), 1);  // network settings saved: always
  EXPECT_TRUE(hasLine(rcS(), "/usr/sbin/udhcpc -bq -i eth0"));
  EXPECT_FALSE(hasLine(rcS(), staticLine));

  Singleton<orv_classPtr>::ptr()->datas = nullptr;
  EXPECT_EQ(files.CreateDefaultRCFile(false), 0);
  EXPECT_TRUE(hasLine(rcS(), "/usr/sbin/udhcpc -bq -i eth0"));
}
