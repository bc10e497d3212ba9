// A text line of fields each ended by ";", as the measurement and hourly means lines are
// written. Built in a growable string: an unbounded float ("%f" of 1e30 or inf) or a long
// configured text cannot overflow it.
#pragma once

#include <cstdarg>
#include <cstdio>
#include <string>

class FieldLine {
public:
  // One field formatted with printf `format`, then ";".
  void add(const char* format, ...) __attribute__((format(printf, 2, 3))) {
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    int size = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    if (size > 0) {
      size_t at = line_.size();
      line_.resize(at + static_cast<size_t>(size) + 1);
      std::vsnprintf(&line_[at], static_cast<size_t>(size) + 1, format, again);
      line_.resize(at + static_cast<size_t>(size));
    }
    va_end(again);
    end();
  }

  // One field of configured text; a separator or line break in it would split the line's
  // fields, so each becomes "_".
  void addText(const std::string& text) {
    for (char c : text) line_ += (c == ';' || c == '\t' || c == '\n' || c == '\r') ? '_' : c;
    end();
  }

  const std::string& text() const { return line_; }
  int fields() const { return fields_; }

private:
  void end() {
    line_ += ';';
    ++fields_;
  }

  std::string line_;
  int fields_ = 0;
};
