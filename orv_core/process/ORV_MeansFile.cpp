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

bool finiteNumber(const std::string& piece, float* value) {
  char* end = nullptr;
  double v = std::strtod(piece.c_str(), &end);
  *value = static_cast<float>(v);
  return end != piece.c_str() && std::isfinite(*value);
}
}  // namespace

bool parseLine(std::string text, Line* out) {
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
  Line line;
  if (!finiteNumber(pieces[2], &line.n_enr) || !finiteNumber(pieces[3], &line.massKg)) return false;
  line.marker = static_cast<int>(std::strtol(pieces[12].c_str(), nullptr, 10));
  *out = line;
  return true;
}

bool readAll(std::vector<Line>* lines) {
  std::ifstream in(orv::devicePath(kPath), std::ios::binary);
  if (!in) return false;
  lines->clear();
  Line line;
  for (std::string text; std::getline(in, text);) {
    if (parseLine(text, &line)) lines->push_back(line);
  }
  return true;
}

bool scan(std::vector<Line>* lines, int* n, int* indice_un, int* indice_zero) {
  if (!readAll(lines)) return false;
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
  char last = '\n';
  if (::fstat(fd, &st) == 0 && st.st_size > 0 && ::pread(fd, &last, 1, st.st_size - 1) == 1 &&
      last != '\n') {
    text.insert(text.begin(), '\n');
  }
  bool ok = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
  ok = ::close(fd) == 0 && ok;
  return ok && orvFileSync(kPath) == 1;
}

}  // namespace meansfile
