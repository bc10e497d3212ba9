#include "cORV.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTranslator>
#include <QVBoxLayout>

#include "orvVersion.h"
#include "orv_classPtr.h"

cORV::cORV(QWidget* parent)
    : QWidget(parent), mainStack(new QStackedWidget(this)), screenMsgBox(new QWidget),
      msgBoxTitle(new QLabel(screenMsgBox)), msgBoxText(new QPlainTextEdit(screenMsgBox)),
      translator(nullptr) {
  msgBoxTitle->setObjectName(QStringLiteral("msgBoxTitle"));
  msgBoxTitle->setAlignment(Qt::AlignCenter);
  msgBoxText->setObjectName(QStringLiteral("msgBoxText"));
  msgBoxText->setReadOnly(true);
  auto* pageLayout = new QVBoxLayout(screenMsgBox);
  pageLayout->addWidget(msgBoxTitle);
  pageLayout->addWidget(msgBoxText);

  mainStack->addWidget(screenMsgBox);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(mainStack);
  mainStack->setCurrentWidget(screenMsgBox);

  Singleton<orv_classPtr>::ptr()->mainWindow = this;
}

cORV::~cORV() {
  orv_classPtr* registry = Singleton<orv_classPtr>::ptr();
  if (registry->mainWindow == this) registry->mainWindow = nullptr;
  delete translator;
}

void cORV::appendBoxMessage(const QString& line) { msgBoxText->appendPlainText(line); }

int cORV::On_initAll(std::string language) {
  mainStack->setCurrentWidget(screenMsgBox);
  msgBoxTitle->setText(tr("Informations ORV"));
  appendBoxMessage(tr("Demarrage du ORV v%1.%2.%3")
                       .arg(VERSION_MAJOR)
                       .arg(VERSION_MINOR)
                       .arg(VERSION_RELEASE));

  QString langue = QString::fromUtf8(language.c_str());
  appendBoxMessage(tr("Chargement de la LANGUE:"));
  if (langue.isEmpty() || langue == QLatin1String("*")) {
    langue = QStringLiteral("fr");
    appendBoxMessage(tr(" -- Reconfiguration de la LANGUE necessaire"));
  }

  if (!translator) translator = new QTranslator;
  QCoreApplication::removeTranslator(translator);
  if (translator->load(QStringLiteral("%1orvQT_%2.qm").arg(QStringLiteral("gui_langues/"), langue))) {
    QCoreApplication::installTranslator(translator);
    appendBoxMessage(tr(" ++ Chargement LANGUE [%1] OK").arg(langue));
  } else {
    appendBoxMessage(tr(" -- ERREUR Chargement fichier LANGUE [%1]").arg(langue));
  }
  return 1;
}
