#include "orvPanelStyle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QFontInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPen>
#include <QString>
#include <QVector>

namespace {

// The panel's text where a screen gives no size of its own: read at arm's length. Set in
// pixels, and not left to the platform, whose theme gives 9 points on the board and under
// X and 12 offscreen.
const char kPanelFontFamily[] = "DejaVu Sans";
constexpr int kPanelTextPx = 14;

// A finger's target on the panel: the size of the language page's buttons.
const QSize kBoxButton(140, 56);
// Text of a box that reads at arm's length; a box whose font is larger keeps it.
constexpr int kBoxTextPx = 16;
constexpr int kBoxFrameWidth = 3;
const char kBoxTitleName[] = "panelBoxTitle";

// The panel has no window manager: nothing draws a box's frame or its title, so every
// box draws its own and shows its title inside, and is sized for fingers.
class PanelBoxLook : public QObject {
public:
  using QObject::QObject;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Show && event->type() != QEvent::Paint) return false;
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (!box) return false;
    // Before the box's own handling: it sizes itself to its content when shown.
    if (event->type() == QEvent::Show)
      dress(*box);
    else
      drawFrame(*box);
    return false;
  }

private:
  static void dress(QMessageBox& box) {
    QFont font = box.font();
    if (QFontInfo(font).pixelSize() < kBoxTextPx) {
      font.setPixelSize(kBoxTextPx);
      box.setFont(font);
    }
    for (QAbstractButton* button : box.buttons())
      button->setMinimumSize(button->minimumSize().expandedTo(kBoxButton));
    showTitle(box);
  }

  // The title as the box's first row, across its columns.
  static void showTitle(QMessageBox& box) {
    auto* title = box.findChild<QLabel*>(QLatin1String(kBoxTitleName), Qt::FindDirectChildrenOnly);
    if (!title) {
      title = new QLabel(&box);
      title->setObjectName(QLatin1String(kBoxTitleName));
      title->setAlignment(Qt::AlignCenter);
      title->setWordWrap(true);
      title->setTextFormat(Qt::PlainText);
      // Clear of the frame above, apart from the text below.
      title->setContentsMargins(0, 6, 0, 6);
      // It wraps to the width the text and buttons give the box, and widens none of its columns.
      title->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    QFont font = box.font();
    font.setBold(true);
    title->setFont(font);
    title->setText(box.windowTitle());
    title->setVisible(!box.windowTitle().isEmpty());

    // The box builds its grid anew when its icon or texts change: the title joins it again.
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid || grid->indexOf(title) >= 0) return;
    struct Cell {
      QLayoutItem* item;
      int row, column, rowSpan, columnSpan;
    };
    QVector<Cell> cells;
    const int rows = grid->rowCount();
    const int columns = grid->columnCount();
    for (int i = grid->count() - 1; i >= 0; --i) {
      Cell cell{nullptr, 0, 0, 0, 0};
      grid->getItemPosition(i, &cell.row, &cell.column, &cell.rowSpan, &cell.columnSpan);
      cell.item = grid->takeAt(i);
      cells.push_back(cell);
    }
    grid->addWidget(title, 0, 0, 1, columns);
    for (const Cell& cell : cells) {
      // An item across every row (a spacer that keeps a box full screen) takes the title's too.
      const bool allRows = cell.row == 0 && cell.rowSpan >= rows;
      grid->addItem(cell.item, allRows ? 0 : cell.row + 1, cell.column,
                    allRows ? rows + 1 : cell.rowSpan, cell.columnSpan, cell.item->alignment());
    }
    // A box held larger than its content (full screen) gives the room to its text.
    if (QWidget* text = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
      int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
      const int at = grid->indexOf(text);
      if (at >= 0) {
        grid->getItemPosition(at, &row, &column, &rowSpan, &columnSpan);
        grid->setColumnStretch(column, 1);
        grid->setRowStretch(row, 1);
      }
    }
  }

  static void drawFrame(QMessageBox& box) {
    QPainter painter(&box);
    QPen pen(box.palette().color(QPalette::WindowText), kBoxFrameWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const qreal inset = kBoxFrameWidth / 2.0;
    painter.drawRect(QRectF(box.rect()).adjusted(inset, inset, -inset, -inset));
  }
};

}  // namespace

void applyPanelStyle(QApplication& app) {
  // The device's look; without the style plugin Qt's default style stays.
  QApplication::setStyle(QStringLiteral("cleanlooks"));
  QFont font(QString::fromLatin1(kPanelFontFamily));
  font.setPixelSize(kPanelTextPx);
  QApplication::setFont(font);
  // Once per application, however often it is asked.
  const QString lookName = QStringLiteral("panelBoxLook");
  if (app.findChild<QObject*>(lookName, Qt::FindDirectChildrenOnly)) return;
  auto* look = new PanelBoxLook(&app);
  look->setObjectName(lookName);
  app.installEventFilter(look);
}
