#include "benchRS485Link.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "orvPlatform.h"
#include "rs232.h"

namespace {
const char* const kDirectionDevice = "/dev/rs485_Ctrl";
}  // namespace

benchRS485Link::benchRS485Link() : ctlFd_(-1) {
  gpioLineDriver_ = false;
  RS232_setPortNames("/dev/ttyUSB0", "/dev/ttySAC1");
  ctlFd_ = ::open(orv::devicePath(kDirectionDevice).c_str(), O_RDWR | O_CLOEXEC);
  if (ctlFd_ < 0) std::printf("Open %s faild\n", kDirectionDevice);
  driveLineDriver(0);
}

benchRS485Link::~benchRS485Link() {
  if (ctlFd_ >= 0) ::close(ctlFd_);
}

void benchRS485Link::driveLineDriver(int level) {
  if (ctlFd_ < 0) return;
  if (orv::directionControlIoctl(ctlFd_, kDirectionDevice, level) < 0)
    std::printf(level ? "rs485 set ctl to high failed!\r" : "rs485 set ctl to low failed!\r");
}

int benchRS485Link::sendWaitForRespAuto(int speed, const char* request, unsigned requestLength,
                                        char* reply, unsigned replySize, unsigned short tries) {
  int result =
      CComRS485::sendWaitForRespAuto(speed, request, requestLength, reply, replySize, tries);
  usleep(500);
  return result;
}
