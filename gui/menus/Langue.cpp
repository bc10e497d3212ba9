#include "Langue.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDebug>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

namespace {

// The languages in the order set_Langue tests them, with the confirmation box written in
// each language.
struct LangueRow {
  const char* code;
  const char* button;  // object name
  const char* text;
  const char* confirmTitle;
  const char* confirmText;
};

const LangueRow kLangues[] = {
    {"fr", "Francais", QT_TRANSLATE_NOOP("Langue", " Francais"),
     QT_TRANSLATE_NOOP("Langue", "Changement de la langue"),
     QT_TRANSLATE_NOOP("Langue", "Selection de la langue francaise")},
    {"en", "Anglais", QT_TRANSLATE_NOOP("Langue", " A&nglais"),
     QT_TRANSLATE_NOOP("Langue", "Language Change"),
     QT_TRANSLATE_NOOP("Langue", "English language selected")},
    {"de", "Allemand", QT_TRANSLATE_NOOP("Langue", " A&llemand"),
     QT_TRANSLATE_NOOP("Langue", "Ändern der Sprache"),
     QT_TRANSLATE_NOOP("Langue", "Deutsche Sprache ausgewahlte")},
    {"es", "Espagnol", QT_TRANSLATE_NOOP("Langue", " Espagnol"),
     QT_TRANSLATE_NOOP("Langue", "El cambio de idioma"),
     QT_TRANSLATE_NOOP("Langue", "El ORV debe reiniciar el sistema para cargar el idioma español")},
    {"it", "Italien", QT_TRANSLATE_NOOP("Langue", " Italien"),
     QT_TRANSLATE_NOOP("Langue", "La modifica della lingua"),
     QT_TRANSLATE_NOOP("Langue", "Il ORV deve riavviare per caricare italiano")},
    {"nl", "Nederland", QT_TRANSLATE_NOOP("Langue", " &Neerlandais"),
     QT_TRANSLATE_NOOP("Langue", "Het wijzigen van de taal"),
     QT_TRANSLATE_NOOP("Langue", "De ORV moet herstarten om de Nederlandse taal te laden")},
    {"ru", "Russia", QT_TRANSLATE_NOOP("Langue", " Russe"),
     QT_TRANSLATE_NOOP("Langue", "Language Change"),
     QT_TRANSLATE_NOOP("Langue", "Russian language selected")},
    {"hu", "Hungary", QT_TRANSLATE_NOOP("Langue", " Hungary"),
     QT_TRANSLATE_NOOP("Langue", "A nyelv módosítása"),
     QT_TRANSLATE_NOOP("Langue", "A magyar nyelv válogatott")},
};

// Grid places of the buttons: French, English, German, Italian on the left; Spanish,
// Russian, Hungarian, Dutch on the right (indexes into kLangues).
const int kLeftColumn[] = {0, 1, 2, 4};
const int kRightColumn[] = {3, 6, 7, 5};

}  // namespace

Langue::Langue(int mode, QWidget* parent) : Langue(mode, parent, new QTranslator) {}

Langue::Langue(QWidget* parent, QTranslator* translator) : Langue(1, parent, translator) {}

Langue::Langue(int mode, QWidget* parent, QTranslator* translator)
    : QWidget(parent), langueTranslator(translator), langueMode(mode),
      langueButtons(new QButtonGroup(this)) {
  setWindowTitle(tr("Language"));
  auto* layout = new QGridLayout(this);
  auto* header = new QLabel(QStringLiteral("<b>%1</b>").arg(tr("Langue")), this);
  header->setObjectName(QStringLiteral("LangueEntete"));
  header->setAlignment(Qt::AlignCenter);
  layout->addWidget(header, 0, 0, 1, 2);

  // One exclusive group of checkable buttons, so that the selection always shows.
  langueButtons->setExclusive(true);
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 2; ++column) {
      const LangueRow& langue = kLangues[column == 0 ? kLeftColumn[row] : kRightColumn[row]];
      auto* button = new QPushButton(tr(langue.text), this);
      button->setObjectName(QLatin1String(langue.button));
      button->setCheckable(true);
      button->setMinimumSize(300, 60);
      langueButtons->addButton(button);
      const QString code = QLatin1String(langue.code);
      connect(button, &QPushButton::clicked, this, [this, code] { set_Langue(code); });
      layout->addWidget(button, row + 1, column);
    }
  }

  auto* valid = new QPushButton(tr("Valider"), this);
  valid->setObjectName(QStringLiteral("ValidButton"));
  auto* esc = new QPushButton(tr("Quitter"), this);
  esc->setObjectName(QStringLiteral("EscButton"));
  esc->setDefault(true);
  layout->addWidget(valid, 5, 0);
  layout->addWidget(esc, 5, 1);
  QMetaObject::connectSlotsByName(this);
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
  if (auto* button = findChild<QAbstractButton*>(QLatin1String(selected->button)))
    button->setChecked(true);
  confirmTitle = tr(selected->confirmTitle);
  confirmText = tr(selected->confirmText);
}

void Langue::on_ValidButton_clicked() {
  QMessageBox box(QMessageBox::Warning, confirmTitle, confirmText,
                  QMessageBox::Ok | QMessageBox::Cancel);
  if (box.exec() != QMessageBox::Ok) return;

  // Mode 0 runs before the configuration store exists: the choice is not stored here.
  const QString qmFile =
      QStringLiteral("%1orvQT_%2.qm").arg(QStringLiteral("gui_langues/"), langueCode);
  qDebug() << "Langue" << qmFile;
  if (langueTranslator) {
    QCoreApplication::removeTranslator(langueTranslator);
    if (langueTranslator->load(qmFile)) {
      QCoreApplication::installTranslator(langueTranslator);
      qDebug() << "translation OK";
    }
  }
  if (langueMode == 0) close();
}

void Langue::on_EscButton_clicked() { emit esc_langue(); }
