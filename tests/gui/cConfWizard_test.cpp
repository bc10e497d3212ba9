// The installation wizard frame on a device's real store: page order, navigation and the
// one Next flag, the private copy, cancel, and the finish (first-commissioning stamps,
// merge under the store's key lock, one file write, card push, refrigerant hand-off, copies
// into /usr/share/ and the closing box).
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QThread>
#include <QVBoxLayout>

#include <atomic>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <memory>
#include <set>
#include <thread>

#include "FLuidsNorvale.h"
#include "MesV2Modul.h"
#include "ModulsCenter.h"
#include "Enregistrement.h"
#include "cConfWizard.h"
#include "core_device.h"
#include "orvbus_sim.h"
#include "support/modal_boxes.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"
#include "support/wizard_copy.h"

#if !defined(__SANITIZE_ADDRESS__)
#include <malloc.h>

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>

// In this program freed objects are filled with a pattern and held back for a while before
// the allocator may hand their memory out again: a page or a wizard touched after its
// deletion reads the pattern as pointers and crashes in the normal build too. The
// sanitizer build has a quarantine of its own.
namespace {
constexpr size_t kHeldBlocks = 1 << 16;
constexpr size_t kHeldBytes = 64u << 20;
std::mutex heldMutex;
void* held[kHeldBlocks];
size_t heldFirst = 0, heldCount = 0, heldBytes = 0;

void holdFreed(void* block) {
  if (!block) return;
  const size_t size = malloc_usable_size(block);
  std::memset(block, 0xA5, size);
  std::lock_guard<std::mutex> lock(heldMutex);
  while (heldCount == kHeldBlocks || (heldCount > 0 && heldBytes + size > kHeldBytes)) {
    void* oldest = held[heldFirst];
    heldFirst = (heldFirst + 1) % kHeldBlocks;
    --heldCount;
    heldBytes -= malloc_usable_size(oldest);
    std::free(oldest);
  }
  held[(heldFirst + heldCount) % kHeldBlocks] = block;
  ++heldCount;
  heldBytes += size;
}
}  // namespace

void operator delete(void* block) noexcept { holdFreed(block); }
void operator delete(void* block, std::size_t) noexcept { holdFreed(block); }
void operator delete[](void* block) noexcept { holdFreed(block); }
void operator delete[](void* block, std::size_t) noexcept { holdFreed(block); }
#endif

