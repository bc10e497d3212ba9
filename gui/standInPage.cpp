#include "standInPage.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QEvent>
#include <QWidget>

namespace {
// Buttons in rows under the title, two columns (three for a long list) on the 640x480 screen.
constexpr int kTitleHeight = 50;
constexpr int kButtonHeight = 44;
constexpr int kRowGap = 6;
constexpr int kMargin = 12;
}  // namespace

std::vector<QPushButton*> buildStandInBody(QWidget* page, const QString& className,
                                           const std::vector<StandInButton>& buttons) {
  page->setObjectName(className);
  page->resize(640, 480);
  auto* title = new QLabel(className, page);
  title->setObjectName(QStringLiteral("standInTitle"));
  QFont titleFont(QStringLiteral("DejaVu Sans"), 18, QFont::Bold);
  title->setFont(titleFont);
  title->setAlignment(Qt::AlignCenter);
  title->setGeometry(0, 0, 640, kTitleHeight);

  std::vector<QPushButton*> made;
  const int columns = buttons.size() > 12 ? 3 : 2;
  QFont buttonFont(QStringLiteral("DejaVu Sans"), columns == 3 ? 10 : 12, QFont::Bold);
  const int width = (640 - (columns + 1) * kMargin) / columns;
  for (size_t i = 0; i < buttons.size(); ++i) {
    auto* button = new QPushButton(buttons[i].text.isEmpty() ? buttons[i].name : buttons[i].text,
                                   page);
    button->setObjectName(buttons[i].name);
    button->setFont(buttonFont);
    const int column = static_cast<int>(i) % columns, row = static_cast<int>(i) / columns;
    button->setGeometry(kMargin + column * (width + kMargin),
                        kTitleHeight + kMargin + row * (kButtonHeight + kRowGap), width,
                        kButtonHeight);
    QObject::connect(button, &QPushButton::clicked, page, buttons[i].emitSignal);
    made.push_back(button);
  }
  return made;
}

namespace {
class ShownFlag : public QObject {
public:
  ShownFlag(QWidget* page, bool* shown) : QObject(page), shown_(shown) {
    page->installEventFilter(this);
  }

protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show) *shown_ = true;
    if (event->type() == QEvent::Hide) *shown_ = false;
    return false;
  }

private:
  bool* shown_;
};
}  // namespace

void trackShown(QWidget* page, bool* shown) { new ShownFlag(page, shown); }
