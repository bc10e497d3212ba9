#include "CComPort.h"

#include <cstdio>

#include "gpio.h"
#include "rs232.h"

CComPort::CComPort() : index_(-1), open_(false) {}

CComPort::~CComPort() {
  if (open_) CloseComPort();
}

int CComPort::OpenComPort(unsigned index, unsigned baud) {
  if (open_) CloseComPort();
  if (RS232_OpenComport(static_cast<int>(index), static_cast<int>(baud), "8N1") != 0) {
    std::printf("CComPort:: Can not open COM port id: %d\n", static_cast<int>(index));
    std::fflush(stdout);
    return 0;
  }
  index_ = static_cast<int>(index);
  open_ = true;
  return 1;
}

void CComPort::CloseComPort() {
  if (open_) RS232_CloseComport(index_);
  index_ = -1;
  open_ = false;
}

int CComPort::SendComPort(const uint8_t* data, int length) {
  if (!open_) return 0;
  return RS232_SendBuf(index_, data, length);
}

int CComPort::ReadComPort(uint8_t* buffer, int size) {
  if (!open_) return 0;
  int n = RS232_PollComport(index_, buffer, size);
  return n > 0 ? n : 0;
}

int CComPort::SetDriverEnable(int value) {
  int level = value;
  return GPIO("PORTH7", "OUTPUT", &level);
}