namespace {

constexpr time_t kClockStart = 1709287200;  // 2024-03-01 10:00:00 UTC
const char kPages[][24] = {"Tcm",          "OrvName",         "Choix_fluide",   "CompressorType",
                           "Reservoirs",   "Diamreservoir",   "Hreservoir",     "Colonne",
                           "Capteurhp",    "Mestare",         "Alarmeclassique", "Etalonnage",
                           "Reglageinstallation", "Iinstallation", "Sousrefoidisseur", "Sensstat",
                           "Enregistrement"};

// A commissioned or new plant's store in a sandbox, with orvQT's working directory.
struct WizardDevice : CoreDevice {
  explicit WizardDevice(const std::string& config) : CoreDevice(withUtc(config)), cwd(workDir()) {
    box.mkdirs("/usr/share");
    box.write("/etc/init.d/rcS", "#!/bin/sh\n");
  }
  static const std::string& withUtc(const std::string& config) {
    setenv("TZ", "UTC", 1);
    tzset();
    return config;
  }
  std::string workDir() { return prepareOrvqtWorkDir(box); }
  // A value of the store's configuration in memory ("" when missing).
  std::string stored(const std::string& key, const std::string& section = "General") {
    std::string value;
    core->datas()->lock_ORVconfig();
    core->datas()->ORV_FileConfig_ptr()->getVar(key, value, section);
    core->datas()->unlock_ORVconfig();
    return value;
  }
  // Every file under the data directory and "/usr/share/", with its size.
  std::set<std::string> files() {
    std::set<std::string> out;
    for (const char* dir : {"/home/ORV", "/usr/share"})
      for (const auto& entry : std::filesystem::recursive_directory_iterator(box.path(dir)))
        if (entry.is_regular_file())
          out.insert(entry.path().string() + " " + std::to_string(entry.file_size()));
    return out;
  }
  WorkingDirectory cwd;
};

const char kNewPlant[] =
    "FLAG_PREM_DEMARRAGE=0\nFLAG_DATE_INSTALLATION=0\nCONFIG_FLUID=R404A\n"
    "CONFIG_TANK_TYPE=V\nCONFIG_TANK_NUMBER=1\nCONFIG_DIAMETRE=500\nCONFIG_HEIGHT=1500\n"
    "CONFIG_COLUMN_TYPE=1 5/8\nCONFIG_CONDENSEUR_PUISSANCE=150\nCONFIG_COLUMN_TARE=2350\n";

// The frame as the main window builds it, with the refrigerant list, on a 640 x 480 panel.
struct Wizard {
  Wizard() : frame(new cConfWizard(&panel)) {
    auto* layout = new QVBoxLayout(&panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame.get());
    panel.resize(640, 480);
    FLuidsNorvale fluids;
    std::vector<std::string> names;
    fluids.get_FluidListVector(&names);
    frame->setFLuidsList(names);
    panel.show();
  }
  QStackedWidget* stack() { return frame->findChild<QStackedWidget*>("pageStack"); }
  QPushButton* button(const char* name) { return frame->findChild<QPushButton*>(name); }
  int index() { return stack()->currentIndex(); }
  QWidget* current() { return stack()->currentWidget(); }
  void next() { QTest::mouseClick(button("nextButton"), Qt::LeftButton); }
  void prev() { QTest::mouseClick(button("prevButton"), Qt::LeftButton); }
  void goTo(int index) {
    while (this->index() < index) next();
  }
  // A picture of the panel once the row is laid out again.
  void shot(const std::string& name) {
    QApplication::processEvents();
    saveScreen(&panel, name);
  }
  template <typename T>
  T* on(const char* name) {
    return current()->findChild<T*>(name);
  }
  QWidget panel;
  std::unique_ptr<cConfWizard> frame;
};

// The walk of the first commissioning: the technician's choices, page by page.
void walkAndChoose(Wizard& wizard) {
  wizard.goTo(4);
  tap(wizard.on<QRadioButton>("Horizontal"));
  wizard.on<QComboBox>("cB_NombreReservoir")->setCurrentIndex(3);
  wizard.next();
  wizard.on<QScrollBar>("horizontalScrollBar")->setValue(1200);
  wizard.next();
  wizard.on<QScrollBar>("HauteurScrollBar")->setValue(2000);
  wizard.on<QScrollBar>("InclinaisonScrollBar")->setValue(300 - 35);
  EXPECT_EQ(wizard.on<QLabel>("label_Angle")->text().toStdString(), "1.0°");
  wizard.next();
  tap(wizard.on<QRadioButton>("inox"));
  wizard.goTo(12);
  wizard.on<QScrollBar>("BPScrollBar")->setValue(-21);
  wizard.next();
  wizard.on<QScrollBar>("Fluide_ScrollBar")->setValue(350);
  wizard.next();
  tap(wizard.on<QRadioButton>("ouiButton"));
  wizard.goTo(16);
}

}  // namespace

