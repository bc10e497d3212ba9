// The maker information page: the version and the two texts of the main window at show,
// the clock in French refreshed by its 500 ms timer while the page is shown.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTextLayout>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include <cstdlib>
#include <ctime>
#include <vector>

#include "Info_Norvale.h"
#include "orvPlatform.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"
#include "support/text_fits.h"

namespace {

class InfoNorvaleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("TZ", "UTC", 1);
    tzset();
    setenv("ORV_CLOCK_START", "2024-12-30 12:00:00", 1);
    orv::resetWallClock();
  }
  void TearDown() override {
    unsetenv("ORV_CLOCK_START");
    orv::resetWallClock();
  }
  // A label's text as it reads: a non-breaking space is a space.
  std::string label(Info_Norvale& page, const char* name) {
    return page.findChild<QLabel*>(QLatin1String(name))
        ->text()
        .replace(QChar(QChar::Nbsp), QLatin1Char(' '))
        .toStdString();
  }
  QApplication& app = testApplication();
  TestSandbox box;
  WorkingDirectory cwd{prepareOrvqtWorkDir(box)};
};

TEST_F(InfoNorvaleTest, ShowsVersionTextsAndAClock) {
  Info_Norvale page(nullptr);
  auto* timer = page.findChild<QTimer*>(QStringLiteral("refreshTimer"));
  ASSERT_NE(timer, nullptr);
  EXPECT_FALSE(timer->isActive());
  page.setCurrentInfo(QStringLiteral("\tCarte Mesure : V2 / 2.1\n"),
                      QStringLiteral("Dernier Apprentissage : 30/12/2024\nDerniere tare : "
                                     "XX.XX.XXXX\nAdresse MAC : 02:00:00:00:00:42\nID ORV : 12"));
  EXPECT_EQ(label(page, "label_Version"), "label version");  // until shown

  page.show();
  EXPECT_EQ(label(page, "label_Version"), "\tORV Version : 10.04.05\n\tCarte Mesure : V2 / 2.1\n");
  EXPECT_EQ(label(page, "info_tare"),
            "Dernier Apprentissage : 30/12/2024\nDerniere tare : XX.XX.XXXX\nAdresse MAC : "
            "02:00:00:00:00:42\nID ORV : 12");
  const std::string atShow = label(page, "label_DH");
  EXPECT_NE(atShow.find("2024\tlundi 30 / 12 / 2024 - 12 : 00 :"), std::string::npos) << atShow;
  EXPECT_TRUE(timer->isActive());
  EXPECT_FALSE(timer->isSingleShot());
  EXPECT_EQ(timer->interval(), 500);
  saveScreen(&page, "Info_Norvale");

  QMetaObject::invokeMethod(&page, "OnTimerRefresh");
  const std::string ticked = label(page, "label_DH");
  EXPECT_EQ(ticked.rfind("lundi 30 / 12 / 2024 - 12 : 00 :", 0), 0u) << ticked;
  EXPECT_NE(ticked.find('\n'), std::string::npos);
  EXPECT_EQ(ticked.substr(ticked.size() - 4), "2024");
  saveScreen(&page, "Info_Norvale-ticked");

  // Texts given while shown wait for the next show.
  page.setCurrentInfo(QStringLiteral("\tCarte Mesure non detectee\n"),
                      QStringLiteral("ID ORV : 7"));
  EXPECT_EQ(label(page, "info_tare").rfind("Dernier", 0), 0u);
  QSignalSpy timeout(&page, &Info_Norvale::OnReloadConfTimerSignal);
  page.hide();
  EXPECT_FALSE(timer->isActive());
  ASSERT_EQ(timeout.count(), 1);
  EXPECT_EQ(timeout.at(0).at(0).toInt(), 300000);
  page.show();
  EXPECT_EQ(label(page, "info_tare"), "ID ORV : 7");

  QSignalSpy escaped(&page, &Info_Norvale::esc_InfoNorvale);
  page.findChild<QPushButton*>(QStringLiteral("accueilButton"))->click();
  EXPECT_EQ(escaped.count(), 1);
}

// Texts drawn over the logo's drawing (its column and its bottom band) rather than over its
// light background.
std::string overTheLogo(Info_Norvale& page, const QImage& logo) {
  std::string found;
  for (QLabel* label : page.findChildren<QLabel*>()) {
    if (!label->isVisible() || label->text().isEmpty()) continue;
    const QRect text = labelTextRect(label).translated(label->mapTo(&page, QPoint(0, 0)));
    const QRect under = text & logo.rect();
    int dark = 0;
    for (int y = under.top(); y <= under.bottom(); ++y)
      for (int x = under.left(); x <= under.right(); ++x)
        if (qGray(logo.pixel(x, y)) < 170) ++dark;
    if (dark > 0)
      found += label->objectName().toStdString() + ": " + std::to_string(dark) +
               " pixels of the drawing under the text\n";
  }
  return found;
}

// The clock, on its own line once the page ticked, reads on one line of its label: a wrap
// inside it would strand the seconds.
std::string clockWrapped(Info_Norvale& page) {
  auto* label = page.findChild<QLabel*>(QStringLiteral("label_DH"));
  for (const QString& part : label->text().split(QLatin1Char('\n')))
    if (part.contains(QLatin1Char(':')) &&
        QFontMetrics(label->font()).horizontalAdvance(part) > label->contentsRect().width())
      return "label_DH: the clock is wrapped (" + part.toStdString() + ")\n";
  return std::string();
}

