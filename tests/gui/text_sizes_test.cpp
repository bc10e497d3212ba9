// Text on the panel as an eye at arm's length meets it: the application's own font is one
// that reads there on every platform (the board's framebuffer, an X server, the offscreen
// tests), and the installation wizard is walked page by page on a commissioned plant: every
// visible text (label, button, field, combo, spin box, list, group title) under 14 pixels
// is listed, and every page that text of that size makes wider than the panel. (The sizes
// the pages' descriptions give under 14 points, 72 dpi making a point a pixel, are those of
// texts no wizard page shows: a rich text's spacing line, a page font that every shown
// control overrides.) The other pages of the program are walked the same way; a text
// smaller than 14 pixels passes only where its page's description gives it that size.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStackedWidget>

#include <map>
#include <string>
#include <vector>

#include "ZuvVirtualKeyboard.h"
#include "support/orvqt_window.h"

namespace {

constexpr int kReadable = 14;
constexpr int kPanelWidth = 640;

// What a widget shows as text of its own font; empty when it shows none.
QString shownText(QWidget* w) {
  if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
  if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->displayText() + edit->placeholderText();
  if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentText();
  if (auto* spin = qobject_cast<QAbstractSpinBox*>(w)) return spin->text();
  if (auto* group = qobject_cast<QGroupBox*>(w)) return group->title();
  if (auto* list = qobject_cast<QListWidget*>(w)) return list->count() ? QStringLiteral("items") : QString();
  return QString();
}

// The keys' and the preview's sizes are the keyboard's own description's (16 and 14 points).
bool keyOfTheKeyboard(QWidget* w) {
  for (QWidget* p = w; p; p = p->parentWidget())
    if (qobject_cast<ZuvVirtualKeyboard*>(p)) return true;
  return false;
}

// The parts of a combo or spin box (its field) are measured as that control.
bool partOfAnother(QWidget* w, QWidget* page) {
  for (QWidget* p = w->parentWidget(); p && p != page; p = p->parentWidget())
    if (qobject_cast<QComboBox*>(p) || qobject_cast<QAbstractSpinBox*>(p)) return true;
  return false;
}

// The sizes under 14 pixels that the pages' own descriptions give, by page and object
// name; "*" is the size of the page's font, which a text of no size of its own takes. On
// the main screen the form's style sheet (12 points) rules over the font that a label
// without a style sheet of its own is given, so such a label shows either size.
const std::map<std::string, std::map<std::string, int>> kGivenSizes = {
    {"Ecran_Orv",
     {{"*", 12}, {"tempTrans", 11}, {"pression2", 11}, {"tempAsp", 11}, {"enthalpieAsp", 11},
      {"tempSRliq", 11}, {"tempSRlent", 10}, {"pressionHP_Gaz", 11}, {"tempTransHPgaz", 11}}},
    // The lamps' names.
    {"hpfInfo_Display", {{"label_ledName", 12}}},
};

// Where a description gives a page's font, the texts of that page that have no size of
// their own show it.
const std::map<std::string, std::map<std::string, int>> kPageFontShown = {
    {"enerInfo_Display", {{"label_Tension_PH0", 16}, {"label_Tension_PH1", 16}, {"label_Tension_PH2", 16}}},
};

bool givenSize(const std::string& page, const std::string& name, int pixels) {
  auto sizes = kGivenSizes.find(page);
  if (sizes == kGivenSizes.end()) return false;
  auto own = sizes->second.find(name);
  auto form = sizes->second.find("*");
  return (own != sizes->second.end() && own->second == pixels) ||
         (form != sizes->second.end() && form->second == pixels);
}

struct Walk : WindowPlant {
  explicit Walk(const PlantOptions& options) : WindowPlant(options) {}

  QWidget* current() const { return cORVProbe::stack(*window)->currentWidget(); }

  void settle() const {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }

  // Each text of the page under 14 pixels, as "<state> <name> <size>px", unless the
  // description of the page named `state` gives it that size.
  void look(const std::string& state, QWidget* page) {
    settle();
    for (QWidget* w : page->findChildren<QWidget*>()) {
      if (!w->isVisible() || partOfAnother(w, page) || keyOfTheKeyboard(w)) continue;
      if (w->objectName().startsWith(QLatin1String("qt_"))) continue;
      if (shownText(w).trimmed().isEmpty()) continue;
      const int pixels = QFontInfo(w->font()).pixelSize();
      const std::string name = w->objectName().isEmpty() ? std::string(w->metaObject()->className())
                                                         : w->objectName().toStdString();
      if (pixels >= kReadable || givenSize(state, name, pixels)) continue;
      small.push_back(state + " " + name + " " + std::to_string(pixels) + "px");
    }
  }

  std::vector<std::string> small;
};

// A walk of the program's pages: each text under 14 pixels whose page's description does
// not give it that size.
struct ProgramWalk : Walk {
  using Walk::Walk;

