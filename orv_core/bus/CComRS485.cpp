#include "CComRS485.h"

#include <unistd.h>

#include <cstdio>

#include "gpio.h"
#include "rs232.h"

namespace {
constexpr int kBusPort = 1;             // the bus is always "/dev/ttyS1"
constexpr int kReplyDeadlineMs = 1500;  // a whole reply must be in within this
}  // namespace

CComRS485::CComRS485()
    : port_(-1), t15Us_(0), t35Us_(0), deadlineMs_(0), open_(false) {}

CComRS485::~CComRS485() {
  // Calls this class's own driver control: a subclass's is gone by now.
  if (gpioLineDriver_) CComRS485::driveLineDriver(0);
  if (open_) CloseComPort();
}

void CComRS485::driveLineDriver(int level) {
  int value = level;
  GPIO("PORTH7", "OUTPUT", &value);
}

int CComRS485::OpenComPort(unsigned speed) {
  if (open_) CloseComPort();
  port_ = kBusPort;
  // 1.5 and 3.5 character times of 10 bits; fixed values above 19200 Bd as on Modbus.
  if (speed > 19200) {
    t15Us_ = 750;
    t35Us_ = 1750;
  } else if (speed > 0) {
    t15Us_ = static_cast<int>(15000000u / speed);
    t35Us_ = static_cast<int>(35000000u / speed);
  }
  if (RS232_OpenComport(port_, static_cast<int>(speed), "8N1") != 0) {
    printf("CComRS485:: Can not open COM port id: %d\n", port_);
    port_ = -1;
    return 0;
  }
  open_ = true;
  return 1;
}

void CComRS485::CloseComPort() {
  if (!open_) return;
  RS232_CloseComport(port_);
  port_ = -1;
  open_ = false;
}

int CComRS485::SendComPort(const char* data, int len) {
  if (!open_) return 0;
  return RS232_SendBuf(port_, reinterpret_cast<const unsigned char*>(data), len);
}

int CComRS485::ReadComPort(char* buf, int len) {
  if (!open_) return 0;
  // The stopwatch restarts for every read, so its span never nears the wrap of the
  // millisecond count in the middle of a deadline.
  stopwatch_.stop();
  deadlineMs_ = stopwatch_.elapsed() + kReplyDeadlineMs;
  int count = 0;
  while (count < len) {
    int n = RS232_PollComport(port_, reinterpret_cast<unsigned char*>(buf + count), 1);
    usleep(t15Us_);
    if (n == 1) ++count;
    if (stopwatch_.elapsed() > deadlineMs_) {
      stopwatch_.stop();
      break;
    }
  }
  usleep(t35Us_);
  return count;
}

int CComRS485::ReadComPortBuffer(char* buf, int size) {
  if (!open_) return 0;
  int n = RS232_PollComport(port_, reinterpret_cast<unsigned char*>(buf), size);
  usleep(t35Us_);
  return n;
}

bool CComRS485::GetComPortOpenStatus() { return open_; }

int CComRS485::sendWaitForRespAuto(int speed, const char* request, unsigned requestLength,
                                   char* reply, unsigned replySize, unsigned short tries) {
  if (OpenComPort(static_cast<unsigned>(speed)) == 0) return -1;
  usleep(100);
  const int wanted = replySize > 0 ? static_cast<int>(replySize) - 1 : 0;
  int result = -1;
  for (unsigned short attempt = 0; attempt < tries; ++attempt) {
    driveLineDriver(1);
    int written = SendComPort(request, static_cast<int>(requestLength));
    driveLineDriver(0);
    if (written != static_cast<int>(requestLength)) continue;
    result = ReadComPort(reply, wanted);
    if (result == wanted) break;
  }
  usleep(250);
  CloseComPort();
  return result;
}
