#include "ZuvVirtualKeyboard.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalMapper>
#include <QSpacerItem>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const char kPictures[] = "gui_images/";
const int kCharKeyCount = 26;
const int kAccentKeyCount = 10;
const int kLongPressMs = 1000;

const QString kLettersPageText = QStringLiteral(".?123");
const QString kOtherPagesText = QStringLiteral("ABC");
const QString kDigitsC1Text = QStringLiteral("#+=");
const QString kSpecialC1Text = QStringLiteral("123");

QString azertyLetters() { return QStringLiteral("AZERTYUIOPQSDFGHJKLMWXCVBN"); }
QString qwertyLetters() { return QStringLiteral("QWERTYUIOPASDFGHJKLZXCVBNM"); }
// Key 17 is the ampersand: its label is doubled below, a single one would be a mnemonic.
QString digitChars() {
  return QStringLiteral("1234567890-+:;()") + QChar(0x20AC) + QStringLiteral("&@\".,?!'") +
         QChar(0x00B2);
}
QString specialChars() { return QStringLiteral("[]{}#%^-+=_|~<>$/\\.;,?!*"); }

// Accented forms offered by a long press, by upper-case key label.
QString accentsOf(QChar key) {
  switch (key.unicode()) {
    case 'A': return QString::fromUtf8("àâäã");
    case 'C': return QString::fromUtf8("ç");
    case 'E': return QString::fromUtf8("éèêë");
    case 'I': return QString::fromUtf8("îï");
    case 'N': return QString::fromUtf8("ñ");
    case 'O': return QString::fromUtf8("ôö");
    case 'U': return QString::fromUtf8("ùûüµ");
    case 'Y': return QString::fromUtf8("ÿ");
    default: return QString();
  }
}

// From the program's picture folder; a program delivered without one (the bench) carries
// them in its resources under the same name.
QIcon picture(const char* name) {
  const QString file = QString::fromLatin1(kPictures) + QLatin1String(name);
  return QIcon(QFile::exists(file) ? file : QStringLiteral(":/") + file);
}

}  // namespace

ZuvVirtualKeyboard::ZuvVirtualKeyboard(QWidget* parent)
    : QWidget(parent), owner(parent), clickMapper(nullptr), pressMapper(nullptr), C1(nullptr),
      C2(nullptr), C3(nullptr), C4(nullptr), preview(nullptr), background(nullptr),
      keyArea(nullptr), rows(nullptr), row1(nullptr), row2(nullptr), row3(nullptr),
      row4(nullptr), spacerLeft(nullptr), spacerRight(nullptr), width_(0), height_(0),
      longPressTimer(nullptr), pressedKey(0), accentMapper(nullptr), accentBackground(nullptr),
      accentArea(nullptr), accentRow(nullptr), letterLayout(1) {
  createButtons();

  clickMapper = new QSignalMapper(this);
  pressMapper = new QSignalMapper(this);
  for (int i = 0; i < kCharKeyCount; ++i) {
    connect(charKeys[i], &QPushButton::clicked, clickMapper, qOverload<>(&QSignalMapper::map));
    clickMapper->setMapping(charKeys[i], i);
    connect(charKeys[i], &QPushButton::pressed, pressMapper, qOverload<>(&QSignalMapper::map));
    pressMapper->setMapping(charKeys[i], i);
    connect(charKeys[i], &QPushButton::released, this, &ZuvVirtualKeyboard::keyReleased);
  }
  connect(clickMapper, &QSignalMapper::mappedInt, this, &ZuvVirtualKeyboard::sendChar);
  connect(pressMapper, &QSignalMapper::mappedInt, this, &ZuvVirtualKeyboard::buttonPressed);

  accentMapper = new QSignalMapper(this);
  for (int i = 0; i < kAccentKeyCount; ++i) {
    connect(accentKeys[i], &QPushButton::clicked, accentMapper, qOverload<>(&QSignalMapper::map));
    accentMapper->setMapping(accentKeys[i], i);
  }
  connect(accentMapper, &QSignalMapper::mappedInt, this, &ZuvVirtualKeyboard::sendAccentedChar);

  connect(C1, &QPushButton::clicked, this, &ZuvVirtualKeyboard::buttonC1Function);
  connect(C2, &QPushButton::clicked, this, &ZuvVirtualKeyboard::buttonC2Function);
  connect(C3, &QPushButton::clicked, this, &ZuvVirtualKeyboard::buttonC3Function);
  connect(C4, &QPushButton::clicked, this, &ZuvVirtualKeyboard::buttonC4Function);
  connect(longPressTimer, &QTimer::timeout, this, &ZuvVirtualKeyboard::displayAccentedChar);
}

