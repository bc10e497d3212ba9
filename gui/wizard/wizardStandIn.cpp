#include "wizardStandIn.h"

#include <QLabel>
#include <QStringList>
#include <QWidget>

#include "orv_configFile.h"

QLabel* addCopyValuesLabel(QWidget* page) {
  auto* label = new QLabel(page);
  label->setObjectName(QStringLiteral("copyValues"));
  label->setGeometry(12, 220, 616, 150);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

void showCopyValues(QLabel* label, orv_configFile* config,
                    std::initializer_list<const char*> keys) {
  QStringList lines;
  for (const char* key : keys)
    lines << QStringLiteral("%1=%2").arg(
        QLatin1String(key), QString::fromStdString(config->getCString(key, "", "General")));
  label->setText(lines.join(QLatin1Char('\n')));
}
