// Pictures of the screens in the states the tests check: build/screens/<name>.png, 640x480,
// so that anyone can look at every screen without running the program.
#pragma once

#include <QColor>
#include <QDir>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <string>

#include "orv_test_sandbox.h"

inline std::string screenShotDir() { return testBuildDir() + "/screens"; }

// Renders `widget` (its children included) into a 640x480 picture; returns its path.
inline std::string saveScreen(QWidget* widget, const std::string& name) {
  QDir().mkpath(QString::fromStdString(screenShotDir()));
  QPixmap picture(640, 480);
  picture.fill(Qt::white);
  widget->render(&picture);
  const std::string path = screenShotDir() + "/" + name + ".png";
  picture.save(QString::fromStdString(path), "PNG");
  return path;
}
