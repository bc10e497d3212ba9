// GPIO layer: reads or writes one pin of the system-on-chip's GPIO register block.
//
// Pins are named "PORT<letter><bit>" ("PORTH7", "PORTE10"), directions "INPUT" or
// "OUTPUT". Every call re-applies the pin's direction, then reads or writes its level.
// The register block is mapped for the duration of one call only: on the board the page at
// physical 0x56000000 of "/dev/mem"; in the host build the 4096-byte register file
// "$ORV_ROOT/dev/mem" at offset 0 (created zero-filled when missing), with the same
// register logic, so a test or `orvcore-cli gpio dump` can read what the program drove.
//
// Register layout per port A..H: control at 0x10 * index, data 4 bytes above it. Ports
// B..H have two control bits per pin (00 input, 01 output), port A one bit per pin.
#pragma once

#include <cstdint>
#include <string>

// `*value` == -1 reads: the level of an "INPUT" pin goes to `*value` (an output cannot
// be read, `*value` stays -1). Any other `*value` writes: an "OUTPUT" pin is driven high
// for a non-zero value, low for 0. 0 after the access; -1 when the register block cannot
// be opened or mapped. Calls from all threads are serialised by one blocking lock, so a
// relay or line-driver write is never skipped.
int GPIO(const char* pin, const char* direction, int* value);

// The register steps of one access, on the block mapped by GPIO(); each does nothing
// unless the pin name begins with "PORT".
void GPIO_config(const char* pin, const char* direction);
void GPIO_read(const char* pin, const char* direction, int* level);
void GPIO_write(const char* pin, const char* direction, int value);

namespace orv {
constexpr uint32_t kGpioPhysicalBase = 0x56000000;
constexpr int kGpioBlockSize = 4096;
// Where the register block lives on this machine ("/dev/mem" on the board).
std::string gpioRegisterFile();
}  // namespace orv
