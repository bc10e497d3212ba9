// The plant of the HPF screen tests: a sandbox with orvQT's working folder (pictures), the
// configuration store and the module centre registered as the core registers them, and
// orvbus-sim playing a V2 card, the HPF module (one relay card beyond the first, firmware
// 2.1) and garbled stand-ins for the V1 card and the ENERGIE modules, so that detection
// passes over them at once. The processing thread does not run: the screens have the bus
// to themselves, as while the main window keeps it paused.
//
//   HpfScreenBench bench;                  // detected, HPF client connected
//   WizardHost host;  cConfHPF* wizard = host.open();
//   QTest::mouseClick(host.button("SUIVANT"), Qt::LeftButton);
#pragma once

#include <QPushButton>
#include <QStackedWidget>
#include <QString>

#include <cstring>
#include <string>

#include "../../bus/support/module_bench.h"
#include "HpfModul.h"
#include "cConfHPF.h"
#include "orvqt_workdir.h"
#include "screen_shot.h"

// The record as config.conf gives it without a "Module_HPF" section: every key's default.
inline hp_global_config_t hpfDefaultRecord() {
  hp_global_config_t r;
  std::memset(&r, 0, sizeof r);
  for (size_t i = 0; i < HPF_KEY_TABLE.count; ++i)
    setModuleField(&r, HPF_KEY_TABLE.keys[i], HPF_KEY_TABLE.keys[i].def);
  return r;
}

// One page of the wizard on its own, on a working record of the test's, in a shown
// 640x480 frame: show() and hide() are the wizard arriving on and leaving the page.
struct ApplicationFirst {
  ApplicationFirst() { testApplication(); }
};

template <typename Page>
class PageHost : private ApplicationFirst {
public:
  explicit PageHost(hp_global_config_t* record) {
    frame.resize(640, 480);
    frame.addWidget(&elsewhere);  // what the frame shows while the page is left
    frame.show();
    page = new Page(&frame, record);
    frame.addWidget(page);
  }
  void show() { frame.setCurrentWidget(page); }
  void hide() { frame.setCurrentWidget(&elsewhere); }
  template <typename T>
  T* find(const char* name) const {
    return page->template findChild<T*>(QString::fromLatin1(name));
  }
  void saveScreen(const std::string& name) {
    QCoreApplication::processEvents();
    ::saveScreen(&frame, name);
  }

  QStackedWidget frame;
  QWidget elsewhere;
  Page* page;
};

inline std::string hpfPlant() {
  return "module 1 mesv2 configured=1\nmodule 5 hpf relays=1 version=2.1\n" +
         garbledModules({0, 6, 7, 8});
}

class HpfScreenBench : public CentreBench {
public:
  // `more`: scenario lines after the plant's; `config`: config.conf before the start.
  explicit HpfScreenBench(const std::string& more = "", const std::string& config = "",
                          bool detectModules = true)
      : CentreBench(hpfPlant() + more, config), cwd(prepareOrvqtWorkDir(box)) {
    testApplication();
    if (detectModules) detect();
  }

  // The simulator runs and detection found the HPF module (tests assert it first).
  bool ready() { return sim->ready() && hpf() != nullptr; }
  HpfModul* hpf() { return centre->hpf_ptr(); }
  hp_global_config_t clientRecord() {
    hp_global_config_t r;
    hpf()->cfg_getHPF_Config(&r);
    return r;
  }
  // Payloads of the configuration writes (code 'j', 6A) that reached the module.
  std::vector<std::vector<unsigned char>> configWrites() const { return requests(5, 'j'); }

  WorkingDirectory cwd;
};

// The main window's page stack as the wizard's parent: 640x480, shown.
class WizardHost {
public:
  WizardHost() {
    stack.resize(640, 480);
    stack.show();
  }
  ~WizardHost() { delete wizard; }

  cConfHPF* open() {
    wizard = new cConfHPF(&stack);
    stack.addWidget(wizard);
    stack.setCurrentWidget(wizard);
    return wizard;
  }
  // A push button of the wizard by its text ("QUITTER", "PRECEDENT", "SUIVANT").
  QPushButton* button(const QString& text) const {
    for (QPushButton* b : wizard->findChildren<QPushButton*>())
      if (b->text() == text) return b;
    return nullptr;
  }
  QStackedWidget* pages() const { return wizard->findChild<QStackedWidget*>(); }
  int page() const { return pages()->currentIndex(); }
  // A widget of the wizard by its form name; `page` for the names several forms use.
  template <typename T>
  T* find(const char* name, int page = -1) const {
    QObject* in = page < 0 ? static_cast<QObject*>(wizard) : pages()->widget(page);
    return in->findChild<T*>(QString::fromLatin1(name));
  }
  // The picture once the layouts have placed what the last steps showed or hid.
  void saveScreen(const std::string& name) {
    QCoreApplication::processEvents();
    ::saveScreen(&stack, name);
  }

  QStackedWidget stack;
  cConfHPF* wizard = nullptr;
};
