// The module bus link as the bench board wires it: serial port 1 is "/dev/ttySAC1" (port 0
// "/dev/ttyUSB0"), and the RS-485 driver's direction is set through the driver device
// "/dev/rs485_Ctrl" (ioctl request 1 to transmit, 0 to receive) instead of a GPIO line.
// Each exchange ends with a 500 us pause before the next one.
#pragma once

#include "CComRS485.h"

class benchRS485Link : public CComRS485 {
public:
  // Gives the serial layer the bench's port table, opens the direction device (printing
  // "Open /dev/rs485_Ctrl faild" when it won't open) and sets the receive direction.
  benchRS485Link();
  ~benchRS485Link() override;

  int sendWaitForRespAuto(int speed, const char* request, unsigned requestLength, char* reply,
                          unsigned replySize, unsigned short tries) override;

protected:
  void driveLineDriver(int level) override;

private:
  int ctlFd_;
};
