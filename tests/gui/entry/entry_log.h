// One line on stdout per event, flushed at once so that the order survives a crash.
#pragma once

#include <QString>

#include <cstdio>

inline void entryLog(const QString& line) {
  std::printf("%s\n", line.toUtf8().constData());
  std::fflush(stdout);
}

// A text with its line feeds shown as \n, between double quotes.
inline QString quoted(QString text) {
  return QLatin1Char('"') + text.replace(QLatin1Char('\n'), QLatin1String("\\n")) +
         QLatin1Char('"');
}
