// The journal viewer: the last 1000 lines of the journal, each with its event name, filled
// half a second after the page shows; a missing file gives an empty list.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>

#include <string>

#include "Journal.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"

namespace {

struct Viewer {
  Viewer() { list = page.findChild<QListWidget*>(QStringLiteral("textEdit")); }
  // Shows the page and runs the fill its timer would run.
  void showAndFill() {
    page.show();
    EXPECT_EQ(list->count(), 0);  // shown empty first
    auto* timer = page.findChild<QTimer*>(QStringLiteral("fillTimer"));
    EXPECT_TRUE(timer->isActive());
    EXPECT_TRUE(timer->isSingleShot());
    EXPECT_EQ(timer->interval(), 500);
    timer->stop();
    page.OnTimerShow();
  }
  std::string item(int row) { return list->item(row)->text().toStdString(); }
  QApplication& app = testApplication();
  TestSandbox box;
  Journal page{nullptr};
  QListWidget* list;
};

TEST(Journal, ShowsTheLastThousandLinesScrolledToTheEnd) {
  Viewer v;
  std::string journal;
  for (int i = 1; i <= 1000; ++i)
    journal +=
        "01/03/2015;08:00:" + std::to_string(i % 60) + ";4;line " + std::to_string(i) + ";;ORV;\n";
  journal += "05/03/2015;14:02:11;5002;;;ORV;\n";
  v.box.write("/home/ORV/journal.log", journal);
  v.showAndFill();
  ASSERT_EQ(v.list->count(), 1000);
  EXPECT_EQ(v.item(0), "01/03/2015 08:00:2 : E_EVT_ORV_START : 'line 2' -> '' : 'ORV'");
  EXPECT_EQ(v.item(999), "05/03/2015 14:02:11 : E_EVT_ACTION_REAPP : 'ORV'");
  QScrollBar* bar = v.list->verticalScrollBar();
  EXPECT_GT(bar->maximum(), 0);
  EXPECT_EQ(bar->value(), bar->maximum());
  EXPECT_EQ(v.list->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(bar->sizeHint().width(), 40);  // wide enough for a finger
  saveScreen(&v.page, "Journal-end");
}

TEST(Journal, EntriesFromTheLineFields) {
  Viewer v;
  const struct {
    const char* line;
    const char* entry;  // nullptr: not shown
  } cases[] = {
      {"05/03/2015;14:02:11;5004;;;ORV;", "05/03/2015 14:02:11 : Event5004 : 'ORV'"},
      {"05/03/2015;14:02:11;abc;;;ORV;", "05/03/2015 14:02:11 : Eventabc : 'ORV'"},
      {"05/03/2015;14:02:11;4;;;;", "05/03/2015 14:02:11 : E_EVT_ORV_START"},
      {"05/03/2015;14:02:11;1;;b;NET;", "05/03/2015 14:02:11 : E_EVT_ACQ : '' -> 'b' : 'NET'"},
      {"05/03/2015;14:02:11;1;100;Yes leak;ORV;",
       "05/03/2015 14:02:11 : E_EVT_ACQ : '100' -> 'Yes leak' : 'ORV'"},
      {"05/03/2015;14:02:11;4001;SENSORS ERROR;ERREUR: sondes ou carte mesure;DEBUG;",
       "05/03/2015 14:02:11 : E_EVT_CONSULT_JOURNAL : 'SENSORS ERROR' -> 'ERREUR: sondes ou "
       "carte mesure' : 'DEBUG'"},
      {"05/03/2015;14:02:11;113", "05/03/2015 14:02:11 : E_EVT_DEFAUT_COM_DEBITMETRE"},
      {"05/03/2015;14:02:11;128;;;TECH;", "05/03/2015 14:02:11 : Event128 : 'TECH'"},
      {"05/03/2015;14:02:11", nullptr},
      {"", nullptr},
  };
  std::string journal;
  std::vector<std::string> expected;
  for (const auto& c : cases) {
    journal += std::string(c.line) + "\n";
    if (c.entry) expected.push_back(c.entry);
  }
  v.box.write("/home/ORV/journal.log", journal);
  v.showAndFill();
  ASSERT_EQ(v.list->count(), static_cast<int>(expected.size()));
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(v.item(i), expected[i]);
  saveScreen(&v.page, "Journal-entries");
  EXPECT_EQ(v.page.GetLogString(7).toStdString(), "Event7");
  EXPECT_EQ(v.page.GetLogString(5003).toStdString(), "E_EVT_ACTION_SEND");
}

TEST(Journal, NoJournalFileGivesAnEmptyList) {
  Viewer v;
  v.showAndFill();
  EXPECT_EQ(v.list->count(), 0);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  QSignalSpy escaped(&v.page, &Journal::esc_Journal);
  v.page.findChild<QPushButton*>(QStringLiteral("Esc"))->click();
  EXPECT_EQ(escaped.count(), 1);
}

}  // namespace
