#include "orvStartup.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "orvPlatform.h"

namespace {

const char kConfigPath[] = "/home/ORV/config.conf";
const char kCheckScript[] = "./checkIfConfigFileExists.sh";

// Takes the value of the last CONFIG_LANGUE line; sections, escapes and blanks are not
// looked at. The configuration writer stores an empty value as "", which means empty here.
void scanLanguage(std::ifstream& file, std::string& language) {
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#') continue;
    size_t eq = line.find('=');
    if (eq == std::string::npos || line.compare(0, eq, "CONFIG_LANGUE") != 0) continue;
    language = line.substr(eq + 1);
    if (language == "\"\"") language.clear();
  }
}

}  // namespace

void setDisplayEnvironment() {
  static const struct {
    const char* name;
    const char* value;
  } kEnvironment[] = {
      {"TSLIB_TSDEVICE", "/dev/event1"},
      {"TSLIB_CALIBFILE", "/etc/pointercal"},
      {"TSLIB_CONFFILE", "/etc/ts.conf"},
      {"TSLIB_PLUGINDIR", "/usr/lib/ts"},
      {"QWS_MOUSE_PROTO", "tslib"},
      {"QT_QWS_FONTDIR", "/usr/lib/fonts"},
      {"QWS_SIZE", "640x480"},
      {"QWS_DISPLAY", "LinuxFb:mmWidth=100:mmHeight=170"},
  };
  for (const auto& variable : kEnvironment) setenv(variable.name, variable.value, 1);
#ifdef ORV_DEVICE_BUILD
  // Qt 5 has no window-system server: the framebuffer platform draws the 640x480 panel
  // itself and reads the touchscreen through tslib (not libinput, not raw evdev touch).
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (!platform || !*platform) {
    setenv("QT_QPA_PLATFORM", "linuxfb:mmsize=100x170", 1);
    setenv("QT_QPA_FB_TSLIB", "1", 1);
    setenv("QT_QPA_FB_NO_LIBINPUT", "1", 1);
    setenv("QT_QPA_FONTDIR", "/usr/lib/fonts", 0);
  }
#endif
  // The panel's 100 x 170 mm for 640 x 480 pixels makes the fonts 72 dpi: a point is a
  // pixel. Fixed here, whatever size a framebuffer or an X server reports, so that the
  // forms fit as they do on the panel.
  setenv("QT_FONT_DPI", "72", 0);
}

int openConfigFile(std::string fileName, std::string& language) {
  std::ifstream file(orv::devicePath(fileName));
  if (file.is_open()) {
    scanLanguage(file, language);
    orv::runCommand(kCheckScript);
    return 1;
  }
  std::fputs("Couldn't open config file for reading.\n", stderr);
  orv::runCommand(kCheckScript);
  std::ifstream retry(orv::devicePath(kConfigPath));
  if (!retry.is_open()) return 0;
  scanLanguage(retry, language);
  return 1;
}
