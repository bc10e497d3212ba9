// The workers of the four commissioning pages end with their page: deleting a page while
// its worker talks to a slow card returns within one exchange, and nothing the worker
// finds reaches the copy or the journal afterwards. And a worker waits for a processing
// pass that is already on the bus.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPushButton>

#include <functional>

#include "Capteurhp.h"
#include "Etalonnage.h"
#include "Mestare.h"
#include "ModulsCenter.h"
#include "Tcm.h"
#include "support/card_plant.h"
#include "support/modal_answers.h"
#include "time_bounds.h"

namespace {

// The whole copy as text, to see that nothing changed.
std::string copyText(orv_configFile* copy) {
  orv_configFile::SectionList sections;
  copy->getConfEntryList(sections);
  std::string out;
  for (const auto& section : sections)
    for (const auto& entry : section.entries)
      out += section.name + "/" + entry.keyword + "=" + entry.value + "\n";
  return out;
}

}  // namespace

TEST(CardWorkers, DeletingAPageEndsItsWorker) {
  CardPlant plant(CardPlant::v2Card());
  ASSERT_TRUE(plant.sim.ready());
  plant.sim.command("set 1 delay 1000");
  struct Case {
    const char* page;
    std::function<QWidget*(QWidget*, orv_configFile*)> make;
    const char* button;
  } cases[] = {
      {"Tcm", [](QWidget* p, orv_configFile* c) { return new Tcm(p, c); }, "testButton"},
      {"Capteurhp", [](QWidget* p, orv_configFile* c) { return new Capteurhp(p, c); }, "pB_CalibPres"},
      {"Mestare", [](QWidget* p, orv_configFile* c) { return new Mestare(p, c); }, "TareButton"},
      {"Etalonnage", [](QWidget* p, orv_configFile* c) { return new Etalonnage(p, c); },
       "Etalonnage_Button"},
  };
  std::vector<std::unique_ptr<WizardCopy>> copies;
  std::vector<std::string> snapshots;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.page);
    copies.emplace_back(new WizardCopy);
    WizardCopy& copy = *copies.back();
    copy.set("z2_CM_TYPE", "2");
    copy.set("FLAG_PREM_DEMARRAGE", "0");
    WizardSlot slot;
    QWidget* page = slot.put(c.make(&slot, copy.ptr()));
    arrive(*page);
    ModalAnswers answers;
    answers.then("&Yes");
    QTest::mouseClick(page->findChild<QPushButton*>(c.button), Qt::LeftButton);
    snapshots.push_back(copyText(copy.ptr()));
    QTest::qWait(300);
    QElapsedTimer deletion;
    deletion.start();
    delete page;
    EXPECT_LT(deletion.elapsed(), timeBound(2000));
  }
  const std::string journal = plant.box.read("/home/ORV/journal.log");
  QTest::qWait(7000);
  EXPECT_EQ(plant.box.read("/home/ORV/journal.log"), journal);
  for (size_t i = 0; i < copies.size(); ++i)
    EXPECT_EQ(copyText(copies[i]->ptr()), snapshots[i]) << cases[i].page;
}

// The main window pauses the processing thread before the wizard opens, but a pass that is
// already on the bus finishes its round: the card test waits for it, and no request goes
// out while an answer is still due.
TEST(CardWorkers, TestWaitsForThePassOnTheBus) {
  CardPlant plant("module 1 mesv2 configured=1 version=2.1\nmodule 6 energie\n" +
                  garbledModules({0, 5, 7, 8}));
  ASSERT_TRUE(plant.sim.ready());
  ASSERT_EQ(plant.core->modulsCenter()->isModulEner_connected(0), 1);
  plant.sim.command("set 6 delay 1200");
  plant.proc->setModulsCenter(plant.core->modulsCenter());
  plant.proc->setSleepFunction([](unsigned) {});
  plant.proc->setPauseSleepMs(10);
  plant.copy.set("z2_CM_TYPE", "2");
  Tcm* page = plant.slot.put(new Tcm(&plant.slot, plant.copy.ptr()));
  arrive(*page);

  plant.proc->start();
  ASSERT_TRUE(waitUntil([&] { return plant.proc->isInPass(); }));
  QTest::qWait(100);  // the pass is on the bus, waiting for the slow module
  plant.proc->change_sleepThreadState(true);
  auto* button = page->findChild<QPushButton*>("testButton");
  QTest::mouseClick(button, Qt::LeftButton);
  ASSERT_TRUE(workerDone(button));
  EXPECT_FALSE(plant.proc->isInPass());
  plant.proc->set_ThreadRunning(0);
  plant.proc->join();

  // Each request is answered (or given up) before the next one goes out: after a request
  // to a module that answers, the next request comes only after its answer.
  std::vector<BusSimulator::LoggedFrame> frames = plant.sim.frames();
  int lastPassAnswer = -1, testRequest = -1;
  for (size_t i = 0; i < frames.size(); ++i) {
    if (frames[i].direction == "TX" && frames[i].text.find("addr=6") != std::string::npos)
      lastPassAnswer = static_cast<int>(i);
    if (frames[i].direction == "RX" && frames[i].text.find("code=0D") != std::string::npos)
      testRequest = static_cast<int>(i);
  }
  ASSERT_GE(testRequest, 0);
  EXPECT_GT(testRequest, lastPassAnswer) << plant.sim.log();
  bool awaiting = false;
  for (const BusSimulator::LoggedFrame& f : frames) {
    if (f.direction == "RX") {
      EXPECT_FALSE(awaiting) << "request sent while an answer was due: " << f.text;
      awaiting = true;
    } else if (f.direction == "TX") {
      awaiting = false;
    }
  }
  delete page;
}
