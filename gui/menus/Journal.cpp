#include "Journal.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QStringList>
#include <QTextStream>
#include <QTimer>

#include "orvPlatform.h"
#include "ui_Journal.h"
#include "wideScrollBars.h"

namespace {

struct EventName {
  int code;
  const char* name;  // source text of context "LogConversion"
};

// Searched from the first row; the translations give the readable names.
const EventName kKeys[] = {
    {0, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_FIRST_SERVICE")},
    {1, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_ACQ")},
    {2, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_LEARN")},
    {3, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_VOLTAGE_SHUTDOWN")},
    {4, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_ORV_START")},
    {5, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_LOAD_USB")},
    {6, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_LOAD_NETWORK")},
    {100, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_ALARM_TYPE1")},
    {101, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_ALARM_TYPE2")},
    {102, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_ALARM_TYPE3")},
    {103, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_ALARM_CUVE_LOW_LEVEL")},
    {104, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_DEFAUT_PT100_TEXT")},
    {105, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_DEFAUT_PT100_TENT")},
    {106, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_DEFAUT_PT100_TSOR")},
    {107, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_DEFAUT_PT100_TASP")},
    {108, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_DEFAUT_PT100_SRLIQ")},
    {109, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_DEFAUT_JAUGE_CONTRAINTE")},
    {110, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_DEFAUT_PRESSION_HP")},
    {111, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_DEFAUT_PRESSION_BP")},
    {112, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_DEFAUT_COM_CARTE_MESURE")},
    {113, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_DEFAUT_COM_DEBITMETRE")},
    {114, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_RESTART_COM")},
    {200, QT_TRANSLATE_NOOP("LogConversion", "LOG_INFO")},
    {201, QT_TRANSLATE_NOOP("LogConversion", "LOG_ERROR")},
    {202, QT_TRANSLATE_NOOP("LogConversion", "LOG_MESUREMENT")},
    {203, QT_TRANSLATE_NOOP("LogConversion", "LOG_MISCELLANEAOUS")},
    {1007, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_MODIF_MIN_HP")},
    {1015, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_MODIF_CONTACT_NF_NO")},
    {1017, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_MODIF_ETAT_BPADAP")},
    {1019, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_MODIF_ETAT_HPFLOT")},
    {1026, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_MODIF_REGLAGE_SENALARM3")},
    {1029, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_MODIF_FLAG_ALARM3")},
    {2000, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_MODIF_DIAM_TUBELIQ")},
    {2001, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_MODIF_TYPE_MONTAGE_DEBIT")},
    {2002, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_MODIF_ECART_DEBIT")},
    {2006, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_MODIF_ETAL_PT100_SOUS_REFROID")},
    {3001, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_MODIF_GR_CLIENT")},
    {3002, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_MODIF_TYPE_MAGASIN")},
    {3003, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_MODIF_CODE_3")},
    {3006, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_MODIF_CODE_CONTRAT")},
    {4000, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_CONSULT_COURBES")},
    {4001, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_CONSULT_JOURNAL")},
    {5000, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_ACTION_WRITE_CONFIG")},
    {5001, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_ACTION_REARMEMENT")},
    {5002, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_ACTION_REAPP")},
    {5003, QT_TRANSLATE_NOOP("LogConversion", "E_EVT_ACTION_SEND")},
};

}  // namespace

Journal::Journal(QWidget* parent)
    : cConfigurationWidget(parent), ui(new Ui::Journal), fillTimer(new QTimer(this)) {
  ui->setupUi(this);
  setWideScrollBars(ui->textEdit, this);

  fillTimer->setObjectName(QStringLiteral("fillTimer"));
  fillTimer->setSingleShot(true);
  fillTimer->setInterval(kFillDelayMs);
  connect(fillTimer, &QTimer::timeout, this, &Journal::OnTimerShow);
}

Journal::~Journal() = default;

QString Journal::GetLogString(int code) {
  for (const EventName& key : kKeys)
    if (key.code == code) return QCoreApplication::translate("LogConversion", key.name);
  return QStringLiteral("Event%1").arg(code);
}

void Journal::showEvent(QShowEvent* e) {
  // Shown empty at once, filled half a second later.
  ui->textEdit->clear();
  cConfigurationWidget::showEvent(e);
  fillTimer->start();
}

void Journal::OnTimerShow() {
  QFile file(QString::fromStdString(orv::devicePath("/home/ORV/journal.log")));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return;
  QTextStream in(&file);
  in.setCodec("UTF-8");
  ui->textEdit->clear();

  QStringList lines;
  while (!in.atEnd()) {
    lines.append(in.readLine());
    if (lines.size() > kShownLines) lines.removeFirst();
  }

  // date;time;code;first value;second value;origin;
  for (const QString& line : lines) {
    const QStringList fields = line.split(QLatin1Char(';'), Qt::KeepEmptyParts);
    if (fields.size() < 3) continue;
    bool isNumber = false;
    const int code = fields[2].toInt(&isNumber, 10);
    // A code that is not a number is shown as it stands rather than named after code 0.
    const QString name = isNumber ? GetLogString(code) : QStringLiteral("Event") + fields[2];
    QString entry = QStringLiteral("%1 %2 : %3").arg(fields[0], fields[1], name);
    if (fields.size() > 4 && (!fields[3].isEmpty() || !fields[4].isEmpty()))
      entry += QStringLiteral(" : '%1' -> '%2'").arg(fields[3], fields[4]);
    if (fields.size() > 5 && !fields[5].isEmpty())
      entry += QStringLiteral(" : '%1'").arg(fields[5]);
    ui->textEdit->addItem(entry);
  }
  ui->textEdit->scrollToBottom();
}

void Journal::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
  cConfigurationWidget::changeEvent(e);
}

void Journal::on_Esc_clicked() { emit esc_Journal(); }
