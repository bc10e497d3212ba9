// Free helpers shared by the three programs: disk space, files and directories, shell
// commands, time stamps, string splitting, the leak analyses' statistics and the
// version texts. No state, no locks.
//
// Every path argument is a device path ("/home/ORV/moy.msr"); the helpers resolve it
// through the platform seam, so callers never deal with the host sandbox.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Disk space of the file system holding `path`.
int64_t getDISK_FreeSpace(const char* path);   // bytes, -1 on failure
int64_t getDISK_TotalSpace(const char* path);  // bytes, -1 on failure
int getFreeDiskSize(const char* path);         // MiB, 0 on failure
int getTotalDiskSize(const char* path);        // MiB, 0 on failure
int PrintSystemSpace(const char* path);        // prints the sizes, returns free MiB

float puiss_frigo(float a, float b, float c);
float calcule_moyenne_ref(const float* p, int n, int start);
// Slope scaled by 100 over the divisor mean(x*y) - mean(x)^2: the statistical alarm
// thresholds are calibrated to exactly this figure, so it is not a least-squares slope.
int linear_regression(const float* x, const float* y, int n, float* slope, float* intercept);

int string_startsWith(const char* s, const char* prefix);
int string_endsWith(const char* s, const char* suffix);
void string_replaceChar(std::string& s, const std::string& from, const std::string& to);
bool string_findSubStr(const std::string& s, const std::string& sub);
void filterVectorContainsStr(std::vector<std::string>& v, const std::string& sub);
void eraseVectorContainsStr(std::vector<std::string>& v, const std::string& sub);
std::string get_FileNameFromPath(const std::string& path);

int orvFileExist(const char* path);
// Replaces the file by `text` so that a power cut leaves the old or the new content: a
// temporary file of a unique name in the same folder, synced, renamed over the file, then
// the folder synced. `mode` sets the permission bits (0774 for a script); -1 keeps those of
// the old file (a new one gets 0666 less the umask). 1 on success, 0 on any failure, the
// old file then left as it was. A successful write also removes the temporaries of this
// file that processes killed while writing it left behind.
int orvFileReplace(const char* devicePath, const std::string& text, int mode = -1);
// Flushes a file's data, or a folder's entries, to the storage: 1, or 0 on failure.
int orvFileSync(const char* devicePath);
// Copies `src` over `dst` through orvFileReplace: a read error or a power cut leaves the
// previous `dst` whole. `mode` as for orvFileReplace. 1 on success, 0 on failure.
int orvFileCopyReplace(const char* src, const char* dst, int mode = -1);
int orvFileCopy(const char* src, const char* dst, int mode = 0);
int orvFileRename(const char* from, const char* to);
int orvFileDelete(const char* path);
float orvFileSize(const char* path);
int orvFileLineNum(const char* path);
int orvDirExist(const char* path);
int orvDirCreate(const char* path);
int orvDirRename(const char* from, const char* to);
int orvDirDelete(const char* path);
int orvDirCopy(const char* src, const char* dst);
// The device paths matching a shell pattern, directories ending in "/", sorted.
std::vector<std::string> getDirFilesList(const std::string& pattern);

int systemCommand(const char* cmd);
std::string getStdoutFromCommand(const char* cmd);

unsigned _getTimeStampInSecs();
double _get_time_ms();
std::string _getSysDateTime_string();

std::vector<std::string> string_split_multiCharDelim(const std::string& s, const std::string& delims);
std::vector<std::string> string_split_stringDelim(const std::string& s, const std::string& delim);
std::vector<double> double_split_multiCharDelim(const std::string& s, const std::string& delims);
std::vector<std::string> strsplit(const std::string& s, char c);
std::vector<double> strsplit_toDdouble(const std::string& s, char c);
std::string strjoin(const std::vector<std::string>& v, const std::string& sep);

std::string read_DM9000_version();
std::string read_KernelVersion();