// The preview and the accent row are the owner's children: when the keyboard goes first
// they go with it, when the owner deleted them first the guarded pointers are empty.
ZuvVirtualKeyboard::~ZuvVirtualKeyboard() {
  delete preview.data();
  delete accentBackground.data();
  delete accentArea.data();
}

void ZuvVirtualKeyboard::createButtons() {
  letterLayout = 1;
  width_ = 320;
  height_ = 240;
  setGeometry(0, 0, width_, height_ / 2);
  setMinimumSize(50, 150);

  background = new QLabel(this);
  background->setStyleSheet(QStringLiteral("background-color:rgb(105, 105, 105);"));
  background->setGeometry(QRect(QPoint(0, 0), QPoint(width_ - 1, height_ / 2 - 1)));
  background->show();

  QFont keyFont;
  keyFont.setPointSize(16);
  keyFont.setWeight(75);
  for (int i = 0; i < kCharKeyCount; ++i) {
    auto* key = new QPushButton(QStringLiteral("."), this);
    key->setObjectName(QStringLiteral("key%1").arg(i));
    key->setFocusPolicy(Qt::NoFocus);
    key->setFont(keyFont);
    charKeys.append(key);
  }

  keyArea = new QWidget(this);
  keyArea->setGeometry(QRect(QPoint(0, 0), QPoint(width_ - 1, height_ / 2 - 1)));
  rows = new QVBoxLayout(keyArea);
  rows->setSpacing(0);
  rows->setContentsMargins(0, 0, 0, 0);
  row1 = new QHBoxLayout;
  row2 = new QHBoxLayout;
  row3 = new QHBoxLayout;
  row4 = new QHBoxLayout;
  rows->addLayout(row1);
  rows->addLayout(row2);
  rows->addLayout(row3);
  rows->addLayout(row4);

  for (int i = 0; i < 10; ++i) row1->addWidget(charKeys[i]);
  for (int i = 10; i < 20; ++i) row2->addWidget(charKeys[i]);

  C1 = new QPushButton(this);
  C1->setObjectName(QStringLiteral("keyC1"));
  C1->setFocusPolicy(Qt::NoFocus);
  spacerLeft = new QSpacerItem(10, 20, QSizePolicy::Fixed, QSizePolicy::Minimum);
  spacerRight = new QSpacerItem(10, 20, QSizePolicy::Fixed, QSizePolicy::Minimum);
  C2 = new QPushButton(this);
  C2->setObjectName(QStringLiteral("keyC2"));
  C2->setFocusPolicy(Qt::NoFocus);
  C2->setIcon(picture("delArrow.png"));
  C2->setText(QStringLiteral(" "));
  row3->addWidget(C1);
  row3->addItem(spacerLeft);
  for (int i = 20; i < kCharKeyCount; ++i) row3->addWidget(charKeys[i]);
  row3->addItem(spacerRight);
  row3->addWidget(C2);

  C3 = new QPushButton(kLettersPageText, this);
  C3->setObjectName(QStringLiteral("keyC3"));
  C3->setFocusPolicy(Qt::NoFocus);
  C3->setMaximumWidth(width_ * 19 / 100);
  C4 = new QPushButton(QStringLiteral("Space"), this);
  C4->setObjectName(QStringLiteral("keyC4"));
  C4->setFocusPolicy(Qt::NoFocus);
  row4->addWidget(C3);
  row4->addWidget(C4);

  // The four rows share the keyboard's height, so that the keys grow with the room the
  // page gives; the function keys carry the character keys' font.
  for (QPushButton* key : charKeys + QVector<QPushButton*>{C1, C2, C3, C4}) {
    key->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Expanding);
    key->setFont(keyFont);
  }
  for (int row = 0; row < rows->count(); ++row) rows->setStretch(row, 1);

  // Child of the owner so that it may stand above the keyboard's top edge.
  preview = new QPushButton(owner ? owner : this);
  preview->setObjectName(QStringLiteral("keyPreview"));
  preview->setFocusPolicy(Qt::NoFocus);
  preview->hide();
  setShiftKey();

  displayAlphabet();

  // The accent keys fill their row, which is made a finger high and wide per key.
  for (int i = 0; i < kAccentKeyCount; ++i) {
    auto* key = new QPushButton(this);
    key->setObjectName(QStringLiteral("keyAccent%1").arg(i));
    key->setFocusPolicy(Qt::NoFocus);
    key->setFont(keyFont);
    key->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    key->hide();
    accentKeys.append(key);
  }
  longPressTimer = new QTimer(this);
  longPressTimer->setInterval(kLongPressMs);
  longPressTimer->setSingleShot(false);
  accentBackground = new QLabel(owner ? owner : this);
  accentBackground->hide();
  accentArea = new QWidget(owner ? owner : this);
  accentArea->hide();
  accentRow = new QHBoxLayout(accentArea);
  accentRow->setContentsMargins(5, 0, 5, 0);
  accentRow->setSpacing(1);
}

