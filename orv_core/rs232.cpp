#include "rs232.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "orvPlatform.h"

namespace {

constexpr int kPortCount = 2;
char portNames[kPortCount][32] = {"/dev/ttyS0", "/dev/ttyS1"};

int portFd[kPortCount] = {-1, -1};
struct termios savedSettings[kPortCount];
struct termios newSettings;  // the settings being applied, shared by both ports
int lastSettingsError = 0;

struct SpeedEntry {
  int baud;
  speed_t constant;
};
const SpeedEntry kSpeeds[] = {{2400, B2400},   {4800, B4800},   {9600, B9600},    {19200, B19200},
                              {38400, B38400}, {57600, B57600}, {115200, B115200}};

bool validPort(int port) { return port >= 0 && port < kPortCount; }
bool openPort(int port) { return validPort(port) && portFd[port] > 0; }

// A pseudo-terminal standing in for the UART has no modem lines: the host build lets
// those ioctls fail; on the board a failure is real.
bool modemLineFailureTolerated(int error) {
#ifdef ORV_DEVICE_BUILD
  (void)error;
  return false;
#else
  return error == ENOTTY || error == EINVAL;
#endif
}

void closeWithSettingsRestored(int port) {
  tcsetattr(portFd[port], TCSANOW, &savedSettings[port]);
  close(portFd[port]);
  portFd[port] = -1;
}

// Reads the modem line bits, sets or clears `bits`, writes them back. The ioctl result.
int changeModemLines(int port, int bits, bool on) {
  if (!openPort(port)) return -1;
  int status;
  if (ioctl(portFd[port], TIOCMGET, &status) == -1) {
    if (!modemLineFailureTolerated(errno)) perror("unable to get portstatus");
    return -1;
  }
  status = on ? (status | bits) : (status & ~bits);
  int rc = ioctl(portFd[port], TIOCMSET, &status);
  if (rc == -1 && !modemLineFailureTolerated(errno)) perror("unable to set portstatus");
  return rc;
}

int modemLineState(int port, int bit) {
  int status;
  if (!openPort(port) || ioctl(portFd[port], TIOCMGET, &status) == -1) return 0;
  return (status & bit) ? 1 : 0;
}

}  // namespace

void RS232_setPortNames(const char* port0, const char* port1) {
  const char* names[kPortCount] = {port0, port1};
  for (int i = 0; i < kPortCount; ++i) {
    if (names[i] == nullptr) continue;
    std::snprintf(portNames[i], sizeof portNames[i], "%s", names[i]);
  }
}

int RS232_OpenComport(int port, int speed, const char* mode) {
  if (!validPort(port)) {
    printf("illegal comport number\n");
    return 1;
  }
  speed_t baudr = 0;
  bool known = false;
  for (const SpeedEntry& s : kSpeeds) {
    if (s.baud == speed) {
      baudr = s.constant;
      known = true;
    }
  }
  if (!known) {
    printf("invalid baudrate\n");
    return 1;
  }
  if (mode == nullptr || std::strlen(mode) != 3) {
    printf("invalid mode \"%s\"\n", mode ? mode : "");
    return 1;
  }

  tcflag_t cbits;
  switch (mode[0]) {
    case '8': cbits = CS8; break;
    case '7': cbits = CS7; break;
    case '6': cbits = CS6; break;
    case '5': cbits = CS5; break;
    default:
      printf("invalid number of data-bits '%c'\n", mode[0]);
      return 1;
  }
  tcflag_t cpar = 0;
  tcflag_t ipar = IGNPAR;
  switch (mode[1]) {
    case 'N': case 'n': break;
    case 'E': case 'e': cpar = PARENB; ipar = INPCK; break;
    case 'O': case 'o': cpar = PARENB | PARODD; ipar = INPCK; break;
    default:
      printf("invalid parity '%c'\n", mode[1]);
      return 1;
  }
  tcflag_t bstop;
  switch (mode[2]) {
    case '1': bstop = 0; break;
    case '2': bstop = CSTOPB; break;
    default:
      printf("invalid number of stop bits '%c'\n", mode[2]);
      return 1;
  }

  std::string device = orv::devicePath(portNames[port]);
  int fd = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (fd == -1) {
    perror("unable to open comport ");
    return 1;
  }
  // Exclusive: a second opener (a leaked descriptor, another program) is refused.
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    perror("unable to open comport ");
    close(fd);
    return 1;
  }
  portFd[port] = fd;

  lastSettingsError = tcgetattr(fd, &savedSettings[port]);
  if (lastSettingsError == -1) {
    close(fd);
    portFd[port] = -1;
    perror("unable to read portsettings ");
    return 1;
  }

  std::memset(&newSettings, 0, sizeof newSettings);
  newSettings.c_cflag = cbits | cpar | bstop | CLOCAL | CREAD;
  newSettings.c_iflag = ipar;
  newSettings.c_oflag = 0;
  newSettings.c_lflag = 0;
  cfsetispeed(&newSettings, baudr);
  cfsetospeed(&newSettings, baudr);
  lastSettingsError = tcsetattr(fd, TCSANOW, &newSettings);
  if (lastSettingsError == -1) {
    closeWithSettingsRestored(port);
    perror("unable to adjust portsettings ");
    return 1;
  }