TEST(cConfWizard, FrameHoldsTheSeventeenPagesAndStartsOnTheFirst) {
  testApplication();
  WizardDevice device(kNewPlant);
  Wizard wizard;
  ASSERT_EQ(wizard.stack()->count(), 17);
  for (int i = 0; i < 17; ++i)
    EXPECT_STREQ(wizard.stack()->widget(i)->metaObject()->className(), kPages[i]) << i;
  EXPECT_EQ(wizard.index(), 0);
  EXPECT_FALSE(wizard.button("prevButton")->isEnabled());
  EXPECT_TRUE(wizard.button("nextButton")->isEnabled());
  EXPECT_TRUE(wizard.button("nextButton")->isVisible());
  EXPECT_FALSE(wizard.button("finishButton")->isVisible());
  // One row below the stack: ANNULER, PRECEDENT, SUIVANT (ENREGISTREMENT in its place on
  // the last page).
  int left = 0;
  for (const char* name : {"cancelButton", "prevButton", "nextButton"}) {
    QPushButton* button = wizard.button(name);
    EXPECT_GE(button->height(), 50) << name;
    EXPECT_GE(button->y(), wizard.stack()->geometry().bottom()) << name;
    EXPECT_GT(button->x(), left) << name;
    left = button->x();
  }
  EXPECT_GE(wizard.button("finishButton")->minimumHeight(), 50);
  EXPECT_EQ(wizard.button("cancelButton")->text().toStdString(), "ANNULER");
  EXPECT_EQ(wizard.button("finishButton")->text().toStdString(), "ENREGISTREMENT");
  auto* list = wizard.stack()->widget(2)->findChild<QComboBox*>("comboBox_fluide");
  EXPECT_EQ(list->count(), 126);
  EXPECT_EQ(wizard.panel.height(), 480);  // the tallest page and the row fit the panel
  wizard.shot("wizard-page0");
}

TEST(cConfWizard, NavigationAndTheOneNextFlag) {
  testApplication();
  WizardDevice device(kNewPlant);
  Wizard wizard;
  QSignalSpy timeouts(wizard.frame.get(), SIGNAL(OnReloadConfTimerSignal(int)));
  wizard.prev();
  EXPECT_EQ(wizard.index(), 0);
  for (int i = 1; i <= 16; ++i) {
    timeouts.clear();
    wizard.next();
    ASSERT_EQ(wizard.index(), i);
    ASSERT_FALSE(timeouts.isEmpty());
    EXPECT_EQ(timeouts.last().at(0).toInt(), 300000) << i;
  }
  EXPECT_TRUE(wizard.button("finishButton")->isVisible());
  EXPECT_FALSE(wizard.button("nextButton")->isVisible());
  EXPECT_TRUE(wizard.button("prevButton")->isEnabled());
  EXPECT_GE(wizard.button("finishButton")->height(), 50);
  EXPECT_GE(wizard.button("finishButton")->y(), wizard.stack()->geometry().bottom());
  EXPECT_GT(wizard.button("finishButton")->x(), wizard.button("prevButton")->x());
  wizard.shot("wizard-page16-finish");
  wizard.frame->OnBtnNext();  // no seventeenth step
  EXPECT_EQ(wizard.index(), 16);

  // A page lowers the flag: Next stays disabled on every page until a page raises it (the
  // tare page does when it shows a stored tare).
  QWidget* cardTest = wizard.stack()->widget(0);
  QMetaObject::invokeMethod(cardTest, "OnEnableNextBtn", Q_ARG(bool, false));
  EXPECT_FALSE(wizard.button("finishButton")->isVisible());
  EXPECT_TRUE(wizard.button("nextButton")->isVisible());
  EXPECT_FALSE(wizard.button("nextButton")->isEnabled());
  wizard.shot("wizard-page16-next-held");
  for (int i = 15; i >= 10; --i) {
    wizard.prev();
    ASSERT_EQ(wizard.index(), i);
    EXPECT_FALSE(wizard.button("nextButton")->isEnabled()) << i;
  }
  wizard.prev();
  EXPECT_TRUE(wizard.button("nextButton")->isEnabled());
  QMetaObject::invokeMethod(cardTest, "OnEnableNextBtn", Q_ARG(bool, false));
  for (int i = 8; i >= 1; --i) {
    wizard.prev();
    ASSERT_EQ(wizard.index(), i);
    EXPECT_FALSE(wizard.button("nextButton")->isEnabled()) << i;
  }
  wizard.prev();  // the card test page raises it for a configured card
  EXPECT_FALSE(wizard.button("prevButton")->isEnabled());
  EXPECT_TRUE(wizard.button("nextButton")->isEnabled());

  // Shown again, the frame starts over on the first page.
  wizard.goTo(5);
  wizard.frame->hide();
  wizard.frame->show();
  ASSERT_TRUE(wizard.frame->isVisible());
  EXPECT_EQ(wizard.index(), 0);
  EXPECT_FALSE(wizard.button("prevButton")->isEnabled());
}

