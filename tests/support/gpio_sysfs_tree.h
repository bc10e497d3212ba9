// The GPIO file interface of the bench program laid out in a test sandbox: plain
// "export" and "unexport" files and, for each pin of the bench, "gpioN/direction" and
// "gpioN/value". Writing a number into the sandbox's "export" creates nothing, so the pin
// folders are made here beforehand; a pin left out stays unconfigured.
#pragma once

#include <initializer_list>
#include <string>

#include "orv_test_sandbox.h"

// The ten pins of the bench: outputs 138, 135, 136, 230, 232, inputs 200, 201, 202, 41, 42.
constexpr int kBenchGpioPins[] = {138, 135, 136, 230, 232, 200, 201, 202, 41, 42};

inline std::string gpioPinPath(int pin, const std::string& entry) {
  return "/sys/class/gpio/gpio" + std::to_string(pin) + "/" + entry;
}

// Lays out the tree with every pin's direction and value as given ("in", "1": an input
// line at rest); `leaveOut` pins get no folder.
inline void layOutGpioSysfs(const TestSandbox& box, const std::string& direction = "in",
                            const std::string& value = "1",
                            std::initializer_list<int> leaveOut = {}) {
  box.write("/sys/class/gpio/export", "");
  box.write("/sys/class/gpio/unexport", "");
  for (int pin : kBenchGpioPins) {
    bool skip = false;
    for (int left : leaveOut) skip = skip || left == pin;
    if (skip) continue;
    box.write(gpioPinPath(pin, "direction"), direction);
    box.write(gpioPinPath(pin, "value"), value);
  }
}
