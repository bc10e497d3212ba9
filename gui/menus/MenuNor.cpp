#include "MenuNor.h"

#include <QEvent>

#include "ui_MenuNor.h"

namespace {
// The weight view with the density and height rows (the consultation menu asks for 1).
constexpr int kWeightViewWithLiquid = 2;
}  // namespace

MenuNor::MenuNor(QWidget* parent) : QWidget(parent), ui(new Ui::MenuNor) {
  ui->setupUi(this);
  setWindowState(windowState() | Qt::WindowFullScreen);
}

MenuNor::~MenuNor() = default;

void MenuNor::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
  QWidget::changeEvent(e);
}

void MenuNor::on_ctrlPoidsButton_clicked() { emit sigCtrlPoids(kWeightViewWithLiquid); }

void MenuNor::on_Esc_clicked() { emit escape(); }
