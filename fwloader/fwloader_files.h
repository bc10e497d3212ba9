// Text-file and directory helpers of the flasher's utility library, beside the shared
// utilities of orv_utils.h. Paths are joined from a directory given with its trailing "/"
// and a file name; device paths resolve through the platform seam.
//
// Files that are rewritten are written whole to a temporary file beside them and renamed
// over the original, so a power cut leaves the old or the new content.
#pragma once

enum C_File_protect_mode { C_FILE_DONT_OVERWRITE = 0, C_FILE_OVERWRITE = 1 };

// Longest line the line helpers handle; line buffers hold this many bytes.
constexpr int kFileLineMax = 8192;

// Name of the n-th entry (from 1, directory order) whose text from its last '.' on equals
// `ext` (".hex") into `nameOut`. 0 found; -1 when the directory cannot be opened or fewer
// than n entries match.
int file_search(const char* dir, const char* ext, int n, char* nameOut);
// Line n (from 0) of dir+name, without its line feed, into `line` (kFileLineMax bytes;
// empty when the file is shorter). 0 when the file opened, -1 when not.
int file_get_line(const char* name, const char* dir, int n, char* line);
// Available and total megabytes of the file system holding `path`; 0, or -1 after
// printing "Failed to stat %s:\n".
int file_system_space(const char* path, float* available, float* total);
// 1 the file can be opened for reading, 0 not, -1 for a null path.
int file_exist(const char* path);
// Copies src to dst; C_FILE_DONT_OVERWRITE refuses an existing dst. 0 or -1.
int c_file_copy(const char* src, const char* dst, C_File_protect_mode mode);
// Copies srcDir+name to dstDir+name, overwriting. 0 or -1.
int file_copy(const char* name, const char* srcDir, const char* dstDir);
// Copies the 1st, 2nd, ... file with extension `ext` while one is found, at most
// limit - 1 of them. -1 when nothing was copied, else 0.
int copy_all_ext_files(const char* ext, const char* srcDir, const char* dstDir, int limit);
// Replaces line n (from 0) of dir+name by `text`. 0 when the file opened (nothing is
// written when it has no line n), -1 otherwise.
int file_put_line(const char* name, const char* dir, int n, const char* text);
// Number of lines of dir+name numbered (from 1) `first` or above; a line longer than
// `maxLineLength` still counts once. The file is created when missing. Ends the process
// with status 1 when it cannot be opened.
int get_dateline(const char* name, const char* dir, int maxLineLength, int first);
// Every ',' becomes '.'; returns the text's length.
int remplace_virgule(char* text);
// Cuts the text at its first line feed: its position, or null when there is none.
char* remplace_LF(char* text);
// Keeps the last limit - extra lines of dir+name+ext once it has more than `limit`.
// 0 trimmed, -1 no more than `limit` lines, -2 the file could not be rewritten.
int Coupe_file(const char* name, const char* dir, const char* ext, int limit, int extra);
