// The body shared by the stand-ins of pages that are not built yet: a title with the class
// name and one push button per signal, so that every way out of the page can be tapped.
#pragma once

#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class QPushButton;
class QWidget;

struct StandInButton {
  QString name;  // object name ("<signal>Button" unless the page names it otherwise)
  QString text;
  std::function<void()> emitSignal;
};

// Builds the body on `page` (object name = `className`) and returns the buttons in order.
std::vector<QPushButton*> buildStandInBody(QWidget* page, const QString& className,
                                           const std::vector<StandInButton>& buttons);

// Keeps `*shown` equal to whether `page` is shown: set by its show, cleared by its hide.
void trackShown(QWidget* page, bool* shown);
