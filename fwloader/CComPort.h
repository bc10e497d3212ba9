// The serial port of the bootloader link: port 1 ("/dev/ttyS1", the RS-485 line of the
// module bus) in 8N1, and the RS-485 driver enable "PORTH7" around every write.
//
// The methods are virtual so that tests can put an in-memory bootloader behind the link.
#pragma once

#include <cstdint>

class CComPort {
public:
  CComPort();
  virtual ~CComPort();

  // Closes the port when open, opens port `index` at `baud`. 1 on success; on failure
  // prints "CComPort:: Can not open COM port id: %d\n" and returns 0.
  virtual int OpenComPort(unsigned index, unsigned baud);
  virtual void CloseComPort();
  // Writes the bytes and waits until they have left; 0 while the port is closed.
  virtual int SendComPort(const uint8_t* data, int length);
  // One read that does not wait: the byte count, 0 when nothing waits or on an error.
  virtual int ReadComPort(uint8_t* buffer, int size);
  // Drives the RS-485 driver enable: 1 while writing, 0 to listen.
  virtual int SetDriverEnable(int value);
  bool GetComPortOpenStatus() const { return open_; }

protected:
  int index_;
  bool open_;
};
