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

#include <string>

#include "../../bus/support/module_bench.h"
#include "HpfModul.h"
#include "cConfHPF.h"
#include "orvqt_workdir.h"
#include "screen_shot.h"

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
  template <typename T>
  T* find(const char* name) const {
    return wizard->findChild<T*>(QString::fromLatin1(name));
  }
  // The picture once the layouts have placed what the last steps showed or hid.
  void saveScreen(const std::string& name) {
    QCoreApplication::processEvents();
    ::saveScreen(&stack, name);
  }

  QStackedWidget stack;
  cConfHPF* wizard = nullptr;
};
