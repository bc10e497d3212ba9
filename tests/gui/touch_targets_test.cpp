// Every page of orvQT as a finger meets it on the 640x480 panel: the main window on a
// commissioned plant with an HPF and an ENERGIE module is walked page by page (the two
// wizards' pages one at a time, the keyboards and an accent row shown), and every visible
// button, combo, field, spin box (and its plus and minus), check box and radio button lower
// than 40 pixels is listed, every one not whole on the 640x480 panel, and every push button
// whose text is under 14 pixels. The few sizes that a screen's own description fixes stand
// in one table. The tick and radio indicators are one size on every page.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QStyleOptionSpinBox>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ZuvVirtualKeyboard.h"
#include "orvAccessCodes.h"
#include "orvbus_sim.h"
#include "screenMsgBox.h"
#include "support/orvqt_window.h"

namespace {

constexpr int kFinger = 40;
constexpr int kButtonText = 14;
const QRect kPanel(0, 0, 640, 480);

// Controls whose height (or, as "font/<name>", whose text size) the screen's description
// gives below what a finger and an eye need: page (state), object name, that size.
struct GivenSize {
  const char* page;
  const char* widget;
  int height;
};
const GivenSize kGivenSizes[] = {
    // main screen: the menu button in the window's font (point sizes are pixels at 72 dpi)
    {"mainScreen", "font/menuButton", 12},
    // date and time page: the spin boxes' arrows
    {"fuseauPage", "spinBox_*", 35},
    // ENERGIE page: the arrows of the integer boxes, the Maxi box and the decimal box
    {"confEnergiePage", "spinBox_PressionMINI/*", 35},
    {"confEnergiePage", "spinBox_PressionMAXI/*", 30},
    {"confEnergiePage", "dS_PT100correctionManuel/*", 25},
    // refrigerant page: the condenser power's arrows
    {"wizardPage-2", "spinBox_PuissCondenseur/*", 30},
    // PT100 page: the manual corrections' arrows and the tick indicators
    {"wizardPage-11", "dS_PT100correctionManuel*", 25},
    {"wizardPage-11", "indicator/checkBox_*", 20},
    // plant set points page: the two check boxes' places
    {"wizardPage-12", "BP_checkBox", 24},
    {"wizardPage-12", "HP_checkBox", 24},
};

// A widget name ending in '*' stands for every name that begins so.
int givenHeight(const std::string& page, const std::string& widget) {
  for (const GivenSize& g : kGivenSizes) {
    const std::string name = g.widget;
    const bool prefix = !name.empty() && name.back() == '*';
    if (page == g.page &&
        (prefix ? widget.compare(0, name.size() - 1, name, 0, name.size() - 1) == 0
                : widget == name))
      return g.height;
  }
  return -1;
}

// A control a finger taps; the parts of another control (a combo's field, a spin box's
// field) are that control's.
bool fingerTarget(QWidget* w) {
  return qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
         qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w);
}
bool partOfAnother(QWidget* w, QWidget* page) {
  for (QWidget* p = w->parentWidget(); p && p != page; p = p->parentWidget())
    if (fingerTarget(p)) return true;
  return false;
}

std::string nameOf(QWidget* w) {
  return w->objectName().isEmpty() ? std::string(w->metaObject()->className())
                                   : w->objectName().toStdString();
}

// The indicator a radio button or check box draws, as the style lays it out.
int indicatorHeight(QAbstractButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  const bool radio = button->inherits("QRadioButton");
  return button->style()
      ->subElementRect(radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator,
                       &option, button)
      .height();
}

struct Walk : WindowPlant {
  explicit Walk(const PlantOptions& options) : WindowPlant(options) {}

  QWidget* current() const { return cORVProbe::stack(*window)->currentWidget(); }

  void settle() const {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }

