// Stand-in until the page is built: the maker's service menu, its constructor and signals.
#pragma once

#include <QWidget>

class MenuNor : public QWidget {
  Q_OBJECT

public:
  explicit MenuNor(QWidget* parent = nullptr);

signals:
  void escape();
  void sigCtrlPoids(int);
};
