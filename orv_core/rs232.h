// Serial port layer: two numbered ports (0 "/dev/ttyS0", 1 "/dev/ttyS1") opened raw at a
// fixed set of speeds. The module bus link is its only user in the controller; the
// firmware flasher carries the same layer.
//
// The device paths go through the platform seam: in the host build "/dev/ttyS1" is
// "$ORV_ROOT/dev/ttyS1", usually a symlink to the pseudo-terminal of the bus simulator.
// A pseudo-terminal has no modem lines, so the host build tolerates their ioctls failing
// with ENOTTY/EINVAL; the device build treats that as an open failure.
#pragma once

// Gives the device paths of ports 0 and 1 (a null keeps a port's path). A program whose
// board wires its ports elsewhere (the bench test: "/dev/ttyUSB0", "/dev/ttySAC1") calls
// it once at start, before any port is opened.
void RS232_setPortNames(const char* port0, const char* port1);

// Opens `port` at `speed` (2400 .. 115200 Bd) with `mode` ("8N1": data bits 5-8, parity
// N/E/O in either case, stop bits 1 or 2). 0 on success, 1 on failure (message printed).
int RS232_OpenComport(int port, int speed, const char* mode);
// One non-blocking read: bytes read, -1 when nothing is waiting or on an error.
int RS232_PollComport(int port, unsigned char* buf, int size);
// Writes and waits until the bytes are transmitted: bytes written, -1 on failure.
int RS232_SendBuf(int port, const unsigned char* buf, int size);
// Writes one byte and drains: 0 when it went out, 1 on failure.
int RS232_SendByte(int port, unsigned char byte);
void RS232_cputs(int port, const char* text);
// One non-blocking one-byte read into `c`: the read count.
int RS232_ReadCharComport(int port, char* c);
// Drops DTR and RTS, restores the settings saved at open and closes.
void RS232_CloseComport(int port);

int RS232_IsDCDEnabled(int port);
int RS232_IsCTSEnabled(int port);
int RS232_IsDSREnabled(int port);
void RS232_enableDTR(int port);
void RS232_disableDTR(int port);
void RS232_enableRTS(int port);
void RS232_disableRTS(int port);
int RS232_set_cts(int port, int on);
