#include "fwloader_files.h"

#include <dirent.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "orvPlatform.h"
#include "orv_utils.h"

namespace {
std::string hostPath(const std::string& path) { return orv::devicePath(path); }

bool readLines(const std::string& path, std::vector<std::string>* lines) {
  std::ifstream in(hostPath(path), std::ios::binary);
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) lines->push_back(line);
  return true;
}

}  // namespace

int file_search(const char* dir, const char* ext, int n, char* nameOut) {
  DIR* d = opendir(hostPath(dir).c_str());
  if (!d) return -1;
  int found = 0;
  int result = -1;
  errno = 0;
  while (struct dirent* entry = readdir(d)) {
    const char* dot = std::strrchr(entry->d_name, '.');
    if (dot && std::strcmp(dot, ext) == 0 && ++found == n) {
      std::strcpy(nameOut, entry->d_name);
      result = 0;
      break;
    }
  }
  if (result != 0 && errno != 0) std::printf("Une erreur s'est produite !\n");
  closedir(d);
  return result;
}

int file_get_line(const char* name, const char* dir, int n, char* line) {
  std::vector<std::string> lines;
  if (!readLines(std::string(dir) + name, &lines)) return -1;
  std::string wanted = n >= 0 && n < static_cast<int>(lines.size()) ? lines[n] : "";
  std::snprintf(line, kFileLineMax, "%s", wanted.c_str());
  return 0;
}

int file_system_space(const char* path, float* available, float* total) {
  int64_t freeBytes = getDISK_FreeSpace(path);
  int64_t totalBytes = getDISK_TotalSpace(path);
  if (freeBytes < 0 || totalBytes < 0) {
    std::printf("Failed to stat %s:\n", path);
    return -1;
  }
  *available = static_cast<float>(freeBytes / 1048576.0);
  *total = static_cast<float>(totalBytes / 1048576.0);
  return 0;
}

int file_exist(const char* path) {
  if (!path) return -1;
  FILE* f = std::fopen(hostPath(path).c_str(), "r");
  if (!f) return 0;
  std::fclose(f);
  return 1;
}

int c_file_copy(const char* src, const char* dst, C_File_protect_mode mode) {
  if (mode == C_FILE_DONT_OVERWRITE && file_exist(dst) == 1) return -1;
  FILE* in = std::fopen(hostPath(src).c_str(), "rb");
  if (!in) return -1;
  std::string content;
  std::vector<char> chunk(8192);
  size_t got;
  while ((got = std::fread(chunk.data(), 1, chunk.size(), in)) > 0)
    content.append(chunk.data(), got);
  bool readOk = !std::ferror(in);
  std::fclose(in);
  return readOk && orvFileReplace(dst, content) == 1 ? 0 : -1;
}

int file_copy(const char* name, const char* srcDir, const char* dstDir) {
  return c_file_copy((std::string(srcDir) + name).c_str(), (std::string(dstDir) + name).c_str(),
                     C_FILE_OVERWRITE);
}

int copy_all_ext_files(const char* ext, const char* srcDir, const char* dstDir, int limit) {
  char name[256];
  int n = 1;
  for (; n < limit; ++n) {
    if (file_search(srcDir, ext, n, name) != 0) break;
    if (file_copy(name, srcDir, dstDir) == 0)
      std::printf("Fichier '%s' copier\n", name);
    else
      std::printf("Probleme de copie du fichier '%s'\n", name);
  }
  return n == 1 ? -1 : 0;
}

int file_put_line(const char* name, const char* dir, int n, const char* text) {
  std::string path = std::string(dir) + name;
  std::vector<std::string> lines;
  if (!readLines(path, &lines)) return -1;
  if (n < 0 || n >= static_cast<int>(lines.size())) return 0;
  lines[n] = text;
  std::string content;
  for (const std::string& line : lines) content += line + "\n";
  return orvFileReplace(path.c_str(), content) == 1 ? 0 : -1;
}

int get_dateline(const char* name, const char* dir, int maxLineLength, int first) {
  std::string path = hostPath(std::string(dir) + name);
  // Append-and-read: a missing file is created empty.
  FILE* f = std::fopen(path.c_str(), "a+");
  if (!f) {
    std::perror("erreur de ouvrir de date sur get_dateline");
    std::exit(1);
  }
  std::fclose(f);
  std::vector<std::string> lines;
  readLines(path, &lines);
  int count = 0;
  for (size_t i = 0; i < lines.size(); ++i)
    if (static_cast<int>(i) + 1 >= first) ++count;
  return count;
}

int remplace_virgule(char* text) {
  for (char* p = text; *p; ++p)
    if (*p == ',') *p = '.';
  return static_cast<int>(std::strlen(text));
}

char* remplace_LF(char* text) {
  char* lf = std::strchr(text, '\n');
  if (lf) *lf = '\0';
  return lf;
}

int Coupe_file(const char* name, const char* dir, const char* ext, int limit, int extra) {
  std::string file = std::string(name) + ext;
  int count = get_dateline(file.c_str(), dir, 255, 1);
  if (count <= limit) return -1;
  std::vector<std::string> lines;
  std::string path = std::string(dir) + file;
  if (!readLines(path, &lines)) return -2;
  // Lines are numbered from 1: those above count - limit + extra stay.
  size_t from = static_cast<size_t>(std::max(0, count - limit + extra));
  std::string content;
  for (size_t i = from; i < lines.size(); ++i) content += lines[i] + "\n";
  return orvFileReplace(path.c_str(), content) == 1 ? 0 : -2;
}
