// Stand-in until the page is built: the maker's information page, keeping the two texts the
// window composes.
#pragma once

#include <QString>
#include <QWidget>

class Info_Norvale : public QWidget {
  Q_OBJECT

public:
  explicit Info_Norvale(QWidget* parent = nullptr);

  void setCurrentInfo(QString modules, QString dates);

  QString modulesText;
  QString datesText;

signals:
  void esc_InfoNorvale();
  void OnReloadConfTimerSignal(int aTimeout);
};
