// The remote actions file as the receive pass hands it over in "/tmp/": its settings,
// commands and action codes, on a core whose workers are not started.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core_device.h"
#include "lock_holder.h"

namespace {

using Lines = std::vector<std::string>;
const char kPath[] = "/tmp/actions.xml";

// Device 12 with no alarm and `settings` (lines of section General), and its actions file.
class ActionsFileDevice : public CoreDevice {
public:
  explicit ActionsFileDevice(const std::string& settings = "")
      : CoreDevice("CONFIG_SRV_ID=12\nFLAG_ALARM=0\n" + settings) {}

  // Lays the file: a frame line, the inner lines, a frame line.
  void layFile(const Lines& inner) {
    std::string text = "<actions>\n";
    for (const std::string& line : inner) text += line + "\n";
    box.write(kPath, text + "</actions>\n");
  }
};

std::string setting(const std::string& key, const std::string& value, int journal) {
  return "  <action type=\"1\" key=\"" + key + "\" value=\"" + value + "\" journal=\"" +
         std::to_string(journal) + "\"/>";
}
std::string action(int code, int journal) {
  return "  <action type=\"" + std::to_string(code) + "\" journal=\"" + std::to_string(journal) + "\"/>";
}

// Each file on a fresh device: the result, what the configuration file holds afterwards,
// the journal and the queued upload requests (sorted). The file is gone in every case.
TEST(ORV_UpdThreadActions, SettingsJournalAndUploads) {
  struct Case {
    const char* what;
    Lines inner;
    int result;
    Lines stored;  // "KEY=VALUE" lines of the configuration file
    Lines journal;
    std::vector<int> uploads;
  } cases[] = {
      {"frame lines only", {}, 0, {}, {}, {}},
      {"one setting", {setting("CONFIG_DIAM_TUBE", "42", 0)}, 1, {"CONFIG_DIAM_TUBE=42"}, {}, {5}},
      {"alarm delay 120 capped and journalled", {setting("ALARME_TEMPORISATION", "120", 1)}, 1,
       {"ALARME_TEMPORISATION=90"}, {"5000;ALARME_TEMPORISATION;90;NET;"}, {5}},
      {"alarm delay 90 kept", {setting("ALARME_TEMPORISATION", "90", 0)}, 1,
       {"ALARME_TEMPORISATION=90"}, {}, {5}},
      {"night delay 91 capped", {setting("ALARME_TEMPORISATION_NUIT", "91", 0)}, 1,
       {"ALARME_TEMPORISATION_NUIT=90"}, {}, {5}},
      {"night delay 45 kept", {setting("ALARME_TEMPORISATION_NUIT", "45", 0)}, 1,
       {"ALARME_TEMPORISATION_NUIT=45"}, {}, {5}},
      {"a delay that is no integer is refused", {setting("ALARME_TEMPORISATION", "abc", 1)}, 1,
       {}, {}, {}},
      {"HPF correction never journalled", {setting("z5_CONFIG_HPF_J", "3", 1)}, 1,
       {"z5_CONFIG_HPF_J=3"}, {}, {5}},
      {"journal flag 2 on a setting: no line", {setting("CONFIG_DIAM_TUBE", "40", 2)}, 1,
       {"CONFIG_DIAM_TUBE=40"}, {}, {5}},
      {"type 14 without cmd= is no action code", {"  <action type=\"14\" journal=\"1\"/>"}, 1, {},
       {}, {}},
      {"type 1 without key= is no action code", {"  <action type=\"1\" journal=\"1\"/>"}, 1, {}, {},
       {}},
      {"action journal flag 2 counts as true, twice in file order",
       {action(2, 2), action(2, 1)}, 2, {}, {"5001;;;NET;", "5001;;;NET;"}, {1, 5}},
      {"malformed lines skipped, the others apply",
       {"  <action type=\"1\" key=\"CONFIG_DIAM_TUBE\" value=\"1; rm -rf /\" journal=\"0\"/>",
        "garbage", setting("CONFIG_HEIGHT", "800", 0)},
       3, {"CONFIG_HEIGHT=800"}, {}, {5}},
      {"value of 63 characters taken",
       {setting("CONFIG_NOM_CLIENT_DU_SITE", std::string(63, 'v'), 0)}, 1,
       {"CONFIG_NOM_CLIENT_DU_SITE=" + std::string(63, 'v')}, {}, {5}},
      {"value of 64 characters refused",
       {setting("CONFIG_NOM_CLIENT_DU_SITE", std::string(64, 'v'), 0)}, 1, {}, {}, {}},
      {"key of 512 characters refused", {setting(std::string(512, 'K'), "1", 1)}, 1, {}, {}, {}},
      // Settings that would forge a line, store an unknown key or a value the key cannot
      // take, or cut the device off its server: refused whole, nothing journalled.
      {"key that reads back as a section header", {setting("[Evil", "]", 1)}, 1, {}, {}, {}},
      {"value holding journal separators",
       {setting("CONFIG_NOM_CLIENT_DU_SITE", "x;5001;;;NET", 1)}, 1, {}, {}, {}},
      {"value holding : < = > ? @ [ \\ ] ^",
       {setting("CONFIG_NOM_CLIENT_DU_SITE", "a:b<c=d>e?f@g[h\\i]j^k", 1)}, 1, {}, {}, {}},
      {"unknown key", {setting("CONFIG_NOT_A_SETTING", "1", 1)}, 1, {}, {}, {}},
      {"ENERGIE module 3 has no section", {setting("z9_ENER_isConfigured", "1", 1)}, 1, {}, {},
       {}},
      {"interface the board does not have", {setting("CONFIG_IFACE", "eth1", 1)}, 1, {}, {}, {}},
      {"address out of range", {setting("CONFIG_IP", "999.1.1.1", 1)}, 1, {}, {}, {}},
      {"mask that is no dotted address", {setting("CONFIG_MASK", "255.255.255", 1)}, 1, {}, {},
       {}},
      {"DHCP flag other than 0 or 1", {setting("CONFIG_DHCP", "2", 1)}, 1, {}, {}, {}},
      {"MAC address cut short", {setting("CONFIG_MACADDR", "00-1A-2B", 1)}, 1, {}, {}, {}},
      {"server name starting with -", {setting("CONFIG_STFP_IP", "-oProxy", 1)}, 1, {}, {}, {}},
      {"number key given letters", {setting("CONFIG_DIAM_TUBE", "abc", 1)}, 1, {}, {}, {}},
      {"whole-number key given a fraction", {setting("CONFIG_HEIGHT", "12.5", 1)}, 1, {}, {}, {}},
      // The receiver geometry enters the mass: only what the wizard allows is taken.
      {"receiver diameter 0", {setting("CONFIG_DIAMETRE", "0", 1)}, 1, {}, {}, {}},
      {"receiver diameter -5", {setting("CONFIG_DIAMETRE", "-5", 1)}, 1, {}, {}, {}},
      {"receiver diameter 1200", {setting("CONFIG_DIAMETRE", "1200", 1)}, 1,
       {"CONFIG_DIAMETRE=1200"}, {"5000;CONFIG_DIAMETRE;1200;NET;"}, {5}},
      {"one-letter key given a word", {setting("CONFIG_TANK_TYPE", "VH", 1)}, 1, {}, {}, {}},
      {"module byte key above 255", {setting("z2_CM_RS485_ID", "300", 1)}, 1, {}, {}, {}},
      {"module speed below 0", {setting("z0_HPF-CONFIG_uart2_cfg_speed", "-1", 1)}, 1, {}, {},
       {}},
      {"usable network and module settings apply",
       {setting("CONFIG_IFACE", "ra0", 1), setting("CONFIG_IP", "192.168.1.7", 0),
        setting("z7_ENER_isConfigured", "1", 0), setting("z0_HPF-CONFIG_TES", "33.5", 1)},
       4, {"CONFIG_IFACE=ra0", "CONFIG_IP=192.168.1.7", "z7_ENER_isConfigured=1",
           "z0_HPF-CONFIG_TES=33.5"},
       {"5000;CONFIG_IFACE;ra0;NET;", "5000;z0_HPF-CONFIG_TES;33.5;NET;"}, {5}},
      {"hostile lines beside a valid setting: only the valid one",
       {setting("[Evil", "]", 1), setting("CONFIG_NOM_CLIENT_DU_SITE", "x;5001;;;NET", 1),
        setting("CONFIG_NOT_A_SETTING", "1", 1), setting("CONFIG_IFACE", "eth1", 1),
        setting("CONFIG_IP", "999.1.1.1", 1), setting("CONFIG_DIAM_TUBE", "abc", 1),
        setting("CONFIG_HEIGHT", "800", 1)},
       7, {"CONFIG_HEIGHT=800"}, {"5000;CONFIG_HEIGHT;800;NET;"}, {5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ActionsFileDevice device;
    device.layFile(c.inner);
    const std::string configBefore = device.config();

    EXPECT_EQ(c.result, device.upd->decodeActionFile(kPath));

    EXPECT_FALSE(device.box.exists(kPath));
    for (const std::string& keyValue : c.stored) EXPECT_TRUE(device.configHas(keyValue)) << keyValue;
    if (c.stored.empty()) {
      EXPECT_EQ(configBefore, device.config());
    }
    EXPECT_EQ(c.journal, device.journal());
    EXPECT_EQ(c.uploads, device.uploads());
  }
}

// A setting element is read whole, up to its closing "/> and the line end: one cut short
// or with anything else around its journal flag is refused, nothing stored or journalled.
TEST(ORV_UpdThreadActions, SettingElementMustBeWhole) {
  const std::string element =
      "  <action type=\"1\" key=\"CONFIG_DIAM_TUBE\" value=\"40\" journal=";
  const struct {
    const char* what;
    std::string end;  // the element from its journal flag on
    bool taken;
  } cases[] = {
      {"whole", "\"1\"/>", true},
      {"CR of a CRLF file and blanks after it", "\"1\"/>  \r", true},
      {"cut before the closing", "\"1", false},
      {"cut inside the closing", "\"1\"/", false},
      {"junk before the closing", "\"1\"#/>", false},
      {"blank in the journal flag", "\" 1\"/>", false},
      {"repeated attribute", "\"1\" journal=\"1\"/>", false},
      {"junk after the closing", "\"1\"/>#", false},
      {"second element after the closing", "\"1\"/>" + setting("CONFIG_HEIGHT", "800", 1), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ActionsFileDevice device;
    device.layFile({element + c.end});
    testing::internal::CaptureStdout();
    EXPECT_EQ(1, device.upd->decodeActionFile(kPath));
    const std::string console = testing::internal::GetCapturedStdout();

    EXPECT_EQ(c.taken, device.configHas("CONFIG_DIAM_TUBE=40"));
    EXPECT_FALSE(device.configHas("CONFIG_HEIGHT=800"));
    EXPECT_EQ(c.taken ? Lines{"5000;CONFIG_DIAM_TUBE;40;NET;"} : Lines{}, device.journal());
    EXPECT_EQ(c.taken ? std::vector<int>{5} : std::vector<int>{}, device.uploads());
    EXPECT_EQ(!c.taken, console.find("ligne 2 refusee: reglage mal forme") != std::string::npos)
        << console;
  }
}

// Addresses with leading zeros (octal to the system's converters), no address, broadcast
// and a split mask: refused, nothing stored, journalled or applied. A plain one is taken.
TEST(ORV_UpdThreadActions, UnusableAddressesAreRefused) {
  const std::pair<const char*, const char*> refused[] = {
      {"CONFIG_IP", "192.168.1.010"},   {"CONFIG_IP", "192.168.001.060"},
      {"CONFIG_IP", "192.168.1.08"},    {"CONFIG_IP", "0.0.0.0"},
      {"CONFIG_IP", "255.255.255.255"}, {"CONFIG_GW", "010.001.002.003"},
      {"CONFIG_GW", "192.168.1.08"},    {"CONFIG_GW", "255.255.255.255"},
      {"CONFIG_MASK", "255.0.255.0"},
  };
  for (const auto& r : refused) {
    SCOPED_TRACE(std::string(r.first) + "=" + r.second);
    ActionsFileDevice device;
    device.layFile({setting(r.first, r.second, 1)});
    const std::string config = device.config(), calls = device.box.platformCalls();
    EXPECT_EQ(1, device.upd->decodeActionFile(kPath));
    EXPECT_EQ(config, device.config());
    EXPECT_EQ(calls, device.box.platformCalls());
    EXPECT_TRUE(device.journal().empty());
    EXPECT_TRUE(device.uploads().empty());
  }
  ActionsFileDevice device;
  device.layFile({setting("CONFIG_IP", "192.168.1.10", 1)});
  EXPECT_EQ(1, device.upd->decodeActionFile(kPath));
  EXPECT_TRUE(device.configHas("CONFIG_IP=192.168.1.10"));
}

// The device's network setting as the store reads it.
Lines networkSetting(ActionsFileDevice& device) {
  orvDatas* store = device.core->datas();
  Lines setting{std::string("CONFIG_DHCP=") + (store->dhcpInUse() ? "1" : "0")};
  for (int id : {CFG_IFACE, CFG_IP, CFG_MASK, CFG_GW})
    setting.push_back(std::string(ORV_CFG_TAG[id]) + "=" + store->getCFG_struct(id).stringValue);
  return setting;
}

// The network keys of one file make one setting with the stored values: taken all or none,
// and only the ones taken are journalled; the file's other keys apply as ever.
TEST(ORV_UpdThreadActions, NetworkKeysOfOneFileAreTakenTogether) {
  struct Case {
    const char* what;
    std::string stored;  // lines of section General before the file
    Lines inner;
    bool networkTaken;
  } cases[] = {
      {"new address with a split mask", "",
       {setting("CONFIG_IP", "10.0.0.5", 1), setting("CONFIG_MASK", "255.0.255.0", 1)}, false},
      {"new address with its mask", "",
       {setting("CONFIG_IP", "192.168.5.5", 1), setting("CONFIG_MASK", "255.255.0.0", 1)}, true},
      {"new address whose subnet leaves out the stored gateway", "",
       {setting("CONFIG_IP", "10.0.0.5", 1), setting("CONFIG_MASK", "255.0.0.0", 1)}, false},
      {"no gateway", "", {setting("CONFIG_GW", "0.0.0.0", 1)}, true},
      {"a usable interface beside a refused address", "",
       {setting("CONFIG_IFACE", "ra0", 1), setting("CONFIG_IP", "192.168.1.010", 1)}, false},
      {"static over a lease without a route",
       "CONFIG_DHCP=1\nCONFIG_IP=192.168.1.77\nCONFIG_MASK=255.255.255.0\nCONFIG_GW=0.0.0.0\n",
       {setting("CONFIG_DHCP", "0", 1)}, true},
      {"static over no lease at all", "CONFIG_DHCP=1\nCONFIG_IP=0.0.0.0\n",
       {setting("CONFIG_DHCP", "0", 1)}, false},
      {"under DHCP the stored lease is no static address to judge",
       "CONFIG_DHCP=1\nCONFIG_IP=0.0.0.0\n", {setting("CONFIG_GW", "192.168.1.254", 1)}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ActionsFileDevice device(c.stored);
    Lines inner = c.inner;
    inner.push_back(setting("CONFIG_HEIGHT", "800", 1));
    device.layFile(inner);
    const Lines networkBefore = networkSetting(device);
    testing::internal::CaptureStdout();
    EXPECT_EQ(static_cast<int>(inner.size()), device.upd->decodeActionFile(kPath));
    const std::string console = testing::internal::GetCapturedStdout();

    Lines journal;
    for (const std::string& line : c.inner) {
      const size_t key = line.find("key=\"") + 5, value = line.find("value=\"") + 7;
      const std::string k = line.substr(key, line.find('"', key) - key),
                        v = line.substr(value, line.find('"', value) - value);
      EXPECT_EQ(device.configHas(k + "=" + v), c.networkTaken) << k;
      if (c.networkTaken) journal.push_back("5000;" + k + ";" + v + ";NET;");
    }
    if (!c.networkTaken) {
      EXPECT_EQ(networkBefore, networkSetting(device));
    }
    EXPECT_EQ(console.find("refuses ensemble") != std::string::npos, !c.networkTaken) << console;
    journal.push_back("5000;CONFIG_HEIGHT;800;NET;");
    EXPECT_EQ(journal, device.journal());
    EXPECT_TRUE(device.configHas("CONFIG_HEIGHT=800"));
    EXPECT_EQ(std::vector<int>{5}, device.uploads());
    // The interface itself is not touched.
    EXPECT_EQ(device.box.platformCalls().find("ioctl"), std::string::npos);
    EXPECT_EQ(device.box.commands().find("ifconfig"), std::string::npos);
  }
}

// The store cannot write the file while the file is read (its lock held elsewhere): no
// setting of the file is applied, and none is journalled.
TEST(ORV_UpdThreadActions, SettingsTheStoreDidNotApplyAreNotJournalled) {
  ActionsFileDevice device;
  orvDatas* store = device.core->datas();
  device.layFile({setting("CONFIG_IP", "10.0.0.5", 1), setting("CONFIG_MASK", "255.255.255.0", 1),
                  setting("CONFIG_GW", "10.0.0.1", 1), setting("CONFIG_HEIGHT", "800", 1)});
  const Lines networkBefore = networkSetting(device), journalBefore = device.journal();
  const std::string conf = device.config();
  {
    LockHeldElsewhere held([&] { return store->lock_FILEconfig() == 1; },
                           [&] { store->unlock_FILEconfig(); });
    testing::internal::CaptureStdout();
    EXPECT_EQ(4, device.upd->decodeActionFile(kPath));
    testing::internal::GetCapturedStdout();
  }
  EXPECT_EQ(journalBefore, device.journal());
  EXPECT_EQ(networkBefore, networkSetting(device));
  EXPECT_FALSE(device.configHas("CONFIG_HEIGHT=800"));
  EXPECT_EQ(conf, device.config());
}

TEST(ORV_UpdThreadActions, MissingOrShortFile) {
  ActionsFileDevice device;
  EXPECT_EQ(0, device.upd->decodeActionFile(kPath));
  device.box.write(kPath, "<actions>\n" + setting("CONFIG_DIAM_TUBE", "42", 0) + "\n");
  EXPECT_EQ(0, device.upd->decodeActionFile(kPath)) << "two lines: both are frame lines";
  EXPECT_FALSE(device.box.exists(kPath));
  EXPECT_FALSE(device.configHas("CONFIG_DIAM_TUBE=42"));
}

// The refrigerant is changed by the core at once and stored by it; it is no setting of
// the list, so no upload of the configuration follows for it. Only the key itself changes
// it, and the journal tells only of a change that took place.
TEST(ORV_UpdThreadActions, RefrigerantChangedAtOnceByTheCore) {
  struct Case {
    const char* key;
    const char* value;
    const char* fluid;  // CONFIG_FLUID afterwards, on an R404A plant
    Lines journal;
  } cases[] = {
      {"CONFIG_FLUID", "R134a", "R134a", {"5000;CONFIG_FLUID;R134a;NET;"}},
      {"CONFIG_FLUID", "NOPE", "R404A", {}},
      {"CONFIG_FLUID", "R404A", "R404A", {}},
      {"xxCONFIG_FLUIDyy", "R134a", "R404A", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.key) + "=" + c.value);
    ActionsFileDevice device;
    device.core->start_FLuidsNorvale();
    device.layFile({setting(c.key, c.value, 1)});

    EXPECT_EQ(1, device.upd->decodeActionFile(kPath));

    EXPECT_EQ(c.fluid, device.core->datas()->getCFG_struct(CFG_FLUID).stringValue);
    EXPECT_EQ(c.journal, device.journal());
    EXPECT_TRUE(device.uploads().empty());
  }
}

// Settings first, then the commands, then the action codes; the command is recorded and
// never run in the host build.
TEST(ORV_UpdThreadActions, CommandsAndActionCodesGoToTheCore) {
  ActionsFileDevice device;
  const std::string marker = "/tmp/orv-actions-file-command-ran";
  device.layFile({action(4, 1), "  <action type=\"14\" cmd=\"touch " + marker + "; echo $HOME\"/>",
                  setting("CONFIG_DIAM_TUBE", "42", 1),
                  "  <action type=\"14\" cmd=\"rm -rf /home/ORV/config.conf"});

  EXPECT_EQ(4, device.upd->decodeActionFile(kPath));
  EXPECT_EQ(std::string::npos, device.box.platformCalls().find("rm -rf"))
      << "an element cut short before its closing \"/> is refused";

  EXPECT_NE(std::string::npos,
            device.box.platformCalls().find("server-command touch " + marker + "; echo $HOME\n"));
  EXPECT_FALSE(device.box.exists(marker));
  EXPECT_NE(0, access(marker.c_str(), F_OK));
  EXPECT_EQ((Lines{"5000;CONFIG_DIAM_TUBE;42;NET;", "5003;;;NET;"}), device.journal());
  EXPECT_TRUE(device.box.exists("/home/ORV/yORV.12"));
  EXPECT_EQ((std::vector<int>{1, 5}), device.uploads());
}

}  // namespace
