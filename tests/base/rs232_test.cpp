#include "rs232.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "orv_test_sandbox.h"

namespace {

// A pseudo-terminal whose slave is what the program opens as "/dev/ttyS1"; the test
// plays the module on the master side. The fixture keeps a slave descriptor of its own so
// that the line settings can be read while the program has the port closed.
class Rs232Test : public ::testing::Test {
protected:
  TestSandbox box;
  int master = -1;
  int slave = -1;

  void SetUp() override {
    master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    std::string name = ptsname(master);
    slave = open(name.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(slave, 0);
    struct termios raw;
    tcgetattr(slave, &raw);
    cfmakeraw(&raw);
    tcsetattr(slave, TCSANOW, &raw);
    box.mkdirs("/dev");
    ASSERT_EQ(symlink(name.c_str(), box.path("/dev/ttyS1").c_str()), 0);
  }
  void TearDown() override {
    RS232_CloseComport(1);
    close(slave);
    close(master);
  }
  struct termios lineSettings() const {
    struct termios t {};
    tcgetattr(slave, &t);
    return t;
  }
  std::string readMaster() const {
    usleep(20000);
    char buf[256];
    ssize_t n = read(master, buf, sizeof buf);
    return n > 0 ? std::string(buf, n) : std::string();
  }
};

}  // namespace

TEST_F(Rs232Test, RefusedOpensPrintTheirMessage) {
  struct Case {
    int port;
    int speed;
    const char* mode;
    const char* message;
  } cases[] = {
      {2, 9600, "8N1", "illegal comport number\n"},
      {-1, 9600, "8N1", "illegal comport number\n"},
      {1, 1200, "8N1", "invalid baudrate\n"},
      {1, 9600, "8N", "invalid mode \"8N\"\n"},
      {1, 9600, "8N1 ", "invalid mode \"8N1 \"\n"},
      {1, 9600, "9N1", "invalid number of data-bits '9'\n"},
      {1, 9600, "8X1", "invalid parity 'X'\n"},
      {1, 9600, "8N3", "invalid number of stop bits '3'\n"},
  };
  for (const Case& c : cases) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(RS232_OpenComport(c.port, c.speed, c.mode), 1) << c.message;
    EXPECT_EQ(testing::internal::GetCapturedStdout(), c.message);
  }
}

TEST_F(Rs232Test, MissingDeviceIsAnOpenFailure) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(RS232_OpenComport(0, 9600, "8N1"), 1);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("unable to open comport "), std::string::npos);
}

TEST_F(Rs232Test, ModeAndSpeedAreAppliedRawAndRestoredOnClose) {
  struct Case {
    int speed;
    const char* mode;
    speed_t constant;
    tcflag_t cflags;  // parity sense and stop bits
    tcflag_t iflags;
  } cases[] = {
      {9600, "8N1", B9600, 0, IGNPAR},
      {2400, "7E2", B2400, CSTOPB, INPCK},
      {19200, "8o1", B19200, PARODD, INPCK},
      {19200, "8O1", B19200, PARODD, INPCK},
      {115200, "5n1", B115200, 0, IGNPAR},
  };
  struct termios before = lineSettings();
  for (const Case& c : cases) {
    ASSERT_EQ(RS232_OpenComport(1, c.speed, c.mode), 0) << c.mode;
    struct termios t = lineSettings();
    EXPECT_EQ(cfgetospeed(&t), c.constant) << c.mode;
    EXPECT_EQ(cfgetispeed(&t), c.constant) << c.mode;
    // A pseudo-terminal always reports 8 data bits without parity enable: only the parity
    // sense, the stop bits and the input parity checking show through.
    EXPECT_EQ(t.c_cflag & (PARODD | CSTOPB), c.cflags) << c.mode;
    EXPECT_EQ(t.c_cflag & (CLOCAL | CREAD), tcflag_t(CLOCAL | CREAD)) << c.mode;
    EXPECT_EQ(t.c_iflag, c.iflags) << c.mode;
    EXPECT_EQ(t.c_lflag, 0u) << c.mode;
    EXPECT_EQ(t.c_oflag, 0u) << c.mode;
    EXPECT_EQ(t.c_cc[VMIN], 0) << c.mode;
    EXPECT_EQ(t.c_cc[VTIME], 0) << c.mode;
    RS232_CloseComport(1);
    struct termios after = lineSettings();
    EXPECT_EQ(after.c_cflag, before.c_cflag) << c.mode;
    EXPECT_EQ(cfgetospeed(&after), cfgetospeed(&before)) << c.mode;
  }
}

