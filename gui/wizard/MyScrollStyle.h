// Wide scroll bars for the touch screen: the Cleanlooks look with scroll bars and slider
// handles 40 pixels thick, so that a finger can hold them. Pages set it on their own scroll
// bars or lists with QWidget::setStyle; it is never the application style.
#pragma once

#include <QProxyStyle>

class MyScrollStyle : public QProxyStyle {
public:
  MyScrollStyle();
  ~MyScrollStyle() override;

  int pixelMetric(QStyle::PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
};
