// One pin of the board driven through the Linux GPIO file interface
// ("/sys/class/gpio/export", "gpioN/direction", "gpioN/value"), one open, one transfer and
// one close per operation. The bench program's relays and digital inputs; no lock, a pin
// belongs to the bench run's worker.
#pragma once

#include <string>

class gpioORVv2 {
public:
  // `direction`: 0 output, 1 input. The pin is exported and its direction set when its
  // number is above 0; it counts as configured only when both worked.
  gpioORVv2(int pin, int direction);
  virtual ~gpioORVv2();
  gpioORVv2(const gpioORVv2&) = delete;
  gpioORVv2& operator=(const gpioORVv2&) = delete;

  virtual int get_pinNum() { return pin_; }
  virtual bool is_pinConfigured() { return configured_; }
  virtual int get_pinLastState() { return lastState_; }

  // The pin's folder exists.
  bool is_pinReady();
  // 1 when the pin is ready or its number went into "export"; 0 when "export" won't open.
  int export_gpio();
  // 0 "out", 1 any other word; -1 when the direction file won't open.
  int get_direction_gpio();
  // Writes the pin's direction unless the file holds it already: 1 done, 0 failed.
  int set_direction_gpio();
  // Writes `value` unless it is the last state: false when unconfigured or not written.
  bool setval_gpio(int value);
  // Inputs are active low: "0" reads 1, "1" reads 0, anything else 0. Outputs read their
  // level. -1 when unconfigured or the value file won't open.
  int getval_gpio();
  // 1 when the number went into "unexport"; 0 when unconfigured or it won't open.
  int unexport_gpio();

private:
  std::string pinFile(const char* entry) const;

  int pin_;
  int direction_;
  bool configured_;
  int lastState_;
};
