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

// The mean mass of an hour whose records had no valid mass (the invalid value of the
// measurement record): its line weighs nothing in learning and the analyses.
constexpr float kInvalidMassKg = 999.0f;
// Above any charge a commercial plant's receivers hold (100 t of liquid refrigerant): a
// larger mean mass is a damaged value, never a reading. The plant's own receivers, full,
// bound the mean masses of its lines more closely (see parseLine).
constexpr double kMaxMassKg = 100000.0;
// One record a second for a whole day: more records in one line (sums carried over from
// hours that could not be written) are a damaged count.
constexpr double kMaxRecordsPerLine = 86400.0;

// A refrigerant mass (kg) that may enter a mean: finite, 0 to kMaxMassKg, and not the
// invalid value 999.
bool plausibleMassKg(double mass);

// The filter: a line split at ";" (or, without any, at tabs; empty pieces dropped) with at
// least kMinFields pieces and fields 3 and 4 that are each one finite number as a whole
// is a means line. A means line whose count or mean mass is not plausible, whose mean
// mass is above `fullMassKg` (the receivers' mass when full; 0 when the geometry gives
// none), or whose mean mass is exactly 0 (an hour without a valid weight in older files),
// keeps its place among the hours but stands on no record: its n_enr is 0.
bool parseLine(std::string text, Line* out, double fullMassKg = 0.0);
// Every means line of the file, oldest first; false when the file cannot be opened.
bool readAll(std::vector<Line>* lines, double fullMassKg = 0.0);
// The scan: reads every means line and continues the counts from the values they hold
// (n counts the lines, indice_un and indice_zero take the number of the last learning and
// the last watch line), then prints them. False, counts untouched, when the file cannot be
// opened.
bool scan(std::vector<Line>* lines, int* n, int* indice_un, int* indice_zero,
          double fullMassKg = 0.0);

// Sums of lines [from, to): Σ n_enr and Σ(n_enr × mass).
struct Sums {
  double enr = 0.0;
  double poids = 0.0;
  // Weighted mean mass; 0 when no record was counted.
  double mean() const { return enr > 0.0 ? poids / enr : 0.0; }
};
Sums sumsOf(const Line* lines, int from, int to);

// Appends `line` and "\n" in one write and syncs the file to flash. When a power cut left
// the file's last line unfinished, the new line starts on a line of its own. True when
// the whole line is in the file. A line is in the file whole or not at all: after a failed
// write or sync the file's length decides, and a part of the line is cut off again, so
// that its records are neither counted twice (by this line and the next) nor lost.
bool appendLine(const std::string& line);

}  // namespace meansfile
