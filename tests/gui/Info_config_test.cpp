// The configuration information page: the date, every section and entry of the store (the
// Wi-Fi key masked), the boot script up to its first NUL and the storage figures; the
// sections are copied under the store's key lock.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>

#include <string>
#include <vector>

#include "Info_config.h"
#include "core_device.h"
#include "lock_holder.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"
#include "time_bounds.h"

namespace {

const std::string kDashes(51, '-');

struct ConfigDevice : CoreDevice {
  ConfigDevice()
      : CoreDevice(
            "CONFIG_WIFI_KEY=secret12\nCONFIG_SRV_ID=12\nCONFIG_NOM_CLIENT_DU_SITE=\"Super U = Lyon\"\n") {
    setenv("ORV_CLOCK_START", "2024-12-30 12:00:00", 1);
    orv::resetWallClock();
    box.write("/etc/init.d/rcS", std::string("abc\0def\n", 8));
    box.write("/platform_stub/diskspace", "104857600 209715200\n");
  }
  std::vector<std::string> items() {
    std::vector<std::string> out;
    for (int i = 0; i < list->count(); ++i) out.push_back(list->item(i)->text().toStdString());
    return out;
  }
  QApplication& app = testApplication();
  Info_config page{nullptr};
  QListWidget* list = page.findChild<QListWidget*>(QStringLiteral("listWidget"));
};

TEST(Info_config, ListsDateSectionsBootScriptAndStorage) {
  ConfigDevice dev;
  dev.page.show();
  const std::vector<std::string> items = dev.items();
  ASSERT_GT(items.size(), 20u);
  EXPECT_EQ(items[0].rfind("Date du jour\t:\t30/12/2024 12:00:", 0), 0u) << items[0];
  EXPECT_EQ(items[0].size(), std::string("Date du jour\t:\t30/12/2024 12:00:00").size());
  EXPECT_EQ(items[1], "");
  EXPECT_EQ(items[2], "Config Section\t:\tGeneral");

  // One " KEY = value" item per entry of the store (its defaults included), as stored.
  size_t i = 3;
  while (i < items.size() && items[i].rfind(" ", 0) == 0) {
    EXPECT_NE(items[i].find(" = "), std::string::npos) << items[i];
    ++i;
  }
  orv_configFile::SectionList sections;
  dev.core->datas()->ORV_FileConfig_ptr()->getConfEntryList(sections);
  ASSERT_EQ(sections.size(), 1u);
  EXPECT_EQ(i - 3, sections.front().entries.size());
  EXPECT_NE(std::find(items.begin(), items.end(), " CONFIG_WIFI_KEY = ********"), items.end());
  EXPECT_NE(std::find(items.begin(), items.end(), " CONFIG_SRV_ID = 12"), items.end());
  EXPECT_NE(std::find(items.begin(), items.end(), " CONFIG_NOM_CLIENT_DU_SITE = Super U = Lyon"),
            items.end());
  for (const std::string& item : items) EXPECT_EQ(item.find("secret12"), std::string::npos);

  const std::vector<std::string> tail(items.begin() + i, items.end());
  EXPECT_EQ(tail, (std::vector<std::string>{
                      "", "", "Contenu Fichier RCS systeme:", kDashes, "abc", kDashes, "", "",
                      "Espace de Stockage en Mo:", "Libre = 100 Mo", "Total = 200 Mo", kDashes}));
  EXPECT_EQ(dev.list->verticalScrollBar()->value(), 0);
  EXPECT_EQ(dev.list->verticalScrollBar()->sizeHint().width(), 40);
  dev.page.resize(640, 480);
  saveScreen(&dev.page, "Info_config");

  QSignalSpy escaped(&dev.page, &Info_config::esc_info_config);
  dev.page.findChild<QPushButton*>(QStringLiteral("Esc"))->click();
  EXPECT_EQ(escaped.count(), 1);
}

TEST(Info_config, AStoreHeldByAnotherThreadLeavesTheSectionsOut) {
  ConfigDevice dev;
  std::remove(dev.box.path("/etc/init.d/rcS").c_str());
  orvDatas* store = dev.core->datas();
  bool locked = false;
  qint64 ms = 0;
  {
    // Held until the page is shown, 3 s at most: a page that waited for the lock would
    // get it then, with the sections.
    LockHeldElsewhere held([&] { return locked = (store->lock_ORVconfig() == 1); },
                           [&] { store->unlock_ORVconfig(); }, timeBound(3000));
    QElapsedTimer shown;
    shown.start();
    dev.page.show();
    ms = shown.elapsed();
  }
  ASSERT_TRUE(locked);
  EXPECT_LT(ms, timeBound(2500));
  const std::vector<std::string> items = dev.items();
  for (const std::string& item : items)
    EXPECT_EQ(item.rfind("Config Section", 0), std::string::npos);
  EXPECT_EQ(items[1], "");
  EXPECT_EQ(items[3], "Contenu Fichier RCS systeme:");
  EXPECT_EQ(items[5], "");  // no boot script
  EXPECT_EQ(items[10], "Libre = 100 Mo");
  EXPECT_EQ(items[11], "Total = 200 Mo");
}

}  // namespace
