#include "ReadoutPlates.h"

#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QTextDocument>
#include <QWidget>

#include <cmath>

namespace {

class PlateWidget : public QWidget {
public:
  using QWidget::QWidget;

protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), ReadoutPlates::kColour); }
};

}  // namespace

// Near black: red, green and light brown texts read on it at 4.5:1 or more.
const QColor ReadoutPlates::kColour(0x05, 0x08, 0x0b);
const QMargins ReadoutPlates::kMargins(4, 1, 4, 1);

ReadoutPlates::ReadoutPlates(QWidget* picture) : picture(picture) {}

void ReadoutPlates::add(QLabel* label) {
  // A sibling of the label, just above the picture: every other drawing of the page, a
  // level bar or an icon, stays above the plates.
  auto* widget = new PlateWidget(label->parentWidget());
  widget->setObjectName(label->objectName() + QStringLiteral("_plate"));
  widget->setAttribute(Qt::WA_TransparentForMouseEvents);
  widget->lower();
  picture->lower();
  widget->hide();
  const QString text = label->text();
  const bool dashes = !text.isEmpty() && text.count(QLatin1Char('-')) == text.size();
  plates.insert(label, Plate{widget, true, dashes ? text : QString()});
  follow();
}

void ReadoutPlates::setNeeded(QLabel* label, bool needed) {
  auto plate = plates.find(label);
  if (plate != plates.end()) plate->needed = needed;
}

// The place of the label's text: as wide as the text (no wider than the label), as high
// as the label, where the label's alignment puts it.
QRect ReadoutPlates::textPlace(QLabel* label) {
  label->ensurePolished();  // the font of its style sheet
  int width = 0;
  if (label->textFormat() == Qt::RichText ||
      (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()))) {
    QTextDocument text;
    text.setDefaultFont(label->font());
    text.setDocumentMargin(0);
    text.setHtml(label->text());
    width = int(std::ceil(text.idealWidth()));
  } else {
    width = label->fontMetrics().boundingRect(label->rect(), int(label->alignment()), label->text()).width();
  }
  const QSize text(qMin(width, label->width()), label->height());
  return QStyle::alignedRect(label->layoutDirection(), label->alignment(), text, label->geometry());
}

void ReadoutPlates::follow() {
  for (auto plate = plates.cbegin(); plate != plates.cend(); ++plate) {
    QLabel* label = plate.key();
    const bool shows = plate->needed && label->isVisibleTo(label->parentWidget()) &&
                       !label->text().isEmpty() && label->text() != plate->noValueYet;
    if (shows) plate->widget->setGeometry(textPlace(label) + kMargins);
    plate->widget->setVisible(shows);
  }
}
