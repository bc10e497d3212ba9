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
#include "Tcm.h"
#include "support/card_plant.h"
#include "support/modal_answers.h"

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
    EXPECT_LT(deletion.elapsed(), 2000);
  }
  const std::string journal = plant.box.read("/home/ORV/journal.log");
  QTest::qWait(7000);
  EXPECT_EQ(plant.box.read("/home/ORV/journal.log"), journal);
  for (size_t i = 0; i < copies.size(); ++i)
    EXPECT_EQ(copyText(copies[i]->ptr()), snapshots[i]) << cases[i].page;
}