TEST(cConfWizard, WalkingThePagesWritesNoFileAndCancelKeepsTheStore) {
  testApplication();
  WizardDevice device(kNewPlant);
  const std::string before = device.config();
  const std::set<std::string> filesBefore = device.files();
  {
    Wizard wizard;
    walkAndChoose(wizard);
    EXPECT_EQ(device.config(), before);
    EXPECT_EQ(device.files(), filesBefore);
    wizard.goTo(4);  // already past: walk back over the changed pages
    while (wizard.index() > 3) wizard.prev();
    QSignalSpy cancelled(wizard.frame.get(), SIGNAL(OnBtnCancelSignal()));
    QTest::mouseClick(wizard.button("cancelButton"), Qt::LeftButton);
    EXPECT_EQ(cancelled.count(), 1);
  }
  EXPECT_EQ(device.config(), before);
  EXPECT_EQ(device.stored("CONFIG_TANK_TYPE"), "V");
  EXPECT_EQ(device.stored("CONFIG_DIAMETRE"), "500");
  EXPECT_EQ(device.box.commands().find("/usr/share/"), std::string::npos);

  // The next opening starts from the stored values.
  Wizard again;
  again.goTo(4);
  EXPECT_TRUE(again.on<QRadioButton>("Vertical")->isChecked());
  again.next();
  EXPECT_EQ(again.on<QScrollBar>("horizontalScrollBar")->value(), 500);
}

