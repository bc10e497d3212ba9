// Base of every configuration page: the page fills the screen when shown, shows no pointer
// on the touchscreen, and asks for a fresh inactivity timeout when it is left.
#pragma once

#include <QWidget>

class QHideEvent;
class QShowEvent;

class cConfigurationWidget : public QWidget {
  Q_OBJECT

public:
  explicit cConfigurationWidget(QWidget* parent = nullptr);
  ~cConfigurationWidget() override;

signals:
  // The page's wish that its wizard frame enable or disable the Next button.
  void OnEnableNextBtn(bool aEnable);
  // A new inactivity timeout (ms) for what is shown next.
  void OnReloadConfTimerSignal(int aTimeout);

public slots:
  // Relays a timeout request unchanged (a frame connects its pages' requests here).
  void OnReloadTimer(int aTimeout = 300000);

protected:
  // Derived pages call these first, then reload (show) or write back (hide) their values.
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
};
