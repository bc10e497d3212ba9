// The hourly means file "/home/ORV/moy.msr" as learning and the leak analyses read it, and
// its append. One line filter serves the scan and the analyses alike, so that a truncated
// or foreign line neither blocks the analyses nor shifts their window.
#pragma once

#include <string>
#include <vector>

#include "ORV_ProcThread.h"

namespace meansfile {

using Line = ORV_ProcThread::MeansLine;

extern const char* const kPath;
// Fields a line needs to be a means line (the learning marker is field 13).
constexpr int kMinFields = 15;

// The filter: a line split at ";" (or, without any, at tabs; empty pieces dropped) with at
// least kMinFields pieces and finite numbers in fields 3 and 4 is a means line.
bool parseLine(std::string text, Line* out);
// Every means line of the file, oldest first; false when the file cannot be opened.
bool readAll(std::vector<Line>* lines);
// The scan: reads every means line and continues the counts from the values they hold
// (n counts the lines, indice_un and indice_zero take the number of the last learning and
// the last watch line), then prints them. False, counts untouched, when the file cannot be
// opened.
bool scan(std::vector<Line>* lines, int* n, int* indice_un, int* indice_zero);

// Sums of lines [from, to): Σ n_enr and Σ(n_enr × mass).
struct Sums {
  double enr = 0.0;
  double poids = 0.0;
  // Weighted mean mass; 0 when no record was counted.
  double mean() const { return enr > 0.0 ? poids / enr : 0.0; }
};
Sums sumsOf(const Line* lines, int from, int to);

// Appends `line` and "\n" in one write and syncs the file to flash. When a power cut left
// the file's last line unfinished, the new line starts on a line of its own.
bool appendLine(const std::string& line);

}  // namespace meansfile
