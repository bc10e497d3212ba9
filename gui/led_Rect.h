// An on/off indicator: a 15x15 coloured square with a name beside it (HPF live view).
#pragma once

#include <QPalette>
#include <QWidget>

class QGridLayout;
class QHBoxLayout;
class QLabel;

class led_Rect : public QWidget {
  Q_OBJECT

public:
  explicit led_Rect(QWidget* parent = nullptr);
  ~led_Rect() override;

public slots:
  void setLedName(QString name);
  void setLedNameTextSize(int size);
  // The square keeps its present colour until the next setLedState.
  void setLedColors(Qt::GlobalColor _colorON, Qt::GlobalColor _colorOFF);
  void setLedState(bool state);

private:
  QGridLayout* gridLayout;
  QHBoxLayout* horizontalLayout;
  QLabel* label_ledColor;
  QLabel* label_ledName;
  QPalette ledPalette;
  Qt::GlobalColor colorOn = Qt::green;
  Qt::GlobalColor colorOff = Qt::gray;
};