  // The controls of the page shown lower than a finger, button texts too small to read,
  // and the indicator sizes seen.
  void look(const std::string& state) {
    settle();
    QWidget* page = current();
    shot("targets-" + state);
    for (QWidget* w : page->findChildren<QWidget*>()) {
      if (!fingerTarget(w) || !w->isVisible() || partOfAnother(w, page)) continue;
      if (w->objectName().startsWith(QLatin1String("qt_"))) continue;
      if (auto* box = qobject_cast<QAbstractButton*>(w);
          box && (box->inherits("QRadioButton") || box->inherits("QCheckBox")))
        if (givenHeight(state, "indicator/" + nameOf(w)) != indicatorHeight(box))
          indicators[indicatorHeight(box)].insert(state);
      note(state, nameOf(w), w->size());
      // With a keyboard up, on the 640x480 panel whatever room the page asks for.
      if (state.find("keyboard") != std::string::npos &&
          !kPanel.contains(QRect(w->mapTo(window.get(), QPoint(0, 0)), w->size())))
        offPanel.push_back(state + " " + nameOf(w));
      // The accent row's keys stand side by side: a finger wide as well as high.
      if (w->objectName().startsWith(QLatin1String("keyAccent")) && w->width() < kFinger)
        low.push_back(state + " " + nameOf(w) + " " + std::to_string(w->width()) + " wide");
      if (auto* button = qobject_cast<QAbstractButton*>(w);
          button && (button->inherits("QPushButton") || button->inherits("QToolButton")) &&
          !button->text().trimmed().isEmpty() &&
          QFontInfo(button->font()).pixelSize() < kButtonText &&
          QFontInfo(button->font()).pixelSize() != givenHeight(state, "font/" + nameOf(w)))
        smallText.push_back(state + " " + nameOf(w) + " " +
                            std::to_string(QFontInfo(button->font()).pixelSize()) + "px");
      // A spin box's plus and minus are targets of their own.
      auto* spin = qobject_cast<QAbstractSpinBox*>(w);
      if (spin && spin->buttonSymbols() != QAbstractSpinBox::NoButtons) {
        QStyleOptionSpinBox option;
        option.initFrom(spin);
        option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
        option.buttonSymbols = spin->buttonSymbols();
        option.frame = spin->hasFrame();
        for (const auto& part : {std::make_pair(QStyle::SC_SpinBoxUp, "/up"),
                                 std::make_pair(QStyle::SC_SpinBoxDown, "/down")})
          note(state, nameOf(w) + part.second,
               spin->style()->subControlRect(QStyle::CC_SpinBox, &option, part.first, spin).size());
      }
    }
    // The tick of a checkable group box is an indicator too.
    for (auto* group : page->findChildren<QGroupBox*>()) {
      if (!group->isCheckable() || !group->isVisible()) continue;
      QStyleOptionGroupBox option;
      option.initFrom(group);
      option.subControls = QStyle::SC_GroupBoxCheckBox;
      option.text = group->title();
      indicators[group->style()
                     ->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxCheckBox,
                                      group)
                     .height()]
          .insert(state);
    }
  }

  void note(const std::string& state, const std::string& name, QSize size) {
    const int given = givenHeight(state, name);
    if (size.height() >= kFinger || (given >= 0 && size.height() >= given)) return;
    low.push_back(state + " " + name + " " + std::to_string(size.width()) + "x" +
                  std::to_string(size.height()));
  }

  // The page, and each page of a wizard it holds in turn.
  void lookThrough(const std::string& state) {
    settle();
    auto* stack = current()->findChild<QStackedWidget*>(QString(), Qt::FindDirectChildrenOnly);
    if (!stack) return look(state);
    for (int i = 0; i < stack->count(); ++i) {
      stack->setCurrentIndex(i);
      look(state + "-" + std::to_string(i));
    }
  }

  // A long press on E of the keyboard shown: its accent row opens above the key.
  void holdE() const {
    auto* keyboard = current()->findChild<ZuvVirtualKeyboard*>();
    ASSERT_NE(keyboard, nullptr);
    ASSERT_TRUE(keyboard->isVisible());
    auto* e = keyboard->findChild<QAbstractButton*>(QStringLiteral("key2"));
    ASSERT_NE(e, nullptr);
    ASSERT_EQ(e->text(), QStringLiteral("E"));
    e->setDown(true);
    emit e->pressed();
    ASSERT_TRUE(QMetaObject::invokeMethod(keyboard, "displayAccentedChar"));
    e->setDown(false);
  }

  void open(const char* slot) const {
    ASSERT_TRUE(QMetaObject::invokeMethod(window.get(), slot)) << slot;
  }
  void tap(const char* name) const {
    auto* button = current()->findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    button->click();
  }

  std::vector<std::string> low;
  std::vector<std::string> smallText;
  std::vector<std::string> offPanel;
  std::map<int, std::set<std::string>> indicators;
};

