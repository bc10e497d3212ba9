// The running program version, 10.04.05, and the text forms it is shown in. The key
// vocabulary uses the three numbers as the defaults of CONFIG_VERSION_MAJOR/MINOR/RELEASE
// and as the reference of the configuration migrations.
#pragma once

#include <cstdio>
#include <string>

constexpr int VERSION_MAJOR = 10;
constexpr int VERSION_MINOR = 4;
constexpr int VERSION_RELEASE = 5;

namespace orv {

// printf forms of the three numbers, by where they are shown.
constexpr const char* kVersionSplashFormat = "%2d.%02d.%02d";    // splash screen
constexpr const char* kVersionJournalFormat = "V%02d.%02d.%02d"; // journal
constexpr const char* kVersionInfoFormat = "%02d.%02d.%02d";     // information page
// QString::arg form of the start-up report and the self-test.
constexpr const char* kVersionReportFormat = "v%1.%2.%3";

// The version as the single number written into the boot script (100405).
constexpr int kVersionNumber = VERSION_MAJOR * 10000 + VERSION_MINOR * 100 + VERSION_RELEASE;

// The version printed with one of the printf forms above.
inline std::string versionText(const char* format) {
  char text[32];
  std::snprintf(text, sizeof text, format, VERSION_MAJOR, VERSION_MINOR, VERSION_RELEASE);
  return text;
}

}  // namespace orv
