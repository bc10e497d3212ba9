// The link of the RS-485 module bus: one exchange = one request frame from the controller
// and at most one reply frame from the addressed module.
//
// The bus is serial port 1 ("/dev/ttyS1"). Each exchange opens the port at the speed of
// the module addressed, enables the line driver only while the request is written, reads
// exactly the expected reply length with fixed character timing, retries, and closes the
// port again. The link does not look inside frames (see busFrame.h). It has no lock: the
// callers keep exchanges apart.
#pragma once

#include "zuvTimer.h"

class CComRS485 {
public:
  CComRS485();
  virtual ~CComRS485();

  // Closes the port first if open, then opens port 1 at `speed` in "8N1". 1 opened,
  // 0 failed (message printed, the link stays closed).
  int OpenComPort(unsigned speed);
  void CloseComPort();
  // Bytes written after the transmitter drained, -1 on a write or drain failure; 0 when
  // closed.
  int SendComPort(const char* data, int len);
  // Up to `len` bytes, one per inter-character pause, until 1500 ms after the read
  // started; then an end-of-frame pause. The count received; 0 when closed.
  int ReadComPort(char* buf, int len);
  // One non-blocking read then an end-of-frame pause: bytes read, -1 when nothing was
  // waiting; 0 when closed.
  int ReadComPortBuffer(char* buf, int size);
  bool GetComPortOpenStatus();

  // One complete exchange with up to `tries` attempts. Reads `replySize` - 1 bytes (callers
  // pass the expected reply length plus one). -1 when the port cannot be opened, `tries`
  // is 0 or no attempt got the whole request written; otherwise the count of the last
  // read, equal to `replySize` - 1 exactly when a complete reply arrived. Virtual so that
  // a test can stand a scripted line in for the port.
  virtual int sendWaitForRespAuto(int speed, const char* request, unsigned requestLength,
                                  char* reply, unsigned replySize, unsigned short tries);

  // Inter-character (t1.5) and end-of-frame (t3.5) pauses of the last open, in us.
  int interCharPauseUs() const { return t15Us_; }
  int endOfFramePauseUs() const { return t35Us_; }

protected:
  // Drives the RS-485 line driver: 1 transmit, 0 receive ("PORTH7"). A program with
  // another direction control (the bench test's device) overrides this.
  virtual void driveLineDriver(int level);
  // False in a subclass whose direction control is not the GPIO line: the destructor then
  // leaves "PORTH7" alone (it cannot reach the subclass's override any more).
  bool gpioLineDriver_ = true;

private:
  int port_;
  int t15Us_;
  int t35Us_;
  zuvTimer stopwatch_;
  int deadlineMs_;
  bool open_;
};
