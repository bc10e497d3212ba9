#include "CompressorType.h"

#include "standInPage.h"

CompressorType::CompressorType(QWidget* parent, orv_configFile* config) : cConfigurationWidget(parent), config(config) {
  buildStandInBody(this, QStringLiteral("CompressorType"), {

  });
}
