#include "MyScrollStyle.h"

#include <QStyleFactory>

namespace {

// Thickness, in pixels, of a scroll bar and of a slider handle.
constexpr int kTouchThickness = 40;

// Cleanlooks comes from the qt5-style-plugins package; a machine without it gets Fusion,
// its closest relative in Qt itself.
QStyle* cleanlooksStyle() {
  QStyle* style = QStyleFactory::create(QStringLiteral("Cleanlooks"));
  return style ? style : QStyleFactory::create(QStringLiteral("Fusion"));
}

}  // namespace

MyScrollStyle::MyScrollStyle() : QProxyStyle(cleanlooksStyle()) {}

MyScrollStyle::~MyScrollStyle() = default;

int MyScrollStyle::pixelMetric(QStyle::PixelMetric metric, const QStyleOption* option,
                               const QWidget* widget) const {
  if (metric == PM_ScrollBarExtent || metric == PM_SliderControlThickness)
    return kTouchThickness;
  return QProxyStyle::pixelMetric(metric, option, widget);
}
