// The measuring card of the wizard's commissioning pages on the test bench: a device with
// its store and file service (clock at 2024-03-01 10:00:00), orvbus-sim playing the card on
// "/dev/ttyS1", the module centre registered after one detection as the core starts it,
// orvQT's working folder, and the wizard's working copy a page is built on. The
// processing thread does not run: the pages have the bus to themselves, as while the main
// window keeps it paused.
//
//   CardPlant plant(CardPlant::v2Card());
//   plant.sim.command("set 1 hp 0.34");
//   plant.copy.set("z2_CM_TYPE", "2");
//   Capteurhp* page = plant.slot.put(new Capteurhp(&plant.slot, plant.copy.ptr()));
#pragma once

#include <QAbstractButton>
#include <QTest>

#include <string>

#include "core_device.h"
#include "orvbus_sim.h"
#include "support/orvqt_window.h"
#include "support/orvqt_workdir.h"
#include "support/wizard_copy.h"

// The application exists before the first widget of the bench is built.
struct GuiApplicationFirst {
  GuiApplicationFirst() { testApplication(); }
};

struct CardPlant : private GuiApplicationFirst, CoreDevice {
  // `modules`: the scenario; `deviceConfig`: section General of the device's config.conf.
  explicit CardPlant(const std::string& modules, const std::string& deviceConfig = "")
      : CoreDevice(deviceConfig), cwd(prepareOrvqtWorkDir(box)), sim(box, modules) {
    if (sim.ready()) core->start_ModulsCenter();
  }

  // A V2 card at address 1, firmware 2.1; every other module answers garbled.
  static std::string v2Card(const std::string& settings = "") {
    return "module 1 mesv2 configured=1 version=2.1 " + settings + "\n" +
           garbledModules({0, 5, 6, 7, 8});
  }
  // A V1 card (the device's pressure range is 0 to 30 bar).
  static std::string v1Card(const std::string& settings) {
    return "module 0 mesv1 " + settings + "\n" + garbledModules({5, 6, 7, 8});
  }
  // No card answers the detection.
  static std::string noCard() { return garbledModules({0, 1, 5, 6, 7, 8}); }

  void setCard(const std::string& key, const std::string& value) {
    copy.ptr()->setVar(key, value, "Module_Mesure_V2", "");
  }
  std::string card(const std::string& key) {
    std::string value = "<missing>";
    copy.ptr()->getVar(key, value, "Module_Mesure_V2");
    return value;
  }
  // Values requests (code 13) the card received.
  int valueRequests() const {
    int n = 0;
    for (const BusSimulator::LoggedFrame& f : sim.frames())
      if (f.direction == "RX" && f.text.find("code=0D") != std::string::npos) ++n;
    return n;
  }
  std::string lastJournalLine() {
    const std::string text = box.read("/home/ORV/journal.log");
    const size_t end = text.find_last_not_of('\n');
    if (end == std::string::npos) return "";
    const size_t start = text.rfind('\n', end);
    return text.substr(start == std::string::npos ? 0 : start + 1, end - (start == std::string::npos ? 0 : start + 1) + 1);
  }

  WorkingDirectory cwd;
  BusSimulator sim;
  WizardCopy copy;
  WizardSlot slot;
};

// Lets the worker started by a button run until the button is enabled again.
inline bool workerDone(QAbstractButton* button, int ms = 20000) {
  return waitUntil([button] { return button->isEnabled(); }, ms);
}
