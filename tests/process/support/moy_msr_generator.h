// Generator of hourly means files ("moy.msr") for the learning and leak-analysis tests:
// lines of the 62 fields the controller writes, one an hour, each with a chosen record
// count, mean mass and learning marker and plausible values in the other fields. Damaged
// or foreign lines are added as they are.
#pragma once

#include <cstdio>
#include <ctime>
#include <initializer_list>
#include <string>

class MoyMsrGenerator {
public:
  // Learning marker of field 13.
  static constexpr int kLearning = 1;
  static constexpr int kWatch = 0;

  // The first line closes the hour that starts at `firstHour` (local time).
  explicit MoyMsrGenerator(time_t firstHour = 1700000000) : hour_(firstHour) {}

  // `count` lines of `n_enr` records and mean mass `massKg`.
  MoyMsrGenerator& hours(int count, int n_enr, float massKg, int marker) {
    for (int i = 0; i < count; ++i) {
      text_ += line(hour_, n_enr, massKg, marker) + "\n";
      hour_ += 3600;
    }
    return *this;
  }

  // One day of 24 lines per daily mean mass.
  MoyMsrGenerator& days(std::initializer_list<float> dailyMassKg, int n_enr, int marker) {
    for (float mass : dailyMassKg) hours(24, n_enr, mass, marker);
    return *this;
  }

  // A line written as it is (a damaged, foreign or empty line); "\n" is added.
  MoyMsrGenerator& raw(const std::string& text) {
    text_ += text + "\n";
    return *this;
  }

  const std::string& text() const { return text_; }

  // One means line as the controller writes it.
  static std::string line(time_t hour, int n_enr, float massKg, int marker) {
    struct tm t;
    localtime_r(&hour, &t);
    char text[1024];
    std::snprintf(text, sizeof text,
                  "%02d/%02d/%04d;%02d;%d;%.2f;%.2f;-1.00;-0.12;-5.00;-0.35;12.40;24.10;22.80;"
                  "%d;1.50;0;0;9;35.20;%.2f;%.2f;%.2f;%.2f;%d;0;31.50;1;1;"
                  "4.10;3.90;0.00;0.00;0.00;0.00;12.00;1.20;0.80;0.00;0.00;0.00;0.00;0.00;"
                  "2.105000;1.800000;1.750000;18.40;0;-10.20;-2.10;10.04.05;16.20;0.08;"
                  "80.50;18.30;2.500000;2.250000;2.000000;75.10;R404A;120;3.10;0;0.00;",
                  t.tm_mday, t.tm_mon + 1, t.tm_year + 1900, (t.tm_hour + 1) % 24, n_enr,
                  massKg, massKg, marker, massKg, massKg, massKg, massKg, n_enr > 0 ? n_enr - 5 : 0);
    return text;
  }

private:
  time_t hour_;
  std::string text_;
};
