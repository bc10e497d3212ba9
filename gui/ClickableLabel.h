// A text label that reports a press (values of the main screen that open a detail view).
#pragma once

#include <QLabel>

class QMouseEvent;

class ClickableLabel : public QLabel {
  Q_OBJECT

public:
  explicit ClickableLabel(const QString& text = QString(), QWidget* parent = nullptr);
  ~ClickableLabel() override;

  void setTextLabel(const QString& text);
  void setLabelStyleSheet(const QString& styleSheet);

signals:
  void clicked();

protected:
  // The press is the label's own: it is not passed on.
  void mousePressEvent(QMouseEvent* event) override;
};
