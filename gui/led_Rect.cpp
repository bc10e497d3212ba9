#include "led_Rect.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

led_Rect::led_Rect(QWidget* parent) : QWidget(parent) {
  if (objectName().isEmpty()) setObjectName(QStringLiteral("led_Rect"));
  resize(50, 36);
  setWindowTitle(tr("Form"));
  gridLayout = new QGridLayout(this);
  gridLayout->setObjectName(QStringLiteral("gridLayout"));
  horizontalLayout = new QHBoxLayout;
  horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
  label_ledColor = new QLabel(this);
  label_ledColor->setObjectName(QStringLiteral("label_ledColor"));
  label_ledColor->setFixedSize(15, 15);
  label_ledColor->setAutoFillBackground(true);
  label_ledName = new QLabel(this);
  label_ledName->setObjectName(QStringLiteral("label_ledName"));
  label_ledName->setMinimumHeight(16);
  label_ledName->setMaximumHeight(21);
  horizontalLayout->addWidget(label_ledColor);
  horizontalLayout->addWidget(label_ledName);
  gridLayout->addLayout(horizontalLayout, 0, 0);
  ledPalette = label_ledColor->palette();
}

led_Rect::~led_Rect() = default;

void led_Rect::setLedName(QString name) { label_ledName->setText(name); }

void led_Rect::setLedNameTextSize(int size) {
  QFont font(QStringLiteral("Arial"), size);
  font.setWeight(75);
  font.setItalic(false);
  label_ledName->setFont(font);
}

void led_Rect::setLedColors(Qt::GlobalColor _colorON, Qt::GlobalColor _colorOFF) {
  colorOn = _colorON;
  colorOff = _colorOFF;
}

void led_Rect::setLedState(bool state) {
  ledPalette.setBrush(QPalette::All, QPalette::Window,
                      QBrush(state ? colorOn : colorOff, Qt::SolidPattern));
  label_ledColor->setPalette(ledPalette);
}
