#include "ORV_MeansFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "orvPlatform.h"
#include "orv_utils.h"

namespace meansfile {

const char* const kPath = "/home/ORV/moy.msr";

namespace {
std::vector<std::string> nonEmptyPieces(const std::string& text, char separator) {
  std::vector<std::string> pieces;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t hit = text.find(separator, pos);
    if (hit == std::string::npos) hit = text.size();
    if (hit > pos) pieces.push_back(text.substr(pos, hit - pos));
    pos = hit + 1;
  }
  return pieces;
}

// The whole piece is the number: "1x72.96" is no mass of 1 kg.
bool finiteNumber(const std::string& piece, double* value) {
  char* end = nullptr;
  *value = std::strtod(piece.c_str(), &end);
  return end != piece.c_str() && end == piece.c_str() + piece.size() && std::isfinite(*value);
}

bool plausibleRecordCount(double count) { return count >= 0.0 && count <= kMaxRecordsPerLine; }
}  // namespace

bool plausibleMassKg(double mass) {
  return mass >= 0.0 && mass <= kMaxMassKg && mass != kInvalidMassKg;
}

bool parseLine(std::string text, Line* out, double fullMassKg) {
  if (!text.empty() && text.back() == '\r') text.pop_back();
  char separator;
  if (text.find(';') != std::string::npos) {
    separator = ';';
  } else if (text.find('\t') != std::string::npos) {
    separator = '\t';
  } else {
    return false;
  }
  std::vector<std::string> pieces = nonEmptyPieces(text, separator);
  if (static_cast<int>(pieces.size()) < kMinFields) return false;
  double count = 0.0;
  double mass = 0.0;
  if (!finiteNumber(pieces[2], &count) || !finiteNumber(pieces[3], &mass)) return false;
  // Older software wrote 0.00 for an hour without a valid weight: such an hour weighs
  // nothing either (an empty receiver is the low-level alarm's, on the live mass).
  const bool weighs = plausibleRecordCount(count) && plausibleMassKg(mass) && mass != 0.0 &&
                      !(fullMassKg > 0.0 && mass > fullMassKg);
  Line line;
  line.n_enr = weighs ? static_cast<float>(count) : 0.0f;
  line.massKg = weighs ? static_cast<float>(mass) : 0.0f;
  line.marker = static_cast<int>(std::strtol(pieces[12].c_str(), nullptr, 10));
  *out = line;
  return true;
}

bool readAll(std::vector<Line>* lines, double fullMassKg) {
  std::ifstream in(orv::devicePath(kPath), std::ios::binary);
  if (!in) return false;
  lines->clear();
  Line line;
  for (std::string text; std::getline(in, text);) {
    if (parseLine(text, &line, fullMassKg)) lines->push_back(line);
  }
  return true;
}

bool scan(std::vector<Line>* lines, int* n, int* indice_un, int* indice_zero, double fullMassKg) {
  if (!readAll(lines, fullMassKg)) return false;
  for (const Line& line : *lines) {
    ++*n;
    if (line.marker == 1) {
      *indice_un = *n;
    } else {
      *indice_zero = *n;
    }
  }
  std::printf("longeur du fichier = %d, indice_un = %d, indice_zero = %d \n", *n, *indice_un,
              *indice_zero);
  return true;
}

Sums sumsOf(const Line* lines, int from, int to) {
  Sums s;
  for (int i = from < 0 ? 0 : from; i < to; ++i) {
    s.enr += lines[i].n_enr;
    s.poids += static_cast<double>(lines[i].n_enr) * lines[i].massKg;
  }
  return s;
}

bool appendLine(const std::string& line) {
  const std::string path = orv::devicePath(kPath);
  int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0664);
  if (fd < 0) return false;
  std::string text = line + "\n";
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    ::close(fd);
    return false;
  }
  const off_t before = st.st_size;
  char last = '\n';
  if (before > 0 && ::pread(fd, &last, 1, before - 1) == 1 && last != '\n') {
    text.insert(text.begin(), '\n');
  }
  const ssize_t written = ::write(fd, text.data(), text.size());
  bool ok = written == static_cast<ssize_t>(text.size());
  ok = ::close(fd) == 0 && ok;
  if (ok && orvFileSync(kPath) == 1) return true;

  // The write or the sync failed: what reached the file decides.
  const off_t whole = before + static_cast<off_t>(text.size());
  if (::stat(path.c_str(), &st) != 0 || st.st_size <= before) return false;
  if (st.st_size >= whole) {
    std::printf("WriteMoyenne: ligne ecrite, synchronisation de moy.msr en echec\n");
    return true;
  }
  if (::truncate(path.c_str(), before) == 0) {
    std::printf("WriteMoyenne: ligne incomplete retiree de moy.msr\n");
    return false;
  }
  // The part that stays is counted by the analyses when it reads as a means line.
  std::string part = text.substr(0, static_cast<size_t>(st.st_size - before));
  if (!part.empty() && part[0] == '\n') part.erase(0, 1);
  Line ignored;
  return parseLine(part, &ignored);
}

}  // namespace meansfile
