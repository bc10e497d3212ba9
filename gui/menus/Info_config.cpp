#include "Info_config.h"

#include "standInPage.h"

Info_config::Info_config(QWidget* parent) : QWidget(parent) {
  buildStandInBody(this, QStringLiteral("Info_config"),
                   {
       {QStringLiteral("esc_info_configButton"), QString(), [this] { emit esc_info_config(); }}
                   });
}
