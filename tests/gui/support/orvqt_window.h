// The main window on a plant in a test sandbox, for the in-process screen tests: the
// sandbox with the working directory of orvQT, the network card's files, the disk figures,
// a configuration, optionally orvbus-sim with modules and the program clock, then cORV
// built and shown at 640x480. start() runs the start-up report (the real core); the
// destructor ends the core before the window.
//
// cORVProbe is the tests' view of the window's members.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ORV_ProcThread.h"
#include "ORV_UpdThread.h"
#include "ORV_core.h"
#include "cMessageBox.h"
#include "cORV.h"
#include "cPassword.h"
#include "orvPlatform.h"
#include "orv_classPtr.h"
#include "orvbus_sim.h"
#include "screenMsgBox.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"
#include "time_bounds.h"

// Lets the event loop run until `done` holds or `ms` (with the build's margin) have passed;
// whether it holds.
inline bool waitUntil(const std::function<bool()>& done, int ms = 10000) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > timeBound(ms)) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(5);
  }
  return true;
}

struct cORVProbe {
  static QString page(const cORV& w) { return w.currentPageName(); }
  static QStackedWidget* stack(const cORV& w) { return w.mainStack; }
  static QTimer* inactivity(const cORV& w) { return w.inactivityTimer; }
  static int storedTimeout(const cORV& w) { return w.inactivityTimeoutMs; }
  static bool configMenuEntered(const cORV& w) { return w.configMenuEntered; }
  static QWidget* pageBeforeMsgBox(const cORV& w) { return w.pageBeforeMsgBox; }
  static screenMsgBox* msgBox(const cORV& w) { return w.msgBoxPage; }
  static cPassword* menuCode(const cORV& w) { return w.menuCodePage; }
  static cPassword* timeCode(const cORV& w) { return w.timeCodePage; }
  static ORV_core* core(const cORV& w) { return w.core; }
  static void setLangNeed(cORV& w, bool need) { w.langNeed_Reconfig(need); }
};

struct PlantOptions {
  std::string config;              // lines of section General
  std::string carrier = "0";       // the Ethernet cable
  std::string modules;             // orvbus-sim scenario; empty: no simulator
  std::string disk = "1073741824 2147483648";
  const char* clockStart = nullptr;  // ORV_CLOCK_START
};

// A commissioned plant with the V2 card, the HPF and an ENERGIE module on the bus (the
// other addresses garbled, so that detection passes them at once): every module page has
// a module to show.
inline PlantOptions plantWithEveryModule() {
  PlantOptions options;
  options.config = "FLAG_PREM_DEMARRAGE=1709283900\n";
  options.modules =
      "module 1 mesv2 configured=1 version=2.1\nmodule 5 hpf configured=1 version=3.5\n"
      "module 6 energie configured=1 version=1.3\n" +
      garbledModules({0, 7, 8});
  return options;
}

class WindowPlant {
public:
  explicit WindowPlant(const PlantOptions& options = PlantOptions()) {
    testApplication();
    setenv("TZ", "UTC", 1);
    tzset();
    cwd_.reset(new WorkingDirectory(prepareOrvqtWorkDir(box)));
    box.write("/sys/class/net/eth0/carrier", options.carrier + "\n");
    box.write("/sys/class/net/eth0/address", "00:1a:2b:3c:4d:5e\n");
    box.write("/platform_stub/diskspace", options.disk + "\n");
    box.write("/home/ORV/config.conf", "[General]\n" + options.config);
    if (options.clockStart) setenv("ORV_CLOCK_START", options.clockStart, 1);
    orv::resetWallClock();
    if (!options.modules.empty()) sim.reset(new BusSimulator(box, options.modules));
    window.reset(new cORV(nullptr));
    window->resize(640, 480);
    window->show();
  }
  ~WindowPlant() {
    orv_classPtr* registry = Singleton<orv_classPtr>::ptr();
    if (ORV_core* core = registry->core) {
      // The core's own stop: each worker thread leaves its loop before its object, the
      // module centre and the refrigerant facade are freed.
      core->closeORV_core();
      delete core;
    }
    window.reset();
    // Pages given to deleteLater go now, while the application still runs.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    sim.reset();
    unsetenv("ORV_CLOCK_START");
    orv::resetWallClock();
  }
  WindowPlant(const WindowPlant&) = delete;
  WindowPlant& operator=(const WindowPlant&) = delete;

