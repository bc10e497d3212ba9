// Pieces of the orvQT entry point that come before the first window: the touchscreen and
// window-system environment, and the language pre-scan of the configuration file.
#pragma once

#include <string>

// Sets the touchscreen and display environment of the device before the application
// object exists. The Qt 4 window-system variables are kept as they were; the board build
// also selects Qt 5's framebuffer platform with tslib input unless QT_QPA_PLATFORM is set.
void setDisplayEnvironment();

// Scans a configuration file for its CONFIG_LANGUE line, without the configuration store.
// Runs "./checkIfConfigFileExists.sh" once: after the scan when `fileName` opened, before
// a second attempt on "/home/ORV/config.conf" when it did not. Returns 1 when a file was
// read (`language` set if it held the key), 0 when none could be opened.
int openConfigFile(std::string fileName, std::string& language);