// C1 as the shift key of the letters page: the arrow picture, checkable, off.
void ZuvVirtualKeyboard::setShiftKey() {
  C1->setText(QStringLiteral(" "));
  C1->setIcon(picture("arrow.png"));
  C1->setCheckable(true);
  C1->setChecked(false);
}

bool ZuvVirtualKeyboard::lettersShown() const { return C3->text() == kLettersPageText; }

void ZuvVirtualKeyboard::setCharLabels(const QString& labels, int count) {
  for (int i = 0; i < count; ++i) {
    const QChar c = labels.at(i);
    charKeys[i]->setText(c == QLatin1Char('&') ? QStringLiteral("&&") : QString(c));
  }
}

// Key 19 ends row 2, except on the QWERTY letters page where it opens row 3 (10, 9 and
// 7 letters).
void ZuvVirtualKeyboard::placeKey19(bool inRow3) {
  QPushButton* key = charKeys[19];
  const bool isInRow3 = row3->indexOf(key) >= 0;
  if (inRow3 == isInRow3) return;
  (isInRow3 ? row3 : row2)->removeWidget(key);
  if (inRow3)
    row3->insertWidget(2, key);
  else
    row2->addWidget(key);
}

void ZuvVirtualKeyboard::displayAlphabet() {
  const bool qwerty = letterLayout == 0;
  setCharLabels(qwerty ? qwertyLetters() : azertyLetters(), kCharKeyCount);
  placeKey19(qwerty);
  C3->setText(kLettersPageText);
}

void ZuvVirtualKeyboard::displayNumber() {
  setCharLabels(digitChars(), kCharKeyCount);
  placeKey19(false);
  C3->setText(kOtherPagesText);
}

// Keys 24 and 25 keep the apostrophe and the superscript two of the digits page.
void ZuvVirtualKeyboard::displaySpecialChar() {
  setCharLabels(specialChars(), specialChars().size());
  charKeys[24]->setText(QString(digitChars().at(24)));
  charKeys[25]->setText(QString(digitChars().at(25)));
}

void ZuvVirtualKeyboard::setDisplayNumber() { displayNumber(); }

void ZuvVirtualKeyboard::setKeyboardLayout(int layout) {
  letterLayout = layout;
  if (C3->text() == kLettersPageText)
    displayAlphabet();
  else if (C3->text() == kOtherPagesText)
    displayNumber();
}

void ZuvVirtualKeyboard::mouseReleaseEvent(QMouseEvent* event) {
  preview->hide();
  QWidget::mouseReleaseEvent(event);
}

void ZuvVirtualKeyboard::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  width_ = width();
  height_ = height();
  background->setGeometry(0, 0, width_, height_);
  keyArea->setGeometry(0, 0, width_, height_);
  C3->setMaximumWidth(width_ * 19 / 100);
}

// Place of `w` in the owner's coordinates, wherever the owner's layouts put the keyboard.
QPoint ZuvVirtualKeyboard::posInOwner(const QWidget* w) const {
  return owner ? w->mapTo(owner, QPoint(0, 0)) : w->mapTo(this, QPoint(0, 0));
}

void ZuvVirtualKeyboard::buttonPressed(int indexOfCharToSend) {
  if (!C1->isChecked()) longPressTimer->start(kLongPressMs);
  accentBackground->hide();
  accentArea->hide();
  pressedKey = indexOfCharToSend;

  QPushButton* key = charKeys[indexOfCharToSend];
  const bool lower = !C1->isChecked() && lettersShown();
  preview->setText(lower ? key->text().toLower() : key->text());
  preview->setEnabled(false);
  QFont font;
  font.setPointSize(14);
  font.setWeight(75);
  preview->setFont(font);
  preview->setAutoFillBackground(false);
  const QPoint at = posInOwner(key);
  preview->setGeometry(at.x() + key->width() / 2 - 16, at.y() - 35, 32, 32);
  preview->show();
  preview->raise();
}

