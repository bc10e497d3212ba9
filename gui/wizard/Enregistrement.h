// Wizard page 16, the last: a title and a progress bar that the wizard moves while it
// writes the changed settings back at Finish.
#pragma once

#include "cConfigurationWidget.h"

class QLabel;
class QProgressBar;

class Enregistrement : public cConfigurationWidget {
  Q_OBJECT

public:
  explicit Enregistrement(QWidget* parent);

  // Any thread may report; the bar is set in the GUI thread, its maximum first.
  void SetProgressValue(int value, int maximum);

signals:
  void OnSetProgressValueSignal(int aValue, int aMax);

private slots:
  void OnSetProgressValue(int aValue, int aMax);

protected:
  void showEvent(QShowEvent* e) override;
  void changeEvent(QEvent* e) override;

private:
  QLabel* labelentete;
  QProgressBar* enrgprogressBar;
};
