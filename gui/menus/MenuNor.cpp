#include "MenuNor.h"

#include "standInPage.h"

MenuNor::MenuNor(QWidget* parent) : QWidget(parent) {
  buildStandInBody(this, QStringLiteral("MenuNor"),
                   {
       {QStringLiteral("escapeButton"), QString(), [this] { emit escape(); }},
       {QStringLiteral("sigCtrlPoidsButton"), QString(), [this] { emit sigCtrlPoids(2); }}
                   });
}
