// The menu and network codes on the menu-code page, and the time challenge that unlocks the
// server fields of the network page.
#include <QCoreApplication>
#include <QFont>
#include <QMessageBox>
#include <QStackedWidget>

#include <cstdio>
#include <ctime>

#include "Menu.h"
#include "Network1.h"
#include "ORV_UpdThread.h"
#include "cAlarm.h"
#include "cMessageBox.h"
#include "cORV.h"
#include "cORV_registry.h"
#include "cPassword.h"
#include "orvAccessCodes.h"
#include "orvDatas.h"
#include "orvPlatform.h"
#include "orv_classPtr.h"

using namespace orvqt;

namespace {
// Menu-code page contexts.
constexpr int kContextMenu = 0;
constexpr int kContextNetwork = 1;
// Time challenge modes: the server ID field, the server address field.
constexpr int kModeServerId = 1;
constexpr int kModeServerAddress = 2;
constexpr int kErrorBoxMs = 5000;


// The two requests of the challenge text, by the configured language.
struct ChallengeWords {
  const char* language;
  const char* callRequest;
  const char* numberRequest;
};
const ChallengeWords kChallengeWords[] = {
    {"es", QT_TRANSLATE_NOOP("cORV", "Contactar con el SPV en: "),
     QT_TRANSLATE_NOOP("cORV", "Para obtener la contraseña, indicar el código:")},
    {"de", QT_TRANSLATE_NOOP("cORV", "Kontaktieren Sie den Kundendienst unter: "),
     QT_TRANSLATE_NOOP("cORV", "Damit der Code die Nummer anzeigt:")},
    {"en", QT_TRANSLATE_NOOP("cORV", "Contact the after-sales service at: "),
     QT_TRANSLATE_NOOP("cORV", "To have the code indicate the number:")},
    {"ru", QT_TRANSLATE_NOOP("cORV", "Обратитесь в сервисную службу по адресу: "),
     QT_TRANSLATE_NOOP("cORV", " Чтобы код указывал номер:")},
    {"hu",
     QT_TRANSLATE_NOOP("cORV",
                       "Vegye fel a kapcsolatot az értékesítés utáni szolgáltatással a következő címen: "),
     QT_TRANSLATE_NOOP("cORV", "A kód megadásához jelezze a számot:")},
    {"it", QT_TRANSLATE_NOOP("cORV", "Contattare il servizio post-vendita al numero: "),
     QT_TRANSLATE_NOOP("cORV", "Per avere il codice indicare il numero:")},
    {"ch", QT_TRANSLATE_NOOP("cORV", "请联系售后服务: "),
     QT_TRANSLATE_NOOP("cORV", "要让代码指示数字:")},
    {"nl", QT_TRANSLATE_NOOP("cORV", "Neem contact op met de klantenservice na: "),
     QT_TRANSLATE_NOOP("cORV", "Om de code het nummer te laten vermelden:")},
};
const ChallengeWords kFrenchWords = {"fr", QT_TRANSLATE_NOOP("cORV", "Contacter le SAV au : "),
                                     QT_TRANSLATE_NOOP("cORV", "Pour avoir le code indiquer le numero :")};

// One centred paragraph: the request in normal weight, then the value in the body's bold.
QString challengeParagraph(const QString& request, const QString& value) {
  return QStringLiteral(
             "<p align=\"center\" style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; "
             "margin-right:0px; -qt-block-indent:0; text-indent:0px;\">"
             "<span style=\" font-size:18pt; font-weight:400; color:#000000;\">%1</span>"
             "<span style=\" font-size:18pt; color:#000000;\">%2</span></p>")
      .arg(request.toHtmlEscaped(), value.toHtmlEscaped());
}

QString challengeText(const QString& language, int number) {
  const ChallengeWords* words = &kFrenchWords;
  for (const ChallengeWords& w : kChallengeWords)
    if (language == QLatin1String(w.language)) words = &w;
  return QStringLiteral(
             "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\" "
             "\"http://www.w3.org/TR/REC-html40/strict.dtd\">\n"
             "<html><head><meta name=\"qrichtext\" content=\"1\" />"
             "<style type=\"text/css\">\np, li { white-space: pre-wrap; }\n</style></head>"
             "<body style=\" font-family:'Sans'; font-size:9pt; font-weight:600; "
             "font-style:normal;\">\n%1\n%2</body></html>")
      .arg(challengeParagraph(QCoreApplication::translate("cORV", words->callRequest),
                              QString::fromLatin1(orv_access::kAfterSalesPhone)),
           challengeParagraph(QCoreApplication::translate("cORV", words->numberRequest),
                              QString::number(number)));
}
}  // namespace