TEST_F(Rs232Test, BytesGoOutDrainedAndComeInWithoutBlocking) {
  ASSERT_EQ(RS232_OpenComport(1, 9600, "8N1"), 0);
  const unsigned char request[] = {0x01, 0x01, 0x00, 0x0C, 0x8C, 0xC1, 0x0C, 0x00};
  EXPECT_EQ(RS232_SendBuf(1, request, sizeof request), 8);
  EXPECT_EQ(readMaster(), std::string(reinterpret_cast<const char*>(request), sizeof request));

  EXPECT_EQ(RS232_SendByte(1, 'Z'), 0);
  RS232_cputs(1, "OK");
  EXPECT_EQ(readMaster(), "ZOK");

  unsigned char buf[16];
  EXPECT_EQ(RS232_PollComport(1, buf, sizeof buf), -1);  // nothing waiting
  ASSERT_EQ(write(master, "\x05\x06\x00", 3), 3);
  usleep(20000);
  EXPECT_EQ(RS232_PollComport(1, buf, 2), 2);
  EXPECT_EQ(buf[0], 0x05);
  char c = 'x';
  EXPECT_EQ(RS232_ReadCharComport(1, &c), 1);
  EXPECT_EQ(c, '\0');
  EXPECT_EQ(RS232_IsDCDEnabled(1), 0);  // a pseudo-terminal has no modem lines
}

TEST_F(Rs232Test, InputFromBeforeTheOpenIsGone) {
  ASSERT_EQ(write(master, "\x01\x02\x03", 3), 3);  // an answer that came while the port was closed
  usleep(20000);
  ASSERT_EQ(RS232_OpenComport(1, 9600, "8N1"), 0);
  unsigned char buf[8];
  EXPECT_EQ(RS232_PollComport(1, buf, sizeof buf), -1);
}

TEST_F(Rs232Test, ClosedOrUnknownPortsFailVisibly) {
  unsigned char b[4] = {1, 2, 3, 4};
  EXPECT_EQ(RS232_SendBuf(1, b, 4), -1);  // -1, never a count a caller could mistake
  EXPECT_EQ(RS232_SendBuf(-1, b, 4), -1);
  EXPECT_EQ(RS232_SendByte(1, 0x55), 1);
  EXPECT_EQ(RS232_PollComport(1, b, 4), -1);
  EXPECT_EQ(RS232_PollComport(7, b, 4), -1);
  RS232_CloseComport(1);  // never opened: nothing to do
  RS232_CloseComport(-3);
}

TEST_F(Rs232Test, OpenIsExclusive) {
  ASSERT_EQ(RS232_OpenComport(1, 9600, "8N1"), 0);
  testing::internal::CaptureStderr();
  EXPECT_EQ(RS232_OpenComport(1, 9600, "8N1"), 1);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("unable to open comport "), std::string::npos);
  const unsigned char ping[] = {0x42};
  EXPECT_EQ(RS232_SendBuf(1, ping, 1), 1);  // the first opening still owns the port
  EXPECT_EQ(readMaster(), "\x42");
  RS232_CloseComport(1);
  EXPECT_EQ(RS232_OpenComport(1, 9600, "8N1"), 0);
}

TEST_F(Rs232Test, CommandLineOpensAndReportsErrors) {
  auto refused = box.cli("serial open 1 1200 8N1");
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.out, "invalid baudrate\n");
  auto opened = box.cli("serial open 1 9600 8N1");
  EXPECT_EQ(opened.status, 0);
  EXPECT_EQ(opened.out, "opened=1\n");
}
