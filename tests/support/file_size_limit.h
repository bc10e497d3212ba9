// The process may not grow a file beyond `bytes` while it lives (a full flash): a write
// across the limit is cut short, as the kernel does. The limit is lifted at the end of the
// scope.
#pragma once

#include <sys/resource.h>

#include <csignal>
#include <cstddef>

class FileSizeLimit {
public:
  explicit FileSizeLimit(size_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    signal_ = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, signal_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
  struct rlimit saved_;
  void (*signal_)(int);
};