#ifndef ORV_DEVICE_BUILD
  // A UART drops unread input when its port closes. A pseudo-terminal whose other side
  // (the bus simulator) keeps the line open does not: start empty, as the board does.
  tcflush(fd, TCIFLUSH);
#endif

  int status;
  if (ioctl(fd, TIOCMGET, &status) == -1) {
    if (!modemLineFailureTolerated(errno)) {
      perror("unable to get portstatus");
      closeWithSettingsRestored(port);
      return 1;
    }
  } else {
    status |= TIOCM_DTR | TIOCM_RTS;
    if (ioctl(fd, TIOCMSET, &status) == -1 && !modemLineFailureTolerated(errno)) {
      perror("unable to set portstatus");
      closeWithSettingsRestored(port);
      return 1;
    }
  }
  return 0;
}

int RS232_PollComport(int port, unsigned char* buf, int size) {
  if (!openPort(port) || buf == nullptr || size <= 0) return -1;
  // Raw mode with no minimum count: an empty line reads 0 bytes, reported as -1.
  ssize_t n = read(portFd[port], buf, static_cast<size_t>(size));
  return n <= 0 ? -1 : static_cast<int>(n);
}

int RS232_SendBuf(int port, const unsigned char* buf, int size) {
  if (!openPort(port) || buf == nullptr || size < 0) return -1;
  ssize_t n = write(portFd[port], buf, static_cast<size_t>(size));
  if (n < 0 || n > size) return -1;
  if (tcdrain(portFd[port]) != 0) {
    perror("******** Error tcdrain !! ***********\n");
    return -1;
  }
  return static_cast<int>(n);
}

int RS232_SendByte(int port, unsigned char byte) {
  if (!openPort(port)) return 1;
  if (write(portFd[port], &byte, 1) != 1) return 1;
  if (tcdrain(portFd[port]) != 0) {
    perror("******** Error tcdrain !! ***********\n");
    return 1;
  }
  return 0;
}

void RS232_cputs(int port, const char* text) {
  if (text == nullptr) return;
  while (*text != '\0') RS232_SendByte(port, static_cast<unsigned char>(*text++));
}

int RS232_ReadCharComport(int port, char* c) {
  if (!openPort(port) || c == nullptr) return -1;
  return static_cast<int>(read(portFd[port], c, 1));
}

void RS232_CloseComport(int port) {
  if (!openPort(port)) return;
  changeModemLines(port, TIOCM_DTR | TIOCM_RTS, false);
  closeWithSettingsRestored(port);
}

int RS232_IsDCDEnabled(int port) { return modemLineState(port, TIOCM_CAR); }
int RS232_IsCTSEnabled(int port) { return modemLineState(port, TIOCM_CTS); }
int RS232_IsDSREnabled(int port) { return modemLineState(port, TIOCM_DSR); }

void RS232_enableDTR(int port) { changeModemLines(port, TIOCM_DTR, true); }
void RS232_disableDTR(int port) { changeModemLines(port, TIOCM_DTR, false); }
void RS232_enableRTS(int port) { changeModemLines(port, TIOCM_RTS, true); }
void RS232_disableRTS(int port) { changeModemLines(port, TIOCM_RTS, false); }

int RS232_set_cts(int port, int on) { return changeModemLines(port, TIOCM_CTS, on != 0); }
