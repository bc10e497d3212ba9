// Whether the texts of a screen are shown whole: each label's text laid out in its own font
// (wrapped when the label wraps) inside the label, on the 640x480 panel and under no other
// control; each list line inside the list, wrapped and not elided. Every finding is one
// line "<name>: <why>"; an empty string means that every text is whole.
#pragma once

#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QRect>
#include <QStyle>
#include <QWidget>

#include <climits>
#include <string>

inline QRect globalRect(QWidget* w, const QRect& local) {
  return QRect(w->mapToGlobal(local.topLeft()), local.size());
}

// Where the label draws its text, in its own coordinates.
inline QRect labelTextRect(QLabel* label) {
  const QRect room = label->contentsRect();
  int flags = int(label->alignment()) | Qt::TextExpandTabs;
  if (label->wordWrap()) flags |= Qt::TextWordWrap;
  return QFontMetrics(label->font()).boundingRect(room, flags, label->text());
}

inline bool related(QWidget* a, QWidget* b) {
  return a == b || a->isAncestorOf(b) || b->isAncestorOf(a);
}

inline std::string cutLabels(QWidget* root, const QRect& panel = QRect(0, 0, 640, 480)) {
  std::string found;
  const QList<QWidget*> all = root->findChildren<QWidget*>();
  for (QLabel* label : root->findChildren<QLabel*>()) {
    if (!label->isVisible() || label->text().isEmpty() || label->textFormat() == Qt::RichText ||
        label->objectName().isEmpty() || label->objectName().startsWith(QLatin1String("qt_")))
      continue;
    const std::string name = label->objectName().toStdString();
    const QRect text = labelTextRect(label);
    const QRect room = label->contentsRect();
    if (text.width() > room.width() + 1 || text.height() > room.height() + 1)
      found += name + ": text of " + std::to_string(text.width()) + "x" +
               std::to_string(text.height()) + " in " + std::to_string(room.width()) + "x" +
               std::to_string(room.height()) + " (" + label->text().toStdString() + ")\n";
    const QRect shown = globalRect(label, text & room);
    if (!panel.contains(shown)) found += name + ": off the panel\n";
    for (QWidget* other : all) {
      if (!other->isVisible() || other->isWindow() || related(other, label) ||
          qstrcmp(other->metaObject()->className(), "QWidget") == 0)
        continue;
      if (globalRect(other, other->rect()).intersects(shown))
        found += name + ": under " + other->objectName().toStdString() + "\n";
    }
  }
  return found;
}

// A list line is whole when it lies inside the list's viewport and its text, wrapped at
// the line's width, fits the line's height.
inline std::string cutListLines(QListWidget* list) {
  std::string found;
  const QRect viewport = list->viewport()->rect();
  const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
  const QFontMetrics metrics(list->font());
  for (int i = 0; i < list->count(); ++i) {
    QListWidgetItem* item = list->item(i);
    const QRect line = list->visualItemRect(item);
    if (!line.intersects(viewport)) continue;
    // The style's text margins on both sides, and a little for its rounding.
    const int room = line.width() - 2 * margin - 4;
    const QRect wrapped =
        metrics.boundingRect(QRect(0, 0, room, INT_MAX), Qt::TextWordWrap, item->text());
    if (!viewport.contains(line) || wrapped.width() > room || wrapped.height() > line.height())
      found += list->objectName().toStdString() + " line " + std::to_string(i) + ": " +
               std::to_string(line.width()) + "x" + std::to_string(line.height()) + " at " +
               std::to_string(line.x()) + "," + std::to_string(line.y()) + " in " +
               std::to_string(viewport.width()) + "x" + std::to_string(viewport.height()) +
               " (" + item->text().toStdString() + ")\n";
  }
  return found;
}