void cORV::wrongCodeBox() {
  cMessageBox::critical(tr("Erreur"), tr("Mot de passe incorrect"), QMessageBox::Ok, kErrorBoxMs,
                        cMessageBox::TimeoutClose, QFont(QStringLiteral("Times"), 18, QFont::Bold));
}

void cORV::OnShowMenuPassword() {
  passwordContext = kContextMenu;
  menuCodePage->setText(QString());
  showPage(menuCodePage);
}

void cORV::OnMenuConfigNetwork() {
  passwordContext = kContextNetwork;
  showPage(menuCodePage);
}

void cORV::OnMenuPasswordValidation(QString aPassword) {
  const QWidget* current = mainStack ? mainStack->currentWidget() : nullptr;
  std::printf("**** verification du current menu %s\n",
              current ? current->objectName().toLocal8Bit().constData() : "");
  std::fflush(stdout);

  if (aPassword == QLatin1String(orv_access::kMenuCode) && passwordContext == kContextMenu) {
    configMenuEntered = true;
    menuPage->showMenuConfig(config("INTERVENTION_TECH").intValue);
    showPage(menuPage);
    return;
  }
  if (aPassword == QLatin1String(orv_access::kNetworkCode) && passwordContext == kContextNetwork &&
      mainStack) {
    if (ORV_UpdThread* upd = updThread())
      upd->change_sleepThreadState(true);
    // The time challenge and the daily exchange time are for editing only: the read-only
    // view of "Trace Route" leaves them unwired.
    Network1* page = networkPageReady();
    connect(page, SIGNAL(OnNetworkConfigAlarm(QTime)), dailyAlarm, SLOT(OnSetTime(QTime)),
            Qt::UniqueConnection);
    connect(page, SIGNAL(emit_ServerIDchange(int)), this, SLOT(OnTimeConfig(int)),
            Qt::UniqueConnection);
    page->showNetwork();
    showPage(networkPage);
    return;
  }
  wrongCodeBox();
}

void cORV::OnTimeConfig(int stackID) {
  if (!mainStack) return;
  const time_t now = orv::wallClockNow();
  struct tm local;
  localtime_r(&now, &local);
  const int h = local.tm_hour, m = local.tm_min;
  expectedTimeCode = QString::number((h + orv_access::kChallengeHourAdd) *
                                     (m + orv_access::kChallengeMinuteAdd));
  timeCodeMode = stackID;
  timeCodePage->setText(
      challengeText(QString::fromStdString(config("CONFIG_LANGUE").stringValue), h * 100 + m));
  showPage(timeCodePage);
}

void cORV::OnTimePasswordValidation(QString aPassword) {
  if (!mainStack) return;
  bool accepted = false;
  if (!expectedTimeCode.isNull() && timeCodeMode == 0 && aPassword == expectedTimeCode) {
    expectedTimeCode = QString();
    accepted = true;
  } else if (networkPage && !expectedTimeCode.isNull()) {
    if (timeCodeMode == kModeServerId && aPassword == expectedTimeCode) {
      expectedTimeCode = QString();
      showPage(networkPage);
      networkPage->OnEnab_serverID();
      accepted = true;
    } else if (timeCodeMode == kModeServerAddress &&
               (aPassword == expectedTimeCode ||
                aPassword == QLatin1String(orv_access::kServerAddressCode))) {
      expectedTimeCode = QString();
      showPage(networkPage);
      networkPage->OnEnab_serverIP();
      accepted = true;
    }
  }
  // Cleared before the box runs, so that the state is the same whatever ends the box.
  timeCodeMode = 0;
  if (!accepted) wrongCodeBox();
}

void cORV::OnTimePasswordAnnulation() {
  if (!mainStack) return;
  if (!plantCommissioned())
    OnShowMenuPassword();
  else if (timeCodeMode == kModeServerId || timeCodeMode == kModeServerAddress)
    showPage(networkPage);
  else
    OnShow_EcranORV();
  timeCodeMode = 0;
}
