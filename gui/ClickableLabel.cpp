#include "ClickableLabel.h"

#include <QMouseEvent>

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

ClickableLabel::~ClickableLabel() = default;

void ClickableLabel::setTextLabel(const QString& text) { setText(text); }

void ClickableLabel::setLabelStyleSheet(const QString& styleSheet) { setStyleSheet(styleSheet); }

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
  event->accept();
  emit clicked();
}
