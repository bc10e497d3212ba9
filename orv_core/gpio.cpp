#include "gpio.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include "orvPlatform.h"

namespace {

std::mutex gpioMutex;                    // one lock for every access of the process
volatile uint32_t* gpioBase = nullptr;   // the mapping of the current call only

// Port letter and bit of "PORT<letter><bit>"; false outside the register map.
bool parsePin(const char* pin, int* portIndex, int* bit) {
  if (pin == nullptr || std::strncmp(pin, "PORT", 4) != 0) return false;
  char letter = pin[4];
  if (letter < 'A' || letter > 'H') return false;
  char* end = nullptr;
  long n = std::strtol(pin + 5, &end, 10);
  if (end == pin + 5 || n < 0 || n > 31) return false;
  *portIndex = letter - 'A';
  *bit = static_cast<int>(n);
  return true;
}

volatile uint32_t* controlRegister(int portIndex) { return gpioBase + portIndex * 4; }
volatile uint32_t* dataRegister(int portIndex) { return gpioBase + portIndex * 4 + 1; }

bool isDirection(const char* direction, const char* wanted) {
  return direction != nullptr && std::strcmp(direction, wanted) == 0;
}

off_t blockOffset() {
#ifdef ORV_DEVICE_BUILD
  return static_cast<off_t>(orv::kGpioPhysicalBase);
#else
  return 0;
#endif
}

int openRegisterBlock() {
  std::string path = orv::gpioRegisterFile();
#ifdef ORV_DEVICE_BUILD
  return open(path.c_str(), O_RDWR | O_SYNC);
#else
  // The host register file is created zero-filled on first use, like a board at reset.
  std::string dir = path.substr(0, path.find_last_of('/'));
  mkdir(orv::sandboxRoot().c_str(), 0755);
  mkdir(dir.c_str(), 0755);
  int fd = open(path.c_str(), O_RDWR | O_SYNC | O_CREAT, 0644);
  struct stat st;
  if (fd >= 0 && fstat(fd, &st) == 0 && st.st_size < orv::kGpioBlockSize &&
      ftruncate(fd, orv::kGpioBlockSize) != 0) {
    close(fd);
    return -1;
  }
  return fd;
#endif
}

}  // namespace

std::string orv::gpioRegisterFile() { return orv::devicePath("/dev/mem"); }

void GPIO_config(const char* pin, const char* direction) {
  int port, bit;
  if (gpioBase == nullptr || !parsePin(pin, &port, &bit)) return;
  volatile uint32_t* ctrl = controlRegister(port);
  if (port == 0) {
    // Port A: one control bit per pin; "OUTPUT" leaves the register as it is.
    if (isDirection(direction, "INPUT")) *ctrl = *ctrl & ~(1u << bit);
    return;
  }
  if (bit > 15) return;  // two control bits per pin: 16 pins per register
  uint32_t value = *ctrl & ~(3u << (2 * bit));
  if (isDirection(direction, "OUTPUT")) value |= 1u << (2 * bit);
  *ctrl = value;
}

void GPIO_read(const char* pin, const char* direction, int* level) {
  int port, bit;
  if (gpioBase == nullptr || level == nullptr || !parsePin(pin, &port, &bit)) return;
  if (isDirection(direction, "INPUT")) *level = (*dataRegister(port) >> bit) & 1u;
}

void GPIO_write(const char* pin, const char* direction, int value) {
  int port, bit;
  if (gpioBase == nullptr || !parsePin(pin, &port, &bit)) return;
  if (!isDirection(direction, "OUTPUT")) return;
  volatile uint32_t* data = dataRegister(port);
  *data = value ? (*data | (1u << bit)) : (*data & ~(1u << bit));
}

int GPIO(const char* pin, const char* direction, int* value) {
  if (value == nullptr) return -1;
  std::lock_guard<std::mutex> lock(gpioMutex);

  char pinName[12] = {0};
  char dirName[12] = {0};
  if (pin) std::strncpy(pinName, pin, sizeof pinName - 1);
  if (direction) std::strncpy(dirName, direction, sizeof dirName - 1);
  bool read = *value == -1;
  int writeValue = *value;

  int fd = openRegisterBlock();
  if (fd < 0) {
    printf("Unable to open the /dev/mem interface !\n");
    return -1;
  }
  void* map = mmap(nullptr, orv::kGpioBlockSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd,
                   blockOffset());
  if (map == MAP_FAILED) {
    printf("Unable to map 0x%08x address\n", orv::kGpioPhysicalBase);
    close(fd);
    return -1;
  }
  gpioBase = static_cast<volatile uint32_t*>(map);

  GPIO_config(pinName, dirName);
  if (read)
    GPIO_read(pinName, dirName, value);
  else
    GPIO_write(pinName, dirName, writeValue);

  close(fd);
  munmap(map, orv::kGpioBlockSize);
  gpioBase = nullptr;
  return 0;
}