TEST(cConfWizard, FinishOfTheFirstCommissioningMergesStampsAndCopies) {
  testApplication();
  WizardDevice device(kNewPlant);
  Wizard wizard;
  walkAndChoose(wizard);
  wizard.shot("wizard-page16-before-finish");
  std::string configAtBox;
  QSize sizeAfterRelayout;
  QRect boxPlace;
  auto boxes = std::make_unique<ModalBoxes>([&](QMessageBox* box) {
    configAtBox = device.config();
    // A window system lays the shown box out again; it must still cover the panel.
    QEvent relayout(QEvent::LayoutRequest);
    QApplication::sendEvent(box, &relayout);
    sizeAfterRelayout = box->size();
    boxPlace = box->geometry();
    saveScreen(box, "wizard-finish-box");
  });
  QSignalSpy finished(wizard.frame.get(), SIGNAL(OnBtnFinishSignal()));
  QSignalSpy fluid(wizard.frame.get(), SIGNAL(emitOnFluidChange(QString)));
  QTest::mouseClick(wizard.button("finishButton"), Qt::LeftButton);
  EXPECT_EQ(finished.count(), 1);
  EXPECT_EQ(fluid.count(), 0);

  ASSERT_EQ(boxes->seen.size(), 1u);
  const AnsweredBox done = boxes->seen[0];
  boxes.reset();
  EXPECT_EQ(done.title, "Fin de configuration");
  EXPECT_EQ(done.icon, QMessageBox::Information);
  EXPECT_GE(done.size.width(), 640);
  EXPECT_GE(done.size.height(), 480);
  EXPECT_GE(sizeAfterRelayout.width(), 640);
  EXPECT_GE(sizeAfterRelayout.height(), 480);
  if (QScreen* screen = QGuiApplication::primaryScreen())
    EXPECT_TRUE(screen->geometry().contains(boxPlace))
        << "box at " << boxPlace.x() << ", " << boxPlace.y() << " on a screen of "
        << screen->geometry().width() << " x " << screen->geometry().height();
  EXPECT_EQ(done.buttons, 1);
  EXPECT_FALSE(done.hasParent);
  EXPECT_EQ(done.text,
            "- Si vous avez vidé la colonne, vous pouvez rouvrir les vannes.\n- Si vous avez "
            "étalonné les sondes PT100, vous pouvez retirer les résistances et remettre les "
            "sondes.\nCliquez sur OK pour terminer la configuration.");
  EXPECT_EQ(configAtBox, device.config());  // written before the box

  // The set-points page proposes -3 for the 3-day threshold at -21 °C; the sensitivity page
  // then writes the threshold of its bar, which keeps its position 200 (-5).
  for (const char* line :
       {"CONFIG_TANK_TYPE=H", "CONFIG_TANK_NUMBER=3", "CONFIG_DIAMETRE=1200", "CONFIG_HEIGHT=2000",
        "CONFIG_INCLINAISON_RESERVOIR=35", "CONFIG_COLUMN_TYPE=40x2", "CONFIG_DIAM_TUBE=36",
        "CONFIG_CONSIGNE_BP=-21", "REGLAGE_ALARM_3JOURS=-5", "STAT3J_VALUE=200",
        "CONFIG_CHARGE_FLUIDE=350", "CONFIG_FLAG_REFOIDISSEUR=1", "CONFIG_FLUID=R404A",
        "CONFIG_CONDENSEUR_PUISSANCE=150"})
    EXPECT_TRUE(device.configHas(line)) << line;
  const long long firstStart = std::stoll(device.stored("FLAG_PREM_DEMARRAGE"));
  EXPECT_GE(firstStart, kClockStart);
  EXPECT_LT(firstStart, kClockStart + 60);
  EXPECT_EQ(device.stored("FLAG_DATE_INSTALLATION"), device.stored("FLAG_PREM_DEMARRAGE"));
  EXPECT_TRUE(device.configHas("FLAG_PREM_DEMARRAGE=" + std::to_string(firstStart)));

  EXPECT_NE(device.box.commands().find(
                "cp /etc/init.d/rcS /usr/share/; cp /home/ORV/config.conf /usr/share/"),
            std::string::npos);
  EXPECT_EQ(device.box.read("/usr/share/config.conf"), device.config());
  EXPECT_EQ(device.box.read("/usr/share/rcS"), "#!/bin/sh\n");

  // A second pass without a change keeps both stamps and still writes, copies and closes.
  device.box.write("/home/ORV/config.conf", device.config() + "# marker\n");
  Wizard second;
  second.goTo(16);
  ModalBoxes closing;
  QTest::mouseClick(second.button("finishButton"), Qt::LeftButton);
  EXPECT_EQ(closing.titles(), std::vector<std::string>{"Fin de configuration"});
  EXPECT_EQ(device.config().find("# marker"), std::string::npos);  // written again
  EXPECT_EQ(std::stoll(device.stored("FLAG_PREM_DEMARRAGE")), firstStart);
  EXPECT_EQ(std::stoll(device.stored("FLAG_DATE_INSTALLATION")), firstStart);
  EXPECT_EQ(device.box.read("/usr/share/config.conf"), device.config());
}

TEST(cConfWizard, InstallationDateAlreadySetIsKept) {
  testApplication();
  WizardDevice device(
      "FLAG_PREM_DEMARRAGE=0\nFLAG_DATE_INSTALLATION=1600000000\nCONFIG_FLUID=R404A\n"
      "CONFIG_COLUMN_TARE=2350\n");
  Wizard wizard;
  wizard.goTo(16);
  ModalBoxes boxes;
  QTest::mouseClick(wizard.button("finishButton"), Qt::LeftButton);
  EXPECT_GE(std::stoll(device.stored("FLAG_PREM_DEMARRAGE")), kClockStart);
  EXPECT_EQ(device.stored("FLAG_DATE_INSTALLATION"), "1600000000");
}

TEST(cConfWizard, ChangedRefrigerantIsHandedOverNotMerged) {
  testApplication();
  WizardDevice device(kNewPlant);
  Wizard wizard;
  wizard.goTo(2);
  auto* list = wizard.on<QComboBox>("comboBox_fluide");
  list->setCurrentIndex(list->findText("R407C (Klea66)"));
  wizard.goTo(16);
  QSignalSpy fluid(wizard.frame.get(), SIGNAL(emitOnFluidChange(QString)));
  ModalBoxes boxes;
  QTest::mouseClick(wizard.button("finishButton"), Qt::LeftButton);
  ASSERT_EQ(fluid.count(), 1);
  EXPECT_EQ(fluid.at(0).at(0).toString().toStdString(), "R407C");
  EXPECT_EQ(device.stored("CONFIG_FLUID"), "R404A");
  EXPECT_TRUE(device.configHas("CONFIG_FLUID=R404A"));
}