TEST(TouchTargets, NoControlOnAnyPageIsLowerThanAFinger) {
  Walk walk(plantWithEveryModule());
  ASSERT_TRUE(walk.sim->ready());
  walk.startPastReport();
  walk.proc()->change_sleepThreadState(true);

  // Each state: the main window's slot that opens it, or the steps that lead there.
  const struct {
    const char* state;
    const char* slot;
    std::function<void(Walk&)> steps;
    bool wizardPages = true;  // false: the page shown only, not each page of a wizard
  } pages[] = {
      {"mainScreen", "OnShow_EcranORV", nullptr},
      {"msgBoxPage", nullptr,
       [](Walk& w) {
         screenMsgBox* box = cORVProbe::msgBox(*w.window);
         box->setBoxTitle(QStringLiteral("Analyse"));
         box->setBoxMessage(QStringLiteral("Analyse horaire en cours"));
         box->setBoxProgressBarVal(40);
         box->setButtonsState(true);
         cORVProbe::stack(*w.window)->setCurrentWidget(box);
       }},
      {"choixPage", "OnMenuConfigurationEnter", nullptr},
      {"menuCodePage", nullptr,
       [](Walk& w) { cORVProbe::stack(*w.window)->setCurrentWidget(cORVProbe::menuCode(*w.window)); }},
      {"menuPage-config", "OnMenuConfiguration", nullptr},
      {"menuPage-views", "OnMenuVisualisation", nullptr},
      {"menuNorPage", "OnMenuNorvaleVisualisation", nullptr},
      {"hpfInfoPage", "OnInfosHPFdisplay", nullptr},
      {"cpInfoPage", "OnInfosCPdisplay", nullptr},
      {"enerInfoPage", "OnInfosENERdisplay", nullptr},
      {"calcMethodPage", "OnCalculMethod_Start", nullptr},
      {"poidsCtrlPage", nullptr,
       [](Walk& w) { QMetaObject::invokeMethod(w.window.get(), "OnPoidsCtrlDisplay", Q_ARG(int, 0)); }},
      {"journalPage", "OnMenuConfigJournalBtn", nullptr},
      {"languePage", "OnMenuConfigLangueBtn", nullptr},
      {"reapprentissagePage", "OnMenuConfigResetLearn", nullptr},
      {"infoConfigPage", "OnMenuConfigIConfig", nullptr},
      {"infoNorvalePage", "OnMenuConfigInfoNorvale", nullptr},
      {"networkPage", "OnMenuConfigNetwork",
       [](Walk& w) {
         QMetaObject::invokeMethod(w.window.get(), "OnMenuPasswordValidation",
                                   Q_ARG(QString, QString::fromLatin1(orv_access::kNetworkCode)));
       }},
      {"networkPage-keyboard", nullptr, [](Walk& w) { w.tap("keyboardButton"); }},
      {"networkPage-keyboard-accents", nullptr, [](Walk& w) { w.holdE(); }},
      // The Wi-Fi interface adds its block of fields above the keyboard.
      {"networkPage-wifi-keyboard", nullptr,
       [](Walk& w) {
         auto* list = w.current()->findChild<QComboBox*>(QStringLiteral("comboBox_IFaceType"));
         ASSERT_NE(list, nullptr);
         ASSERT_GE(list->findText(QStringLiteral("ra0  Wifi")), 0);
         list->setCurrentIndex(list->findText(QStringLiteral("ra0  Wifi")));
       }},
      {"fuseauPage", "OnFuseauHorraireDisplay", nullptr},
      {"autoTestPage", "OnMenuAutoTest", nullptr},
      {"usbPage", "OnMenuCopyToUSB", nullptr},
      {"confEnergiePage", "OnMenuConfigEnergieBtn", nullptr},
      {"wizardPage", "OnMenuConfigBtn", nullptr},
      {"confHpfPage", "OnMenuConfigHpfBtn", nullptr},
      {"confHpfPage-keyboard", nullptr, [](Walk& w) { w.tap("btnKeyboard"); }},
      {"confHpfPage-keyboard-accents", nullptr, [](Walk& w) { w.holdE(); }, false},
  };
  for (const auto& p : pages) {
    SCOPED_TRACE(p.state);
    if (p.slot) walk.open(p.slot);
    if (p.steps) p.steps(walk);
    if (p.wizardPages)
      walk.lookThrough(p.state);
    else
      walk.look(p.state);
  }

  std::string list;
  for (const std::string& line : walk.low) list += line + "\n";
  EXPECT_EQ(list, "");
  std::string off;
  for (const std::string& line : walk.offPanel) off += line + "\n";
  EXPECT_EQ(off, "");
  std::string small;
  for (const std::string& line : walk.smallText) small += line + "\n";
  EXPECT_EQ(small, "");
  // One indicator size on every page, and one a finger sees.
  std::string sizes;
  for (const auto& size : walk.indicators) {
    sizes += std::to_string(size.first) + ":";
    for (const std::string& state : size.second) sizes += " " + state;
    sizes += "\n";
  }
  ASSERT_EQ(walk.indicators.size(), 1u) << sizes;
  EXPECT_GE(walk.indicators.begin()->first, 24);
}

}  // namespace