void ZuvVirtualKeyboard::sendChar(int indexOfCharToSend) {
  longPressTimer->stop();
  // The release that ends a long press types nothing: the accent row is the choice.
  if (!accentArea->isHidden()) return;
  QChar c = charKeys[indexOfCharToSend]->text().at(0);
  if (lettersShown() && !C1->isChecked()) c = c.toLower();
  sendKey(c.unicode(), QString(c));
  preview->hide();
}

void ZuvVirtualKeyboard::keyReleased() {
  longPressTimer->stop();
  preview->hide();
}

void ZuvVirtualKeyboard::displayAccentedChar() {
  QPushButton* key = charKeys[pressedKey];
  const QString accents = accentsOf(key->text().at(0));
  if (accents.isEmpty()) return;
  preview->hide();
  longPressTimer->stop();

  const int n = accents.size();
  // At least a finger per accent key, beside the row's margins (5 + 5) and spacing (1).
  const int fingerRow = n * (kFingerKey + 1) - 1 + 10;
  const int rowWidth = qMax(fingerRow, qMax(n * 22 + 4, n * (width_ * 6 / 100)));
  const int rowHeight = qMax(kFingerKey, key->height() * 15 / 10);
  const QPoint at = posInOwner(key);
  // Kept within the owner's width, so that a key near the right edge keeps its whole row.
  const int ownerWidth = owner ? owner->width() : width();
  const int x = qMax(0, qMin(at.x(), ownerWidth - rowWidth));
  const QRect place(x, at.y() - 3 - rowHeight, rowWidth, rowHeight);
  accentBackground->setGeometry(place);
  accentBackground->setStyleSheet(QStringLiteral(
      "background-color:rgb(230, 230, 230);border: 2px solid #8f8f91;border-radius: 10px;"));
  accentArea->setGeometry(place);
  accentBackground->show();
  accentBackground->raise();
  accentArea->show();
  accentArea->raise();

  for (QPushButton* accent : accentKeys) {
    accentRow->removeWidget(accent);
    accent->hide();
  }
  for (int i = 0; i < n; ++i) {
    accentKeys[i]->setText(QString(accents.at(i)));
    accentRow->addWidget(accentKeys[i]);
    accentKeys[i]->show();
  }
}

void ZuvVirtualKeyboard::sendAccentedChar(int indexOfCharToSend) {
  const QChar c = accentKeys[indexOfCharToSend]->text().at(0).toLower();
  sendKey(c.unicode(), QString(c));
  accentBackground->hide();
  accentArea->hide();
}

// Shift on the letters page; between digits and special characters on the others.
void ZuvVirtualKeyboard::buttonC1Function() {
  if (C3->text() != kOtherPagesText) return;
  if (C1->text() == kDigitsC1Text) {
    C1->setText(kSpecialC1Text);
    C1->setCheckable(false);
    displaySpecialChar();
  } else {
    C1->setText(kDigitsC1Text);
    C1->setIcon(QIcon());
    C1->setCheckable(false);
    displayNumber();
  }
}

void ZuvVirtualKeyboard::buttonC2Function() { sendKey(Qt::Key_Backspace, QString(QChar(8))); }

void ZuvVirtualKeyboard::buttonC3Function() {
  if (C3->text() == kLettersPageText) {
    C1->setChecked(false);
    C1->setText(kDigitsC1Text);
    C1->setIcon(QIcon());
    C1->setCheckable(false);
    displayNumber();
  } else {
    setShiftKey();
    displayAlphabet();
  }
}

void ZuvVirtualKeyboard::buttonC4Function() { sendKey(Qt::Key_Space, QStringLiteral(" ")); }

// A key goes to the field that has the focus on the owning page, never to another
// page's; with no such field it is dropped.
void ZuvVirtualKeyboard::sendKey(int key, const QString& text) {
  QWidget* target = owner ? owner->focusWidget() : nullptr;
  if (!target) return;
  QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text, false, 1);
  QCoreApplication::sendEvent(target, &event);
}