  void lookAt(QWidget* page, std::string pageName = std::string()) {
    if (pageName.empty()) pageName = page->objectName().toStdString();
    look(pageName, page);
    auto shown = kPageFontShown.find(pageName);
    if (shown == kPageFontShown.end()) return;
    for (const auto& given : shown->second) {
      auto* w = page->findChild<QWidget*>(QString::fromStdString(given.first));
      const int pixels = w ? QFontInfo(w->font()).pixelSize() : 0;
      if (pixels != given.second)
        small.push_back(pageName + " " + given.first + " " + std::to_string(pixels) + "px, not " +
                        std::to_string(given.second));
    }
  }

  // Opens a page through the window's own slot and looks at it.
  void open(const char* slot) {
    if (!QMetaObject::invokeMethod(window.get(), slot)) {
      small.push_back(std::string("no slot ") + slot);
      return;
    }
    settle();
    lookAt(current());
  }
};

}  // namespace

// The application's font is set by the panel's style, not left to the platform: the board's
// and an X server's theme give a 9-point one (9 pixels at 72 dpi), the offscreen one 12.
TEST(PanelText, TheApplicationFontReadsAtArmsLengthWhateverThePlatform) {
  testApplication();
  const QFont font = QApplication::font();
  EXPECT_GE(QFontInfo(font).pixelSize(), kReadable) << font.toString().toStdString();
  EXPECT_EQ(QFontInfo(font).family().toStdString(), "DejaVu Sans");
  // Given in pixels, it does not follow the display's dots per inch.
  EXPECT_EQ(font.pixelSize(), QFontInfo(font).pixelSize());
}

TEST(PanelText, NoTextOfTheWizardsPagesIsSmallerThan14Pixels) {
  PlantOptions options;
  options.config = "FLAG_PREM_DEMARRAGE=1709283900\n";
  options.modules = "module 1 mesv2 configured=1 version=2.1\n";
  Walk walk(options);
  ASSERT_TRUE(walk.sim->ready());
  walk.startPastReport();
  walk.proc()->change_sleepThreadState(true);

  ASSERT_TRUE(QMetaObject::invokeMethod(walk.window.get(), "OnMenuConfigBtn"));
  walk.settle();
  auto* stack = walk.current()->findChild<QStackedWidget*>(QString(), Qt::FindDirectChildrenOnly);
  ASSERT_NE(stack, nullptr);
  std::string wide;
  for (int i = 0; i < stack->count(); ++i) {
    stack->setCurrentIndex(i);
    walk.look("wizardPage-" + std::to_string(i), walk.current());
    // Text of that size still lets the page fit the panel's width.
    const int width = stack->widget(i)->minimumSizeHint().width();
    if (width > kPanelWidth)
      wide += "wizardPage-" + std::to_string(i) + " " + std::to_string(width) + "px\n";
  }

  std::string list;
  for (const std::string& line : walk.small) list += line + "\n";
  EXPECT_EQ(list, "");
  EXPECT_EQ(wide, "");
}

// Every other page of the program, on a plant with the HPF and an ENERGIE module: the main
// screen, the menus, the service screens, the module views and configurations.
TEST(PanelText, NoTextOfTheProgramsOtherPagesIsSmallerThan14PixelsUnlessItsPageGivesIt) {
  ProgramWalk walk(plantWithEveryModule());
  ASSERT_TRUE(walk.sim->ready());
  walk.startPastReport();
  walk.proc()->change_sleepThreadState(true);
  QStackedWidget* pages = cORVProbe::stack(*walk.window);

  for (const char* slot :
       {"OnInfosHPFdisplay", "OnInfosCPdisplay", "OnInfosENERdisplay", "OnCalculMethod_Start",
        "OnMenuConfigEnergieBtn", "OnMenuConfigJournalBtn", "OnMenuConfigLangueBtn",
        "OnMenuConfigIConfig", "OnMenuConfigInfoNorvale", "OnFuseauHorraireDisplay",
        "OnMenuAutoTest", "OnMenuCopyToUSB", "OnMenuTraceRoute"})
    walk.open(slot);

  // The HPF wizard, page by page.
  ASSERT_TRUE(QMetaObject::invokeMethod(walk.window.get(), "OnMenuConfigHpfBtn"));
  walk.settle();
  QWidget* hpf = walk.current();
  auto* hpfStack = hpf->findChild<QStackedWidget*>();
  ASSERT_NE(hpfStack, nullptr);
  for (int i = 0; i < hpfStack->count(); ++i) {
    hpfStack->setCurrentIndex(i);
    walk.lookAt(hpf, "hpfPage-" + std::to_string(i));
  }

  // The pages the window keeps: main screen, menus, code pages, message page.
  for (int i = 0; i < pages->count(); ++i) {
    QWidget* page = pages->widget(i);
    if (page == hpf) continue;
    pages->setCurrentIndex(i);
    walk.lookAt(page);
  }

  std::string list;
  for (const std::string& line : walk.small) list += line + "\n";
  EXPECT_EQ(list, "");
}
