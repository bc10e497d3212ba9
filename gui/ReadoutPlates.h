// Dark read-out plates behind the values of a page drawn over a light picture: each plate
// lies just above the picture under its label's text, a little larger than the text, and
// shows exactly while the label shows a text, so that no empty plate is left on the page.
#pragma once

#include <QColor>
#include <QHash>
#include <QMargins>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

class ReadoutPlates {
public:
  // Plates of the labels over `picture`, a widget that covers their page.
  explicit ReadoutPlates(QWidget* picture);

  // `label` reads on a plate of its own from now on; it takes the object name of the label
  // followed by "_plate".
  void add(QLabel* label);
  // Where the picture is dark of itself under the label's present place, the label needs
  // no plate there.
  void setNeeded(QLabel* label, bool needed);

  // Places each plate under its label's text and shows it while the label shows a text
  // other than its form's row of dashes (no value read yet, drawn in black like every
  // other value not yet read); the page calls it after each change of its labels' texts,
  // places or visibility.
  void follow();

  static const QColor kColour;
  static const QMargins kMargins;

private:
  static QRect textPlace(QLabel* label);

  struct Plate {
    QWidget* widget;
    bool needed;
    QString noValueYet;
  };
  QWidget* picture;
  QHash<QLabel*, Plate> plates;
};
