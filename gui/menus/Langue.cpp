#include "Langue.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDebug>
#include <QEvent>
#include <QIcon>
#include <QMessageBox>
#include <QTranslator>

#include "cMessageBox.h"
#include "orvDatas.h"
#include "orvQtTranslation.h"
#include "orv_classPtr.h"
#include "ui_Langue.h"

namespace {

// The languages in the order set_Langue tests them, with the confirmation box written in
// each language.
struct LangueRow {
  const char* code;
  const char* button;  // object name
  const char* flag;    // picture in gui_images/
  const char* confirmTitle;
  const char* confirmText;
};

const LangueRow kLangues[] = {
    {"fr", "Francais", "fr.png", QT_TRANSLATE_NOOP("Langue", "Changement de la langue"),
     QT_TRANSLATE_NOOP("Langue", "Selection de la langue francaise")},
    {"en", "Anglais", "gb.png", QT_TRANSLATE_NOOP("Langue", "Language Change"),
     QT_TRANSLATE_NOOP("Langue", "English language selected")},
    {"de", "Allemand", "de.png", QT_TRANSLATE_NOOP("Langue", "Ändern der Sprache"),
     QT_TRANSLATE_NOOP("Langue", "Deutsche Sprache ausgewahlte")},
    {"es", "Espagnol", "es.png", QT_TRANSLATE_NOOP("Langue", "El cambio de idioma"),
     QT_TRANSLATE_NOOP("Langue", "El ORV debe reiniciar el sistema para cargar el idioma español")},
    {"it", "Italien", "it.png", QT_TRANSLATE_NOOP("Langue", "La modifica della lingua"),
     QT_TRANSLATE_NOOP("Langue", "Il ORV deve riavviare per caricare italiano")},
    {"nl", "Nederland", "nl.png", QT_TRANSLATE_NOOP("Langue", "Het wijzigen van de taal"),
     QT_TRANSLATE_NOOP("Langue", "De ORV moet herstarten om de Nederlandse taal te laden")},
    {"ru", "Russia", "ru.png", QT_TRANSLATE_NOOP("Langue", "Language Change"),
     QT_TRANSLATE_NOOP("Langue", "Russian language selected")},
    {"hu", "Hungary", "hu.png", QT_TRANSLATE_NOOP("Langue", "A nyelv módosítása"),
     QT_TRANSLATE_NOOP("Langue", "A magyar nyelv válogatott")},
};

}  // namespace

Langue::Langue(QWidget* parent, QTranslator* translator)
    : QWidget(parent), ui(new Ui::Langue), langueTranslator(translator), langueMode(1) {
  buildPage();
}

Langue::Langue(int mode, QWidget* parent)
    : QWidget(parent), ui(new Ui::Langue), langueTranslator(new QTranslator), langueMode(mode) {
  buildPage();
}

Langue::~Langue() = default;

void Langue::buildPage() {
  ui->setupUi(this);
  // One exclusive group of checkable buttons, so that the selection always shows.
  langueButtons = new QButtonGroup(this);
  langueButtons->setExclusive(true);
  for (const LangueRow& langue : kLangues) {
    auto* button = findChild<QAbstractButton*>(QLatin1String(langue.button));
    button->setIcon(QIcon(QStringLiteral("gui_images/") + QLatin1String(langue.flag)));
    langueButtons->addButton(button);
  }
}

bool Langue::isLanguageCode(const QString& code) {
  for (const LangueRow& langue : kLangues)
    if (code == QLatin1String(langue.code)) return true;
  return false;
}

void Langue::set_Langue(QString code) {
  if (code.isEmpty() || code == QLatin1String("*")) code = QStringLiteral("fr");
  const LangueRow* selected = &kLangues[0];
  langueCode = QStringLiteral("fr");
  for (const LangueRow& langue : kLangues) {
    if (code == QLatin1String(langue.code)) {
      selected = &langue;
      langueCode = code;
      break;
    }
  }
  findChild<QAbstractButton*>(QLatin1String(selected->button))->setChecked(true);
  confirmTitle = tr(selected->confirmTitle);
  confirmText = tr(selected->confirmText);
}

void Langue::on_Francais_clicked() { set_Langue(QStringLiteral("fr")); }
void Langue::on_Anglais_clicked() { set_Langue(QStringLiteral("en")); }
void Langue::on_Allemand_clicked() { set_Langue(QStringLiteral("de")); }
void Langue::on_Italien_clicked() { set_Langue(QStringLiteral("it")); }
void Langue::on_Espagnol_clicked() { set_Langue(QStringLiteral("es")); }
void Langue::on_Russia_clicked() { set_Langue(QStringLiteral("ru")); }
void Langue::on_Hungary_clicked() { set_Langue(QStringLiteral("hu")); }
void Langue::on_Nederland_clicked() { set_Langue(QStringLiteral("nl")); }

void Langue::on_ValidButton_clicked() {
  QMessageBox box(QMessageBox::Warning, confirmTitle, confirmText,
                  QMessageBox::Ok | QMessageBox::Cancel);
  if (box.exec() != QMessageBox::Ok) return;

  const QString qmFile =
      QStringLiteral("%1orvQT_%2.qm").arg(QStringLiteral("gui_langues/"), langueCode);
  qDebug() << "Langue" << qmFile;
  // The file is tried on a scratch translator first: a language that cannot load leaves
  // the installed translation and the stored language as they were.
  QTranslator scratch;
  if (!scratch.load(qmFile)) return showLoadError();
  if (langueTranslator) {
    QCoreApplication::removeTranslator(langueTranslator);
    if (!langueTranslator->load(qmFile)) return showLoadError();
    QCoreApplication::installTranslator(langueTranslator);
    qDebug() << "translation OK";
  }
  installQtTranslation(langueCode);

  // The first-start page runs before the store exists: the entry point takes the code.
  if (orvDatas* datas = Singleton<orv_classPtr>::ptr()->datas) {
    const QByteArray code = langueCode.toUtf8();
    datas->setCFG_struct(orvDatas::getCFG_ID_fromKeyString("CONFIG_LANGUE"), code.constData());
  }
  if (langueMode == 0) close();
}

void Langue::showLoadError() {
  cMessageBox::critical(tr("Erreur"), tr("ERREUR Chargement fichier LANGUE [%1]").arg(langueCode),
                        QMessageBox::Ok, 5000, cMessageBox::TimeoutClose,
                        QFont(QStringLiteral("Times"), 18, QFont::Bold));
}

void Langue::on_EscButton_clicked() { emit esc_langue(); }

void Langue::changeEvent(QEvent* e) {
  // The confirmation texts stay in the language they were selected in.
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
  QWidget::changeEvent(e);
}
