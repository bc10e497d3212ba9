#include "Info_Norvale.h"

#include <QDateTime>
#include <QEvent>
#include <QLocale>
#include <QPainter>
#include <QTimer>

#include "orvPlatform.h"
#include "orvVersion.h"
#include "ui_Info_Norvale.h"

namespace {

QDateTime programClock() {
  return QDateTime::fromSecsSinceEpoch(static_cast<qint64>(orv::wallClockNow()));
}

}  // namespace

Info_Norvale::Info_Norvale(QWidget* parent)
    : cConfigurationWidget(parent),
      ui(new Ui::Info_Norvale),
      refreshTimer(new QTimer(this)),
      logo(QStringLiteral("gui_images/start_logo.png")) {
  ui->setupUi(this);
  refreshTimer->setObjectName(QStringLiteral("refreshTimer"));
  refreshTimer->setInterval(kClockRefreshMs);
  connect(refreshTimer, &QTimer::timeout, this, &Info_Norvale::OnTimerRefresh);
}

Info_Norvale::~Info_Norvale() = default;

void Info_Norvale::setCurrentInfo(QString modules, QString dates) {
  modulesText = modules;
  datesText = dates;
}

QString Info_Norvale::clockText() {
  // Non-breaking spaces hold the date and the time each on one line: a narrow label breaks
  // the clock only after the date's dash, never inside the date or the time.
  auto unbroken = [](QString format) {
    return format.replace(QLatin1Char(' '), QChar(QChar::Nbsp));
  };
  const QString format = unbroken(QStringLiteral("dddd dd / MM / yyyy -")) + QLatin1Char(' ') +
                         unbroken(QStringLiteral("HH : mm : ss"));
  return QLocale(QLocale::French).toString(programClock(), format);
}

QString Info_Norvale::noticeText() const {
  return tr("(c) NORVALE 2004 - %1").arg(programClock().date().year());
}

void Info_Norvale::showEvent(QShowEvent* e) {
  ui->label_DH->setText(noticeText() + QLatin1Char('\t') + clockText());
  ui->label_Version->setText(
      tr("\tORV Version : %1")
          .arg(QString::fromStdString(orv::versionText(orv::kVersionInfoFormat))) +
      QStringLiteral("\n%1").arg(modulesText));
  ui->info_tare->setText(datesText);
  refreshTimer->start();
  cConfigurationWidget::showEvent(e);
}

void Info_Norvale::hideEvent(QHideEvent* e) {
  refreshTimer->stop();
  cConfigurationWidget::hideEvent(e);
}

void Info_Norvale::OnTimerRefresh() {
  ui->label_DH->setText(clockText() + QLatin1Char('\n') + noticeText());
}

void Info_Norvale::paintEvent(QPaintEvent* e) {
  // The logo is the background, under the controls; without the file the page stays plain.
  QPainter painter(this);
  painter.drawPixmap(0, 0, logo);
  cConfigurationWidget::paintEvent(e);
}

void Info_Norvale::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
  cConfigurationWidget::changeEvent(e);
}

void Info_Norvale::on_accueilButton_clicked() { emit esc_InfoNorvale(); }
