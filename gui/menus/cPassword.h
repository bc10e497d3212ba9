// Stand-in until the page is built: the code-entry page, its information text, code field
// and signals (no on-screen keyboard yet).
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

class cPassword : public QWidget {
  Q_OBJECT

public:
  explicit cPassword(QWidget* parent = nullptr);

  void setText(QString text);

signals:
  void OnValidationSignal(QString aPassword);
  void OnAnnulationSignal();
  void OnReloadConfTimerSignal(int aTimeout);

protected:
  void showEvent(QShowEvent* event) override;

private:
  QLabel* TxtLabel;
  QLineEdit* linePassword;
};
