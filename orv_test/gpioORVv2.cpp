#include "gpioORVv2.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "orvPlatform.h"

namespace {

const char* const kGpioDir = "/sys/class/gpio/";

// Replaces the file's content with `text` (no line end): false when it won't open.
bool writeEntry(const std::string& devicePath, const std::string& text) {
  FILE* f = std::fopen(orv::devicePath(devicePath).c_str(), "w");
  if (!f) return false;
  std::fputs(text.c_str(), f);
  std::fclose(f);
  return true;
}

// The first blank-separated word of the file: false when it won't open.
bool readEntry(const std::string& devicePath, std::string* word) {
  FILE* f = std::fopen(orv::devicePath(devicePath).c_str(), "r");
  if (!f) return false;
  char buf[64] = "";
  if (std::fscanf(f, "%63s", buf) != 1) buf[0] = '\0';
  std::fclose(f);
  *word = buf;
  return true;
}

}  // namespace

gpioORVv2::gpioORVv2(int pin, int direction)
    : pin_(pin), direction_(direction), configured_(false), lastState_(-1) {
  if (pin_ > 0 && export_gpio() == 1 && set_direction_gpio() == 1) configured_ = true;
}

gpioORVv2::~gpioORVv2() { unexport_gpio(); }

std::string gpioORVv2::pinFile(const char* entry) const {
  return std::string(kGpioDir) + "gpio" + std::to_string(pin_) + "/" + entry;
}

bool gpioORVv2::is_pinReady() {
  struct stat st;
  std::string dir = orv::devicePath(std::string(kGpioDir) + "gpio" + std::to_string(pin_));
  return ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

int gpioORVv2::export_gpio() {
  if (is_pinReady()) return 1;
  if (writeEntry(std::string(kGpioDir) + "export", std::to_string(pin_))) return 1;
  std::printf(" OPERATION FAILED: Unable to export GPIO_%d\n", pin_);
  return 0;
}

int gpioORVv2::get_direction_gpio() {
  std::string word;
  if (!readEntry(pinFile("direction"), &word)) {
    std::printf(" OPERATION FAILED: Unable to get value of GPIO_%d\n", pin_);
    return -1;
  }
  return word == "out" ? 0 : 1;
}

int gpioORVv2::set_direction_gpio() {
  if (get_direction_gpio() == direction_) return 1;
  if (writeEntry(pinFile("direction"), direction_ == 0 ? "out" : "in")) {
    configured_ = true;
    return 1;
  }
  configured_ = false;
  std::printf(" OPERATION FAILED: Unable to set direction of GPIO_%d\n", pin_);
  return 0;
}

bool gpioORVv2::setval_gpio(int value) {
  if (!configured_) return false;
  if (value == lastState_) return true;
  if (!writeEntry(pinFile("value"), std::to_string(value))) {
    std::printf(" OPERATION FAILED: Unable to set value of GPIO_%d\n", pin_);
    return false;
  }
  lastState_ = value;
  return true;
}

int gpioORVv2::getval_gpio() {
  if (!configured_) return -1;
  std::string word;
  if (!readEntry(pinFile("value"), &word)) {
    std::printf(" OPERATION FAILED: Unable to get value of GPIO_%d\n", pin_);
    return -1;
  }
  int value;
  if (direction_ == 1)
    value = word == "0" ? 1 : 0;  // inputs are active when their line is low
  else
    value = static_cast<int>(std::strtol(word.c_str(), nullptr, 10));
  lastState_ = value;
  return value;
}

int gpioORVv2::unexport_gpio() {
  if (!configured_) return 0;
  if (writeEntry(std::string(kGpioDir) + "unexport", std::to_string(pin_))) return 1;
  std::printf(" OPERATION FAILED: Unable to unexport GPIO_%d\n", pin_);
  return 0;
}
