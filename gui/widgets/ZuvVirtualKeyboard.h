// On-screen keyboard of the touchscreen: 26 character keys on three pages (letters,
// digits, special characters), shift / page switch, backspace, page toggle and space, a
// magnified preview of the key under the finger and, on a long press of a letter, a row
// of its accented forms. Every tap becomes a key-press event sent to the focus widget of
// the page that owns the keyboard (its parent), so the fields need no knowledge of it.
#pragma once

#include <QPointer>
#include <QString>
#include <QVector>
#include <QWidget>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QSignalMapper;
class QSpacerItem;
class QTimer;
class QVBoxLayout;

class ZuvVirtualKeyboard : public QWidget {
  Q_OBJECT

public:
  // `parent` owns the keyboard: its focus widget receives the keys, and the preview and
  // the accent row are its children, drawn over the page above the keyboard.
  explicit ZuvVirtualKeyboard(QWidget* parent = nullptr);

  // A key a finger can hit: the lowest key height, and the keyboard's height for four rows
  // of such keys, which an owner gives as the keyboard's minimum.
  static constexpr int kFingerKey = 40;
  static constexpr int kFingerHeight = 4 * kFingerKey;
  ~ZuvVirtualKeyboard() override;

  // Shows the digits page (the code pages open on it).
  void setDisplayNumber();
  // 0 QWERTY, any other value AZERTY; redraws the page shown.
  void setKeyboardLayout(int layout);

protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private slots:
  void createButtons();
  void displayAlphabet();
  void displayNumber();
  void displaySpecialChar();
  void buttonC1Function();
  void buttonC2Function();
  void buttonC3Function();
  void buttonC4Function();
  void sendChar(int indexOfCharToSend);
  void buttonPressed(int indexOfCharToSend);
  void displayAccentedChar();
  void sendAccentedChar(int indexOfCharToSend);
  // A key let go outside itself gives no click: its preview and long press end here.
  void keyReleased();

private:
  bool lettersShown() const;
  void setCharLabels(const QString& labels, int count);
  void placeKey19(bool inRow3);
  void setShiftKey();
  void sendKey(int key, const QString& text);
  QPoint posInOwner(const QWidget* w) const;

  QWidget* owner;
  QSignalMapper* clickMapper;
  QSignalMapper* pressMapper;
  QVector<QPushButton*> charKeys;
  QPushButton* C1;
  QPushButton* C2;
  QPushButton* C3;
  QPushButton* C4;
  QPointer<QPushButton> preview;
  QLabel* background;
  QWidget* keyArea;
  QVBoxLayout* rows;
  QHBoxLayout* row1;
  QHBoxLayout* row2;
  QHBoxLayout* row3;
  QHBoxLayout* row4;
  QSpacerItem* spacerLeft;
  QSpacerItem* spacerRight;
  int width_;
  int height_;
  QTimer* longPressTimer;
  int pressedKey;
  QVector<QPushButton*> accentKeys;
  QSignalMapper* accentMapper;
  QPointer<QLabel> accentBackground;
  QPointer<QWidget> accentArea;
  QHBoxLayout* accentRow;
  int letterLayout;
};
