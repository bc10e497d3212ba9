#include "cConfigurationWidget.h"

#include <QCursor>
#include <QHideEvent>
#include <QShowEvent>

namespace {
// Leaving a page gives whoever is shown next five minutes before the window locks again.
constexpr int kLeavePageTimeoutMs = 300000;
}  // namespace

cConfigurationWidget::cConfigurationWidget(QWidget* parent) : QWidget(parent) {
  setCursor(QCursor(Qt::BlankCursor));
}

cConfigurationWidget::~cConfigurationWidget() = default;

void cConfigurationWidget::showEvent(QShowEvent* e) {
  showFullScreen();
  QWidget::showEvent(e);
}

void cConfigurationWidget::hideEvent(QHideEvent* e) {
  QWidget::hideEvent(e);
  emit OnReloadConfTimerSignal(kLeavePageTimeoutMs);
}

void cConfigurationWidget::OnReloadTimer(int aTimeout) { emit OnReloadConfTimerSignal(aTimeout); }
