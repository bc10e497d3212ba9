#include "Network1.h"

#include <QLabel>
#include <QPushButton>

#include "standInPage.h"

namespace {
// What the settings view asks of the window's inactivity timer while it is shown.
constexpr int kSettingsTimeoutMs = 900000;
}  // namespace

Network1::Network1(QWidget* parent) : QWidget(parent) {
  buildStandInBody(
      this, QStringLiteral("Network1"),
      {{QStringLiteral("esc_networkButton"), tr("Quitter"), [this] { emit esc_network(); }},
       {QStringLiteral("serverIdButton"), QString(), [this] { emit emit_ServerIDchange(1); }},
       {QStringLiteral("serverIpButton"), QString(), [this] { emit emit_ServerIDchange(2); }},
       {QStringLiteral("OnNetworkConfigAlarmButton"), QString(),
        [this] { emit OnNetworkConfigAlarm(QTime(3, 45)); }}});
  lastCall = new QLabel(this);
  lastCall->setObjectName(QStringLiteral("lastCall"));
  lastCall->setAlignment(Qt::AlignCenter);
  lastCall->setGeometry(0, 420, 640, 40);
}

void Network1::called(const QString& operation) { lastCall->setText(operation); }

void Network1::showNetwork() {
  called(QStringLiteral("showNetwork"));
  emit OnReloadConfTimerSignal(kSettingsTimeoutMs);
}

void Network1::showTraceRoute() { called(QStringLiteral("showTraceRoute")); }

void Network1::OnEnab_serverID() { called(QStringLiteral("OnEnab_serverID")); }

void Network1::OnEnab_serverIP() { called(QStringLiteral("OnEnab_serverIP")); }

void Network1::onStart_WifiQualityMeasure(bool start) {
  if (!start) called(QStringLiteral("onStart_WifiQualityMeasure(false)"));
}
