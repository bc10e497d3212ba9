// Wizard page 9, the column tare, on orvbus-sim through the real module centre: the
// expected minimum, the mean of five readings stored with its date, the journal event, the
// Next flag, and the failures.
#include <gtest/gtest.h>

#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>

#include "Mestare.h"
#include "support/card_plant.h"
#include "support/modal_answers.h"
#include "support/screen_shot.h"

namespace {

struct TareBench : CardPlant {
  explicit TareBench(const std::string& modules) : CardPlant(modules) {
    copy.set("CONFIG_TANK_TYPE", "V");
    copy.set("CONFIG_HEIGHT", "1500");
    copy.set("CONFIG_COLUMN_TYPE", "40x2");
    copy.set("z2_CM_TYPE", "2");
  }
  Mestare* open() {
    page = slot.put(new Mestare(&slot, copy.ptr()));
    next.reset(new QSignalSpy(page, SIGNAL(OnEnableNextBtn(bool))));
    timeouts.reset(new QSignalSpy(page, SIGNAL(OnReloadConfTimerSignal(int))));
    arrive(*page);
    return page;
  }
  QPushButton* tareButton() { return page->findChild<QPushButton*>("TareButton"); }
  QLabel* label(const char* name) { return page->findChild<QLabel*>(name); }
  std::string text(const char* name) { return label(name)->text().toStdString(); }
  bool tare(const std::string& answer = "&Yes") {
    ModalAnswers boxes;
    boxes.then(answer);
    next->clear();
    QTest::mouseClick(tareButton(), Qt::LeftButton);
    asked = boxes.shown;
    return workerDone(tareButton(), 40000);
  }
  Mestare* page = nullptr;
  std::unique_ptr<QSignalSpy> next;
  std::unique_ptr<QSignalSpy> timeouts;
  std::vector<ModalAnswers::Shown> asked;
};

bool matches(const std::string& text, const char* pattern) {
  return QRegularExpression(QString::fromLatin1(pattern)).match(QString::fromStdString(text)).hasMatch();
}

}  // namespace

TEST(Mestare, TareOfFiveReadingsStoredDatedAndJournalled) {
  TareBench bench(CardPlant::v2Card());
  ASSERT_TRUE(bench.sim.ready());
  bench.sim.command("set 1 seq weight 2400.9,-999,2401.2,-999.4,2399.7");
  bench.open();
  EXPECT_EQ(bench.text("label_Tare"), "Normalement la tare est superieur a  4218.48 gr");
  EXPECT_EQ(bench.label("label_Tare")->styleSheet().toStdString(), "QLabel { color:#0000ff;}");
  EXPECT_EQ(bench.text("labelpoidmesure"), "");
  EXPECT_FALSE(bench.label("labelerrcom")->isVisible());
  EXPECT_EQ(bench.copy.get("CONFIG_COLUMN_TARE"), "0");
  ASSERT_EQ(bench.next->count(), 1);
  EXPECT_FALSE(bench.next->at(0).at(0).toBool());
  const std::string journalBefore = bench.box.read("/home/ORV/journal.log");

  ASSERT_TRUE(bench.tare("&No"));
  EXPECT_EQ(bench.asked.size(), 1u);
  EXPECT_EQ(bench.valueRequests(), 0);

  const int before = bench.valueRequests();
  ASSERT_TRUE(bench.tare());
  ASSERT_EQ(bench.asked.size(), 1u);
  EXPECT_EQ(bench.asked[0].title, "ATTENTION Lancer la TARE ?");
  EXPECT_EQ(bench.asked[0].text, "Lancer la procedure de TARE ?!\netes vous sûr?");
  EXPECT_EQ(bench.text("labelpoidmesure"), "2400 gr");
  auto* bar = bench.page->findChild<QProgressBar*>("progressBartare");
  EXPECT_EQ(bar->maximum(), 4);
  EXPECT_EQ(bar->value(), 4);
  EXPECT_FALSE(bar->isEnabled());
  EXPECT_EQ(bench.copy.get("CONFIG_COLUMN_TARE"), "2400");
  EXPECT_TRUE(matches(bench.copy.get("CONFIG_TARE_DATE"), "^01/03/2024 10:0[0-4]:[0-5][0-9]$"))
      << bench.copy.get("CONFIG_TARE_DATE");
  EXPECT_TRUE(matches(bench.lastJournalLine(), "^01/03/2024;10:0[0-4]:[0-5][0-9];1009;TARE;;;$"))
      << bench.lastJournalLine();
  ASSERT_EQ(bench.next->count(), 1);
  EXPECT_TRUE(bench.next->at(0).at(0).toBool());
  EXPECT_EQ(bench.valueRequests() - before, 5);
  saveScreen(&bench.slot, "Mestare-tared");

  // A card that answers wrongly: nothing stored or journalled, the flag untouched.
  const std::string journal = bench.box.read("/home/ORV/journal.log");
  bench.copy.set("CONFIG_COLUMN_TARE", "2350");
  bench.sim.command("fault 1 crc");
  ASSERT_TRUE(bench.tare());
  EXPECT_TRUE(bench.label("labelerrcom")->isVisible());
  EXPECT_EQ(bench.copy.get("CONFIG_COLUMN_TARE"), "2350");
  EXPECT_EQ(bench.box.read("/home/ORV/journal.log"), journal);
  EXPECT_TRUE(bench.next->isEmpty());
  saveScreen(&bench.slot, "Mestare-failed");
  EXPECT_NE(journal, journalBefore);
}

TEST(Mestare, ExpectedMinimumOfAHorizontalReceiver) {
  TareBench bench(CardPlant::v2Card());
  ASSERT_TRUE(bench.sim.ready());
  struct Case {
    const char* type;
    const char* diameter;
    const char* shown;
  } cases[] = {{"1 5/8", nullptr, "1035.4"}, {"1 5/8 K65", "1199.9", "3844.89"},
               {"1 5/8 k65", nullptr, "0"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    WizardCopy copy;
    copy.set("CONFIG_TANK_TYPE", "H");
    copy.set("CONFIG_COLUMN_TYPE", c.type);
    if (c.diameter) copy.set("CONFIG_DIAMETRE", c.diameter);
    Mestare page(nullptr, copy.ptr());
    EXPECT_EQ(page.findChild<QLabel*>("label_Tare")->text().toStdString(),
              std::string("Normalement la tare est superieur a  ") + c.shown + " gr");
  }
}

// A V2 card named in the configuration but not found at start-up has no client.
TEST(Mestare, UndetectedCardFailsTheTare) {
  TareBench bench(CardPlant::noCard());
  ASSERT_TRUE(bench.sim.ready());
  bench.open();
  ASSERT_TRUE(bench.tare());
  EXPECT_TRUE(bench.label("labelerrcom")->isVisible());
  EXPECT_EQ(bench.copy.get("CONFIG_COLUMN_TARE"), "0");
  EXPECT_TRUE(bench.next->isEmpty());

  QEvent change(QEvent::LanguageChange);
  QApplication::sendEvent(bench.page, &change);
  EXPECT_EQ(bench.text("label_Tare"), "");
  EXPECT_EQ(bench.text("labelpoid"), "Poids de la colonne :");
}
