// CRC-16 of the module bus frames and of the bootloader link: CRC-16/XMODEM (polynomial
// 0x1021, initial value 0, no reflection, no final XOR), computed a nibble at a time.
#pragma once

// CRC of `length` bytes, 0..65535; 0 for a length of 0. "123456789" gives 0x31C3.
int calculateCRC(const unsigned char* data, unsigned length);