TEST(cConfWizard, MergeWaitsForTheStoreKeyLock) {
  testApplication();
  WizardDevice device(kNewPlant);
  Wizard wizard;
  walkAndChoose(wizard);
  std::atomic<bool> holding{false};
  std::string seenWhileHeld;
  std::thread holder([&] {
    orvDatas* datas = device.core->datas();
    ASSERT_TRUE(datas->lock_ORVconfig());
    holding = true;
    std::this_thread::sleep_for(std::chrono::seconds(3));
    datas->ORV_FileConfig_ptr()->getVar("CONFIG_TANK_TYPE", seenWhileHeld, "General");
    datas->unlock_ORVconfig();
  });
  while (!holding) std::this_thread::yield();
  ModalBoxes boxes;
  QTest::mouseClick(wizard.button("finishButton"), Qt::LeftButton);
  holder.join();
  EXPECT_EQ(seenWhileHeld, "V");  // nothing merged while the other thread held the keys
  EXPECT_EQ(boxes.titles(), std::vector<std::string>{"Fin de configuration"});
  for (const char* line : {"CONFIG_TANK_TYPE=H", "CONFIG_TANK_NUMBER=3", "CONFIG_DIAMETRE=1200",
                           "CONFIG_HEIGHT=2000", "CONFIG_COLUMN_TYPE=40x2",
                           "CONFIG_CHARGE_FLUIDE=350", "CONFIG_FLAG_REFOIDISSEUR=1"})
    EXPECT_TRUE(device.configHas(line)) << line;
}

namespace {

const char kCardPlant[] =
    "FLAG_PREM_DEMARRAGE=1709200000\nFLAG_DATE_INSTALLATION=1709200000\nCONFIG_FLUID=R404A\n"
    "z2_CM_TYPE=2\nCONFIG_COLUMN_TARE=2350\n[Module_Mesure_V2]\nz2_CM_RADIO_ENABLED=0\n";

// Requests to the card with the configuration write code, in the simulator's frame log.
int configurationWrites(const BusSimulator& sim) {
  int writes = 0;
  for (const BusSimulator::LoggedFrame& frame : sim.frames())
    if (frame.direction == "RX" && frame.text.find("addr=1 code=0F") != std::string::npos)
      ++writes;
  return writes;
}

// The store's card setting changed in memory since the wizard copied it: the copy's 0
// counts as a change at finish.
void changeStoredRadio(WizardDevice& device) {
  orvDatas* datas = device.core->datas();
  datas->lock_ORVconfig();
  datas->ORV_FileConfig_ptr()->setVar("z2_CM_RADIO_ENABLED", "1", "Module_Mesure_V2", "");
  datas->unlock_ORVconfig();
}

}  // namespace

