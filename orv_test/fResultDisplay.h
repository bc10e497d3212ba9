// The bench's result list: one line per message of the run, the newest at the bottom;
// a line that begins with "ERREUR" is red.
#pragma once

#include <QString>
#include <QWidget>

namespace Ui {
class fResultDisplay;
}
class QListWidget;

class fResultDisplay : public QWidget {
  Q_OBJECT
public:
  explicit fResultDisplay(QWidget* parent = nullptr);
  ~fResultDisplay() override;

  QListWidget* list() const;

public slots:
  void OnResultDisplay(QString text);
  void OnDisplayClear();

private:
  Ui::fResultDisplay* ui;
};