  bool start(const std::string& language = "fr") { return window->On_initAll(language); }
  // Starts and closes the report at once (its timer run out): the main screen on a
  // commissioned plant, the menu-code page otherwise.
  void startPastReport() {
    ASSERT_TRUE(start());
    exitTimer()->start(1);
    EXPECT_TRUE(waitUntil([this] { return page() != QStringLiteral("msgBoxPage"); }));
  }

  QString page() const { return cORVProbe::page(*window); }
  template <typename T = QWidget>
  T* find(const char* name) const {
    return window->findChild<T*>(QString::fromLatin1(name));
  }
  // The named widget of the current page.
  template <typename T = QWidget>
  T* onPage(const char* name) const {
    return cORVProbe::stack(*window)->currentWidget()->findChild<T*>(QString::fromLatin1(name));
  }
  void click(const char* name) const {
    QPushButton* button = onPage<QPushButton>(name);
    if (!button) ADD_FAILURE() << "no button " << name << " on " << page().toStdString();
    else
      button->click();
  }
  // Types `code` on the current code page and presses Validation.
  void enterCode(const QString& code) const {
    auto* field = onPage<QLineEdit>("linePassword");
    if (!field) return ADD_FAILURE() << "no code field on " << page().toStdString();
    QTest::keyClicks(field, code);
    click("pushButtonValidation");
  }
  std::vector<std::string> reportLines() const {
    auto* list = find<QListWidget>("textEdit_msg");
    std::vector<std::string> lines;
    for (int i = 0; list && i < list->count(); ++i) lines.push_back(list->item(i)->text().toStdString());
    return lines;
  }
  QTimer* exitTimer() const { return cORVProbe::msgBox(*window)->findChild<QTimer*>(); }
  ORV_ProcThread* proc() const { return Singleton<orv_classPtr>::ptr()->procThread; }
  ORV_UpdThread* upd() const { return Singleton<orv_classPtr>::ptr()->updThread; }
  // "upd/proc" paused flags, "-" for a worker that runs.
  std::string paused() const {
    return std::string(upd() && upd()->get_sleepThreadState() ? "upd" : "-") + "/" +
           (proc() && proc()->get_sleepThreadState() ? "proc" : "-");
  }
  // Journal lines without their date and time ("128;;;TECH;").
  std::vector<std::string> journal() const {
    std::vector<std::string> lines;
    std::string text = box.read("/home/ORV/journal.log");
    size_t start = 0;
    while (start < text.size()) {
      size_t end = text.find('\n', start);
      if (end == std::string::npos) end = text.size();
      std::string line = text.substr(start, end - start);
      size_t second = line.find(';', line.find(';') + 1);
      lines.push_back(second == std::string::npos ? line : line.substr(second + 1));
      start = end + 1;
    }
    return lines;
  }
  bool journalHas(const std::string& line) const {
    for (const std::string& l : journal())
      if (l == line) return true;
    return false;
  }
  std::string shot(const std::string& name) const { return saveScreen(window.get(), name); }

  TestSandbox box;
  std::unique_ptr<BusSimulator> sim;
  std::unique_ptr<cORV> window;

private:
  std::unique_ptr<WorkingDirectory> cwd_;
};

// What a self-closing box showed; the watcher closes every box it sees by running its
// time-out at once.
struct SeenBox {
  QMessageBox::Icon icon;
  std::string title, text, font;
  int buttons;
  bool parentless;
  int timeoutMs;
  bool singleShot;
};

class BoxWatcher {
public:
  BoxWatcher() {
    poll_.setInterval(5);
    QObject::connect(&poll_, &QTimer::timeout, [this] {
      auto* box = qobject_cast<cMessageBox*>(QApplication::activeModalWidget());
      if (!box || box->property("seen").toBool()) return;
      box->setProperty("seen", true);
      QTimer* timeout = box->findChild<QTimer*>(QString(), Qt::FindDirectChildrenOnly);
      const QFont font = box->font();
      seen.push_back({box->icon(), box->windowTitle().toStdString(), box->text().toStdString(),
                      font.family().toStdString() + " " + std::to_string(font.pointSize()) +
                          (font.bold() ? " bold" : ""),
                      static_cast<int>(box->buttons().size()), box->parent() == nullptr,
                      timeout ? timeout->interval() : 0, timeout && timeout->isSingleShot()});
      if (timeout) timeout->start(1);
    });
    poll_.start();
  }
  std::vector<SeenBox> seen;

private:
  QTimer poll_;
};