TEST(cConfWizard, ChangedCardSettingsArePushedAndARefusalIsShown) {
  testApplication();
  struct Case {
    const char* extra;  // scenario lines after the card
    bool card;
    int writes;
    std::vector<std::string> titles;
  };
  const Case cases[] = {
      {"set 1 ack 0F 1A\n", true, 1,
       {"MesV2: ERREUR Envoi Configuration", "Fin de configuration"}},
      {"", true, 1, {"Fin de configuration"}},
      {"", false, 0, {"Fin de configuration"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.card ? "card " : "no card ") + c.extra);
    bool warned = false;
    WizardDevice device(kCardPlant);
    BusSimulator sim(device.box, (c.card ? "module 1 mesv2 configured=1\n" + std::string(c.extra)
                                         : garbledModules({1})) +
                                     garbledModules({0, 5, 6, 7, 8}));
    ASSERT_TRUE(sim.ready());
    device.core->start_ModulsCenter();
    ASSERT_EQ(device.core->modulsCenter()->isModulMesV2_connected() == 1, c.card);
    Wizard wizard;
    changeStoredRadio(device);
    if (!c.card) {
      // The card test page holds Next for a card that was not detected: go to the end.
      wizard.stack()->setCurrentIndex(16);
      wizard.frame->OnEnabledNextBtn(true);
    }
    wizard.goTo(16);
    const int writesBefore = configurationWrites(sim);
    std::string configAtWarning;
    ModalBoxes boxes([&](QMessageBox* box) {
      if (box->icon() != QMessageBox::Warning) return;
      warned = true;
      configAtWarning = device.config();
      EXPECT_EQ(box->text().toStdString(),
                "MesV2: ERREUR, Envoi Nouvelle Configuration, veuillez re-essayer");
      EXPECT_EQ(box->buttons().size(), 1);
      saveScreen(box, "wizard-card-refused");
    });
    QSignalSpy finished(wizard.frame.get(), SIGNAL(OnBtnFinishSignal()));
    QTest::mouseClick(wizard.button("finishButton"), Qt::LeftButton);
    EXPECT_EQ(boxes.titles(), c.titles);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(configurationWrites(sim) - writesBefore, c.writes);
    // Without a card the plant has no card section in the wizard's copy.
    if (c.card) {
      EXPECT_NE(device.config().find("z2_CM_RADIO_ENABLED=0"), std::string::npos);
    }
    if (warned) {
      EXPECT_NE(configAtWarning.find("z2_CM_RADIO_ENABLED=0"), std::string::npos);
    }
  }
}

// A box waits in an event loop of its own, where the main window may delete the wizard (the
// inactivity timeout, the core's message page). Answered afterwards, the box returns into a
// slot whose page is gone; what the finish stored before its box stays stored.
TEST(cConfWizard, BoxesAnsweredAfterTheWizardWasDeleted) {
  testApplication();
  struct Case {
    int page;
    const char* button;
    QMessageBox::StandardButton answer;
  };
  const Case cases[] = {
      {16, "finishButton", QMessageBox::Ok},
      {8, "pB_CalibPres", QMessageBox::Yes},
      {9, "TareButton", QMessageBox::Yes},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    WizardDevice device(kNewPlant);
    Wizard wizard;
    wizard.goTo(c.page);
    QPushButton* button = wizard.current()->findChild<QPushButton*>(c.button);
    if (!button) button = wizard.button(c.button);
    ASSERT_NE(button, nullptr);
    const QPointer<cConfWizard> frame(wizard.frame.get());
    int answered = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      if (wizard.frame) return wizard.frame.release()->deleteLater();
      if (frame) return;  // not deleted yet
      box->button(c.answer)->click();
      ++answered;
    });
    poll.start(10);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(answered, 1);
    EXPECT_TRUE(frame.isNull());
    if (c.page == 16) {
      EXPECT_FALSE(device.configHas("FLAG_PREM_DEMARRAGE=0"));
      EXPECT_TRUE(device.configHas("FLAG_PREM_DEMARRAGE=" + device.stored("FLAG_PREM_DEMARRAGE")));
    }
  }
}

TEST(cConfWizard, SavingPageCountsEveryEntryOfEverySection) {
  testApplication();
  WizardDevice device(kCardPlant);
  Wizard wizard;
  wizard.goTo(16);
  auto* bar = wizard.current()->findChild<QProgressBar*>("enrgprogressBar");
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->value(), 0);
  ModalBoxes boxes([&](QMessageBox*) { wizard.shot("wizard-page16-saved"); });
  QTest::mouseClick(wizard.button("finishButton"), Qt::LeftButton);
  EXPECT_GT(bar->maximum(), 1);
  EXPECT_EQ(bar->value(), bar->maximum());  // full, the card section included
}