// Every text of the page is whole, in each language, on the longest day names, with every
// module listed, and none lies over the logo's drawing: the clock as shown, then ticked,
// when its line is never wrapped.
TEST_F(InfoNorvaleTest, EveryTextIsWholeAndBesideTheLogo) {
  const QImage logo(QStringLiteral("gui_images/start_logo.png"));
  ASSERT_FALSE(logo.isNull());
  const QString modules = QStringLiteral(
      "\tCarte Mesure : V2 / 2.1\n\tModule Energie 1 : 1.3\n\tModule Energie 2 : N/C\n"
      "\tModule Energie 3 : N/C\n\tModule HPF : 3.5\n");
  const QString dates = QStringLiteral(
      "Dernier Apprentissage : 30/12/2024 23:59:59\nDerniere tare : 30/12/2024 23:59:59\n"
      "Adresse MAC : 02:00:00:00:00:42\nID ORV : 123456");
  for (const char* clock : {"2026-12-09 22:58:58", "2026-12-11 22:58:58"}) {  // mercredi, vendredi
    setenv("ORV_CLOCK_START", clock, 1);
    orv::resetWallClock();
    for (const char* code : kPanelLanguages) {
      SCOPED_TRACE(std::string(clock) + " " + code);
      PanelLanguage language(code);
      ASSERT_TRUE(language.loaded);
      {
        Info_Norvale page(nullptr);
        page.setCurrentInfo(modules, dates);
        page.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(cutLabels(&page) + overTheLogo(page, logo), "");
        if (std::string(code) == "fr") saveScreen(&page, "infoNorvale-whole-shown");
        QMetaObject::invokeMethod(&page, "OnTimerRefresh");
        EXPECT_EQ(cutLabels(&page) + overTheLogo(page, logo) + clockWrapped(page), "");
        if (std::string(code) == "fr") saveScreen(&page, "infoNorvale-whole-ticked");
      }
    }
  }
}

// The lines of a label's text as the label lays it out: tabs expanded, wrapped at its width.
std::vector<QString> shownLines(QLabel* label) {
  QString text = label->text();
  text.replace(QLatin1Char('\n'), QChar(QChar::LineSeparator));
  QTextLayout layout(text, label->font());
  QTextOption option;
  option.setWrapMode(QTextOption::WordWrap);
  option.setTabStopDistance(8 * QFontMetricsF(label->font()).horizontalAdvance(QLatin1Char('x')));
  layout.setTextOption(option);
  std::vector<QString> lines;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(label->contentsRect().width());
    lines.push_back(text.mid(line.textStart(), line.textLength())
                        .replace(QChar(QChar::Nbsp), QLatin1Char(' ')));
  }
  layout.endLayout();
  return lines;
}

// The clock label breaks between the notice, the date and the time, never inside the date
// or the time: as shown (notice, tab, clock) and ticked (clock, notice), in each language's
// notice, on the longest day names.
TEST_F(InfoNorvaleTest, ClockBreaksOnlyBetweenNoticeDateAndTime) {
  const struct {
    const char* clock;
    const char* date;
  } days[] = {{"2026-12-09 22:58:58", "mercredi 09 / 12 / 2026"},
              {"2026-12-11 22:58:58", "vendredi 11 / 12 / 2026"},
              {"2026-12-13 22:58:58", "dimanche 13 / 12 / 2026"}};
  for (const auto& day : days) {
    setenv("ORV_CLOCK_START", day.clock, 1);
    orv::resetWallClock();
    for (const char* code : kPanelLanguages) {
      PanelLanguage language(code);
      ASSERT_TRUE(language.loaded);
      Info_Norvale page(nullptr);
      page.show();
      auto* clock = page.findChild<QLabel*>(QStringLiteral("label_DH"));
      for (const char* form : {"shown", "ticked"}) {
        SCOPED_TRACE(std::string(day.date) + " " + code + " " + form);
        if (std::string(form) == "ticked") QMetaObject::invokeMethod(&page, "OnTimerRefresh");
        std::string lines;
        bool date = false, time = false;
        for (const QString& line : shownLines(clock)) {
          lines += "[" + line.toStdString() + "]";
          date = date || line.contains(QLatin1String(day.date));
          time = time || line.contains(QLatin1String("22 : 58 : 58"));
        }
        EXPECT_TRUE(date && time) << lines;
        if (std::string(code) == "fr" && day.date[0] == 'm')
          saveScreen(&page, std::string("infoNorvale-clock-") + form);
      }
    }
  }
}

TEST_F(InfoNorvaleTest, WithoutTheLogoTheControlsStillShow) {
  std::remove((box.root() + "/app/gui_images/start_logo.png").c_str());
  Info_Norvale page(nullptr);
  page.show();
  saveScreen(&page, "Info_Norvale-no-logo");
  EXPECT_TRUE(page.findChild<QPushButton*>(QStringLiteral("accueilButton"))->isVisible());
}

}  // namespace
