// The bench's GPIO pins over a GPIO tree in the sandbox: exports, directions, the
// active-low inputs, writes only on a change, unknown pins and a refused export.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "gpioORVv2.h"
#include "gpioV2.h"
#include "support/bench_sandbox.h"

namespace {

struct timespec changeTime(const TestSandbox& box, const std::string& devicePath) {
  struct stat st {};
  stat(box.path(devicePath).c_str(), &st);
  return st.st_ctim;
}

TEST(BenchGpio, PoolConfiguresOutputsAndReadsActiveLowInputs) {
  TestSandbox box;
  layOutGpioSysfs(box);
  {
    gpioV2 pins;
    for (int pin : {138, 135, 136, 230, 232}) EXPECT_EQ(box.read(gpioPinPath(pin, "direction")), "out") << pin;
    for (int pin : {200, 201, 202, 41, 42}) EXPECT_EQ(box.read(gpioPinPath(pin, "direction")), "in") << pin;
    // Existing pin folders are not exported again.
    EXPECT_EQ(box.read("/sys/class/gpio/export"), "");

    const struct { const char* word; int expected; } reads[] = {{"1", 0}, {"0", 1}, {"x", 0}, {"", 0}};
    for (const auto& r : reads) {
      box.write(gpioPinPath(202, "value"), r.word);
      EXPECT_EQ(pins.getGPIO_State(202), r.expected) << "'" << r.word << "'";
    }

    EXPECT_EQ(pins.setGPIO_State(136, 1), 1);
    EXPECT_EQ(box.read(gpioPinPath(136, "value")), "1");
    const struct timespec first = changeTime(box, gpioPinPath(136, "value"));
    usleep(20000);
    EXPECT_EQ(pins.setGPIO_State(136, 1), 1);  // same value: nothing written
    const struct timespec second = changeTime(box, gpioPinPath(136, "value"));
    EXPECT_EQ(first.tv_sec, second.tv_sec);
    EXPECT_EQ(first.tv_nsec, second.tv_nsec);
    EXPECT_EQ(pins.getGPIO_State(136), 1);  // an output reads back its level

    EXPECT_EQ(pins.getGPIO_State(7), -1);
    EXPECT_EQ(pins.setGPIO_State(7, 1), 0);
  }
  // Destroying the pool unexports the pins and leaves the relay at its level.
  EXPECT_EQ(box.read("/sys/class/gpio/unexport"), "42");
  EXPECT_EQ(box.read(gpioPinPath(136, "value")), "1");
}

TEST(BenchGpio, RefusedExportLeavesThePinUnconfigured) {
  TestSandbox box;
  layOutGpioSysfs(box, "in", "1", {200});
  box.run("rm -f '" + box.path("/sys/class/gpio/export") + "'");
  box.mkdirs("/sys/class/gpio/export");
  testing::internal::CaptureStdout();
  {
    gpioORVv2 pin(200, 1);
    EXPECT_FALSE(pin.is_pinConfigured());
    EXPECT_EQ(pin.getval_gpio(), -1);
    EXPECT_FALSE(pin.setval_gpio(1));
    EXPECT_EQ(pin.unexport_gpio(), 0);
  }
  EXPECT_NE(testing::internal::GetCapturedStdout().find(" OPERATION FAILED: Unable to export GPIO_200"),
            std::string::npos);
  EXPECT_EQ(box.read("/sys/class/gpio/unexport"), "");

  gpioORVv2 zero(0, 0);
  EXPECT_FALSE(zero.is_pinConfigured());
}

TEST(BenchGpio, DirectionWrittenOnlyWhenItDiffers) {
  TestSandbox box;
  layOutGpioSysfs(box, "out", "0");
  const struct timespec before = changeTime(box, gpioPinPath(138, "direction"));
  usleep(20000);
  gpioORVv2 output(138, 0);
  EXPECT_TRUE(output.is_pinConfigured());
  EXPECT_EQ(changeTime(box, gpioPinPath(138, "direction")).tv_nsec, before.tv_nsec);
  gpioORVv2 input(200, 1);
  EXPECT_EQ(box.read(gpioPinPath(200, "direction")), "in");
}

}  // namespace