TEST(cConfWizard, PagesAskForTheirTimeoutThroughTheFrame) {
  testApplication();
  WizardDevice device(kNewPlant);
  Wizard wizard;
  wizard.goTo(10);
  QSignalSpy timeouts(wizard.frame.get(), SIGNAL(OnReloadConfTimerSignal(int)));
  wizard.next();  // the PT100 page asks for an hour while it loads, the frame then for 5 min
  std::vector<int> asked;
  for (const QList<QVariant>& args : timeouts) asked.push_back(args.at(0).toInt());
  EXPECT_EQ(asked, (std::vector<int>{300000, 3600000, 300000}));
  timeouts.clear();
  wizard.current()->findChild<QPushButton*>("Etalonnage_Button")->click();
  ASSERT_EQ(timeouts.count(), 1);
  EXPECT_EQ(timeouts.at(0).at(0).toInt(), 3600000);
}

TEST(cConfWizard, CancelledPumpDownWatchKeepsTheFileButNotItsJournalLine) {
  testApplication();
  WizardDevice device(kNewPlant);
  const std::string before = device.config();
  {
    Wizard wizard;
    wizard.goTo(10);
    wizard.on<QGroupBox>("gB_PumpDown")->setChecked(true);
    wizard.next();
    QTest::mouseClick(wizard.button("cancelButton"), Qt::LeftButton);
  }
  EXPECT_EQ(device.config(), before);  // byte for byte
  EXPECT_TRUE(device.journalHas("1030;ALARME_PUMPDOWN=1;;;"));
}

TEST(cConfWizard, NamesWithSignsAndBlanksReadBackExactly) {
  testApplication();
  WizardDevice device(kNewPlant);
  auto finishWith = [&](const char* deviceName, const char* siteName) {
    Wizard wizard;
    wizard.next();
    wizard.on<QLineEdit>("lE_orvname")->setText(QString::fromLatin1(deviceName));
    wizard.on<QLineEdit>("LineEClientSiteName")->setText(QString::fromLatin1(siteName));
    wizard.goTo(16);
    ModalBoxes boxes;
    QTest::mouseClick(wizard.button("finishButton"), Qt::LeftButton);
  };
  // What the wizard shows after the store has read the file again.
  auto shownAfterReload = [&]() {
    EXPECT_EQ(device.core->datas()->readORVconfigFile("/home/ORV/config.conf"), 1);
    Wizard wizard;
    wizard.next();
    return wizard.on<QLineEdit>("lE_orvname")->text().toStdString() + "|" +
           wizard.on<QLineEdit>("LineEClientSiteName")->text().toStdString();
  };
  finishWith("a=b", "Chez Paul #3");
  EXPECT_TRUE(device.configHas("CONFIG_ORV_NAME=\"a=b\""));
  EXPECT_TRUE(device.configHas("CONFIG_NOM_CLIENT_DU_SITE=\"Chez Paul #3\""));
  EXPECT_NE(device.box.cli("cfg get 107").out.find("string=a=b\n"), std::string::npos);
  EXPECT_EQ(shownAfterReload(), "a=b|Chez Paul #3");

  finishWith("", "Paul ");
  EXPECT_TRUE(device.configHas("CONFIG_ORV_NAME=\"\""));
  EXPECT_EQ(shownAfterReload(), "|Paul ");
}

TEST(cConfWizard, SavingPageHearsOneProgressStepPerEntryFromTheGuiThread) {
  testApplication();
  WizardDevice device(kNewPlant);
  Wizard wizard;
  wizard.goTo(16);
  QObject* page = wizard.current();
  std::vector<std::pair<int, int>> steps;
  bool elsewhere = false;
  auto connection = QObject::connect(
      static_cast<Enregistrement*>(page), &Enregistrement::OnSetProgressValueSignal,
      [&](int value, int maximum) {
        steps.emplace_back(value, maximum);
        elsewhere = elsewhere || QThread::currentThread() != page->thread();
      });
  ModalBoxes boxes;
  QTest::mouseClick(wizard.button("finishButton"), Qt::LeftButton);
  QObject::disconnect(connection);
  ASSERT_FALSE(steps.empty());
  const int entries = steps.back().second;
  EXPECT_EQ(static_cast<int>(steps.size()), entries);
  for (int i = 0; i < static_cast<int>(steps.size()); ++i)
    EXPECT_EQ(steps[i], std::make_pair(i + 1, entries)) << i;
  EXPECT_FALSE(elsewhere);
}
