#include "gpio.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <thread>
#include <vector>

#include "orv_test_sandbox.h"

namespace {

class GpioTest : public ::testing::Test {
protected:
  TestSandbox box;

  uint32_t reg(int offset) const {
    std::string block = box.read("/dev/mem");
    uint32_t v = 0;
    if (block.size() >= static_cast<size_t>(offset + 4)) std::memcpy(&v, block.data() + offset, 4);
    return v;
  }
  void poke(int offset, uint32_t value) const {
    std::string block = box.read("/dev/mem");
    block.resize(orv::kGpioBlockSize, '\0');
    std::memcpy(&block[offset], &value, 4);
    box.write("/dev/mem", block);
  }
};

struct RegisterCheck {
  int offset;
  uint32_t mask;
  uint32_t expected;
};

struct GpioCase {
  const char* what;
  std::vector<std::pair<int, uint32_t>> preset;
  const char* pin;
  const char* direction;
  int value;
  int valueAfter;
  std::vector<RegisterCheck> checks;
};

}  // namespace

TEST_F(GpioTest, RegisterLogicOfOneAccess) {
  const GpioCase cases[] = {
      {"relay on: ctrl 21:20 = 01, data bit 10 set", {{0x40, 0x00300000}}, "PORTE10", "OUTPUT", 1, 1,
       {{0x40, 0x00300000, 0x00100000}, {0x44, 1u << 10, 1u << 10}}},
      {"relay off clears only its data bit", {{0x44, 0xFFFFFFFF}}, "PORTE10", "OUTPUT", 0, 0,
       {{0x44, 0xFFFFFFFF, ~(1u << 10)}}},
      {"input read: ctrl 17:16 = 00, level of bit 8", {{0x60, 0x00030000}, {0x64, 1u << 8}}, "PORTG8",
       "INPUT", -1, 1, {{0x60, 0x00030000, 0}}},
      {"input read of a low pin", {{0x64, ~(1u << 8)}}, "PORTG8", "INPUT", -1, 0, {}},
      {"line driver enable: ctrl 15:14 = 01", {}, "PORTH7", "OUTPUT", 1, 1,
       {{0x70, 0x0000C000, 0x00004000}, {0x74, 1u << 7, 1u << 7}}},
      {"an output cannot be read: configured, value stays -1", {{0x44, 1u << 10}}, "PORTE10", "OUTPUT",
       -1, -1, {{0x40, 0x00300000, 0x00100000}}},
      {"an input is not written", {{0x34, 0}}, "PORTD3", "INPUT", 1, 1,
       {{0x30, 0xC0, 0}, {0x34, 1u << 3, 0}}},
      {"port A input clears its one control bit", {{0x00, 0xFFFFFFFF}}, "PORTA5", "INPUT", -1, 0,
       {{0x00, 0xFFFFFFFF, ~(1u << 5)}}},
      {"port A output leaves the control register", {{0x00, 0x12345678}}, "PORTA5", "OUTPUT", 1, 1,
       {{0x00, 0xFFFFFFFF, 0x12345678}, {0x04, 1u << 5, 1u << 5}}},
      {"a name without PORT touches nothing", {{0x40, 0x00300000}}, "GPIOE10", "OUTPUT", 1, 1,
       {{0x40, 0xFFFFFFFF, 0x00300000}, {0x44, 0xFFFFFFFF, 0}}},
      {"a port beyond H touches nothing", {}, "PORTJ1", "OUTPUT", 1, 1, {{0x74, 0xFFFFFFFF, 0}}},
  };
  for (const GpioCase& c : cases) {
    box.write("/dev/mem", std::string(orv::kGpioBlockSize, '\0'));
    for (const auto& p : c.preset) poke(p.first, p.second);
    int v = c.value;
    EXPECT_EQ(GPIO(c.pin, c.direction, &v), 0) << c.what;
    EXPECT_EQ(v, c.valueAfter) << c.what;
    for (const RegisterCheck& r : c.checks)
      EXPECT_EQ(reg(r.offset) & r.mask, r.expected & r.mask) << c.what << " @0x" << std::hex << r.offset;
  }
}

TEST_F(GpioTest, RegisterFileIsCreatedZeroFilledOnFirstUse) {
  EXPECT_FALSE(box.exists("/dev/mem"));
  int v = -1;
  EXPECT_EQ(GPIO("PORTB9", "INPUT", &v), 0);
  EXPECT_EQ(v, 0);
  EXPECT_EQ(box.read("/dev/mem").size(), static_cast<size_t>(orv::kGpioBlockSize));
  EXPECT_EQ(orv::gpioRegisterFile(), box.path("/dev/mem"));
}

TEST_F(GpioTest, UnusableRegisterBlockIsReported) {
  box.mkdirs("/dev/mem");  // a folder cannot be opened read-write
  int v = 1;
  testing::internal::CaptureStdout();
  EXPECT_EQ(GPIO("PORTE10", "OUTPUT", &v), -1);
  EXPECT_NE(testing::internal::GetCapturedStdout().find("Unable to open the /dev/mem interface !"),
            std::string::npos);
}

// Relay and line-driver writes from several threads: none may be skipped.
TEST_F(GpioTest, ConcurrentWritesAreNeverDropped) {
  std::vector<std::thread> threads;
  for (int bit = 0; bit < 8; ++bit) {
    threads.emplace_back([bit] {
      std::string pin = "PORTE" + std::to_string(bit);
      for (int i = 0; i < 200; ++i) {
        int v = i % 2;
        GPIO(pin.c_str(), "OUTPUT", &v);
      }
      int on = 1;
      GPIO(pin.c_str(), "OUTPUT", &on);
    });
  }
  for (auto& t : threads) t.join();
  EXPECT_EQ(reg(0x44) & 0xFF, 0xFFu);
  EXPECT_EQ(reg(0x40) & 0xFFFF, 0x5555u);
}

TEST_F(GpioTest, CommandLineDrivesShowsAndPokesTheRegisters) {
  EXPECT_EQ(box.cli("gpio write PORTE10 1").out, "value=1\n");
  auto dump = box.cli("gpio dump");
  EXPECT_EQ(dump.status, 0);
  EXPECT_NE(dump.out.find("PORTE.ctrl=0x00100000\nPORTE.data=0x00000400\n"), std::string::npos) << dump.out;
  EXPECT_EQ(box.cli("gpio poke 0x64 0x100").status, 0);
  EXPECT_EQ(box.cli("gpio read PORTG8").out, "value=1\n");
  EXPECT_EQ(box.cli("gpio poke 0x1000 1").status, 2);  // outside the block
}
