#include "fResultDisplay.h"

#include <QListWidgetItem>

#include "ui_fResultDisplay.h"

fResultDisplay::fResultDisplay(QWidget* parent) : QWidget(parent), ui(new Ui::fResultDisplay) {
  ui->setupUi(this);
}

fResultDisplay::~fResultDisplay() { delete ui; }

QListWidget* fResultDisplay::list() const { return ui->msgDisplay; }

void fResultDisplay::OnResultDisplay(QString text) {
  auto* item = new QListWidgetItem(text, ui->msgDisplay);
  // Only the exact upper-case word at the very start marks a failure.
  if (text.startsWith(QStringLiteral("ERREUR"), Qt::CaseSensitive))
    item->setForeground(Qt::red);
  ui->msgDisplay->scrollToBottom();
}

void fResultDisplay::OnDisplayClear() { ui->msgDisplay->clear(); }
