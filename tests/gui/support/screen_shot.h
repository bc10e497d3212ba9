// Pictures of the screens in the states the tests check: build/screens/<name>.png, 640x480,
// so that anyone can look at every screen without running the program.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QColor>
#include <QDir>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <string>

#include "orv_test_sandbox.h"

inline std::string screenShotDir() { return testBuildDir() + "/screens"; }

// The on-screen keyboards' shift and erase keys show pictures, loaded from the program's
// folder "gui_images/": a picture the test's working directory lacks would leave its key
// blank in the screenshot, so a key without its picture fails the test that took it.
inline void expectKeyPictures(QWidget* widget, const std::string& name) {
  for (QAbstractButton* key : widget->findChildren<QAbstractButton*>()) {
    const bool shift = key->objectName() == QLatin1String("keyC1") && key->isCheckable();
    const bool erase = key->objectName() == QLatin1String("keyC2");
    if ((shift || erase) && key->isVisible() && key->icon().pixmap(16, 16).isNull())
      ADD_FAILURE() << name << ": the keyboard's " << (shift ? "shift" : "erase")
                    << " key shows no picture";
  }
}

// Renders `widget` (its children included) into a 640x480 picture; returns its path.
inline std::string saveScreen(QWidget* widget, const std::string& name) {
  expectKeyPictures(widget, name);
  QDir().mkpath(QString::fromStdString(screenShotDir()));
  QPixmap picture(640, 480);
  picture.fill(Qt::white);
  widget->render(&picture);
  const std::string path = screenShotDir() + "/" + name + ".png";
  picture.save(QString::fromStdString(path), "PNG");
  return path;
}
