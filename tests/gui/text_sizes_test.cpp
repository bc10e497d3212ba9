// Text on the panel as an eye at arm's length meets it: the application's own font is one
// that reads there on every platform (the board's framebuffer, an X server, the offscreen
// tests), and the installation wizard is walked page by page on a commissioned plant: every
// visible text (label, button, field, combo, spin box, list, group title) under 14 pixels
// is listed, and every page that text of that size makes wider than the panel. (The sizes
// the pages' descriptions give under 14 points, 72 dpi making a point a pixel, are those of
// texts no wizard page shows: a rich text's spacing line, a page font that every shown
// control overrides.)
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

struct Walk : WindowPlant {
  explicit Walk(const PlantOptions& options) : WindowPlant(options) {}

  QWidget* current() const { return cORVProbe::stack(*window)->currentWidget(); }

  void settle() const {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }

  void look(const std::string& state, QWidget* page) {
    settle();
    for (QWidget* w : page->findChildren<QWidget*>()) {
      if (!w->isVisible() || partOfAnother(w, page) || keyOfTheKeyboard(w)) continue;
      if (w->objectName().startsWith(QLatin1String("qt_"))) continue;
      if (shownText(w).trimmed().isEmpty()) continue;
      const int pixels = QFontInfo(w->font()).pixelSize();
      const std::string name = w->objectName().isEmpty() ? std::string(w->metaObject()->className())
                                                         : w->objectName().toStdString();
      if (pixels >= kReadable) continue;
      small.push_back(state + " " + name + " " + std::to_string(pixels) + "px");
    }
  }

  std::vector<std::string> small;
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
