// Linked into every program of a sanitizer build with UndefinedBehaviorSanitizer.
//
// GCC's UBSan runtime is a library of its own beside ASan's, and both export the call that
// opens the report file: UBSan's start-up reaches ASan's copy, so UBSan's own reports go to
// stderr whatever log_path says, where a test script may keep them to itself. At start this
// hands UBSan's copy the log_path of UBSAN_OPTIONS, with ".ubsan" added so that the two
// runtimes never write the same file: PREFIX.ubsan.PID beside ASan's PREFIX.PID.
#include <dlfcn.h>
#include <stdlib.h>
#include <string.h>

__attribute__((constructor)) static void ubsanReportsToLogPath(void) {
  const char* options = getenv("UBSAN_OPTIONS");
  const char* found = NULL;
  for (const char* p = options; p && (p = strstr(p, "log_path=")) != NULL; p += 9)
    if (p == options || p[-1] == ':' || p[-1] == ' ') found = p + 9;  // the last one counts
  if (!found) return;
  size_t length = strcspn(found, ": ");
  if (length == 0 || length > 4000) return;
  char prefix[4096];
  memcpy(prefix, found, length);
  strcpy(prefix + length, ".ubsan");

  void* ubsan = dlopen("libubsan.so.1", RTLD_LAZY | RTLD_NOLOAD);
  if (!ubsan) return;  // no UBSan runtime library of its own
  void (*setReportPath)(const char*) =
      (void (*)(const char*))dlsym(ubsan, "__sanitizer_set_report_path");
  if (setReportPath) setReportPath(prefix);
  dlclose(ubsan);
}
