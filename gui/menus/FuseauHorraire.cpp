#include "FuseauHorraire.h"

#include <QDate>
#include <QDateTime>
#include <QEvent>

#include <cstdio>
#include <ctime>

#include "ORV_core.h"
#include "orvPlatform.h"
#include "orv_classPtr.h"
#include "ui_FuseauHorraire.h"

namespace {
constexpr int kRestartReboot = 2;  // the core's restart action: flush, PORTE7 cycle, reboot
}  // namespace

FuseauHorraire::FuseauHorraire(QWidget* parent)
    : QWidget(parent),
      ui(new Ui::FuseauHorraire),
      fuseauHorraire(0),
      gmtHour(0),
      localHour(0),
      localMinute(0),
      day(0),
      month(0),
      year(0) {
  ui->setupUi(this);
  ui->spinBox_DAY->setRange(1, 31);
  ui->spinBox_MONTH->setRange(1, 12);
  ui->spinBox_YEAR->setRange(2000, 3000);
  ui->spinBox_HEURE->setRange(0, 23);
  ui->spinBox_MINUTE->setRange(0, 59);
  ui->labelGMT->hide();
  ui->label_2->hide();
  connect(ui->spinBox_MONTH, QOverload<int>::of(&QSpinBox::valueChanged), this,
          &FuseauHorraire::limitDayToMonth);
  connect(ui->spinBox_YEAR, QOverload<int>::of(&QSpinBox::valueChanged), this,
          &FuseauHorraire::limitDayToMonth);
}

FuseauHorraire::~FuseauHorraire() = default;

void FuseauHorraire::setCfgFusHorraire(int offset) { fuseauHorraire = offset; }

void FuseauHorraire::limitDayToMonth() {
  // Lowering the maximum brings a later day down to the month's last one.
  ui->spinBox_DAY->setMaximum(
      QDate(ui->spinBox_YEAR->value(), ui->spinBox_MONTH->value(), 1).daysInMonth());
}

void FuseauHorraire::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  const time_t now = orv::wallClockNow();
  struct tm local {};
  localtime_r(&now, &local);
  day = local.tm_mday;
  month = local.tm_mon + 1;
  year = local.tm_year + 1900;
  ui->spinBox_YEAR->setValue(year);
  ui->spinBox_MONTH->setValue(month);
  limitDayToMonth();
  ui->spinBox_DAY->setValue(day);
  localHour = local.tm_hour;
  localMinute = local.tm_min;
  gmtHour = (localHour + 24 - fuseauHorraire) % 24;
  ui->labelGMT->setText(QStringLiteral("%1:%2").arg(gmtHour).arg(localMinute));
  ui->spinBox_HEURE->setValue(localHour);
  ui->spinBox_MINUTE->setValue(localMinute);
}

void FuseauHorraire::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}

void FuseauHorraire::on_pB_Exit_clicked() {
  // Both compare with what the boxes were given at show, so an untouched page sets nothing
  // even when the minute (or the day) turned while it was open.
  const bool timeChanged =
      ui->spinBox_HEURE->value() != localHour || ui->spinBox_MINUTE->value() != localMinute;
  const bool dateChanged = ui->spinBox_DAY->value() != day ||
                           ui->spinBox_MONTH->value() != month ||
                           ui->spinBox_YEAR->value() != year;
  if (!timeChanged && !dateChanged) {
    emit sig_fushorraireExit(kNothingChanged);
    return;
  }
  setClockFromBoxes();
  if (dateChanged) {
    if (ORV_core* core = Singleton<orv_classPtr>::ptr()->core)
      core->OnORV_RestartAction(kRestartReboot);
  }
  // The stored zone, so that the main window links it again after the clock setting.
  emit sig_fushorraireExit(fuseauHorraire);
}

void FuseauHorraire::setClockFromBoxes() {
  struct tm local {};
  local.tm_year = ui->spinBox_YEAR->value() - 1900;
  local.tm_mon = ui->spinBox_MONTH->value() - 1;
  local.tm_mday = ui->spinBox_DAY->value();
  local.tm_hour = ui->spinBox_HEURE->value();
  local.tm_min = ui->spinBox_MINUTE->value();
  local.tm_sec = 0;
  local.tm_isdst = -1;
  const time_t when = mktime(&local);
  if (when != static_cast<time_t>(-1)) orv::setWallClock(when);

  const QDateTime shown(
      QDate(ui->spinBox_YEAR->value(), ui->spinBox_MONTH->value(), ui->spinBox_DAY->value()),
      QTime(ui->spinBox_HEURE->value(), ui->spinBox_MINUTE->value(), 0));
  const QString dateCommand = QStringLiteral("date -s \"%1 %2\"")
                                  .arg(shown.toString(QStringLiteral("yyyy-MM-dd")),
                                       shown.toString(QStringLiteral("hh:mm:ss")));
  const QByteArray command = dateCommand.toUtf8();
  orv::runCommand(command.toStdString());
  orv::runCommand("hwclock -w");
  std::printf("la date est : %s - %s\n", command.constData(), command.constData());
  std::fflush(stdout);
}
