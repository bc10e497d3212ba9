"""Frames of the module bus, written from the wire format alone (not from the controller's
code), so that a layout slip on either side shows up instead of being mirrored.

    offset 0  address (1 V2 card, 5 HPF, 6 + n ENERGIE n)
           1  payload length N, 16 bits little-endian
           3  command code
           4  CRC-16/XMODEM of the payload, 16 bits little-endian
           6  N payload bytes

A request without data carries its own code as a one-byte payload, and the controller
sends one extra 0x00 after every request.
"""

import struct

HEADER = struct.Struct("<BHBH")  # address, length, code, crc
HEADER_SIZE = HEADER.size
MAX_PAYLOAD = 1024  # far above any module record; longer "frames" are noise


def crc16_xmodem(data):
    """CRC-16/XMODEM, bit by bit: polynomial 0x1021, initial 0, no reflection, no XOR."""
    crc = 0
    for byte in data:
        crc ^= byte << 8
        for _ in range(8):
            crc = ((crc << 1) ^ 0x1021) if crc & 0x8000 else (crc << 1)
            crc &= 0xFFFF
    return crc


class Frame:
    """One decoded frame. `payload` is bytes."""

    def __init__(self, address, code, payload=b""):
        self.address = address
        self.code = code
        self.payload = bytes(payload)

    def encode(self):
        """Wire bytes of this frame as a module sends it (no trailing 0x00)."""
        return HEADER.pack(self.address, len(self.payload), self.code,
                           crc16_xmodem(self.payload)) + self.payload

    def __repr__(self):
        return "Frame(addr=%d code=%s n=%d)" % (self.address, code_text(self.code), len(self.payload))


def code_text(code):
    """A command code as the log shows it: hex, with the character for printable ones."""
    if 0x21 <= code < 0x7F:
        return "%02X'%c'" % (code, code)
    return "%02X" % code


class Decoded:
    """What the request parser made of the start of the input buffer."""

    def __init__(self, frame=None, raw=b"", crc_ok=True, trailer=True):
        self.frame = frame
        self.raw = raw            # the bytes consumed, trailer included
        self.crc_ok = crc_ok
        self.trailer = trailer    # the 0x00 after the request was there


NEED_MORE = "need-more"
NOT_A_FRAME = "not-a-frame"


def parse_request(buffer, final=False):
    """Takes one request frame off the start of `buffer`.

    Returns a Decoded, NEED_MORE while the frame (or its trailing 0x00) may still be
    coming, or NOT_A_FRAME when the header cannot start a frame. With `final` (the line
    went quiet) a complete frame whose trailer never came is taken without it.
    """
    if len(buffer) < HEADER_SIZE:
        return NEED_MORE
    address, length, code, crc = HEADER.unpack_from(buffer)
    if length == 0 or length > MAX_PAYLOAD:
        return NOT_A_FRAME
    end = HEADER_SIZE + length
    if len(buffer) < end:
        return NEED_MORE
    payload = bytes(buffer[HEADER_SIZE:end])
    crc_ok = crc16_xmodem(payload) == crc
    if len(buffer) > end and buffer[end] == 0x00:
        return Decoded(Frame(address, code, payload), bytes(buffer[:end + 1]), crc_ok, True)
    if len(buffer) == end and not final:
        return NEED_MORE
    return Decoded(Frame(address, code, payload), bytes(buffer[:end]), crc_ok, False)


def hex_bytes(data):
    return " ".join("%02X" % b for b in data)


def parse_hex(words):
    """Bytes from hex text: "01 05 00", "010500" or "01:05:00"."""
    text = "".join(words).replace(":", "").replace(" ", "")
    if len(text) % 2:
        raise ValueError("odd number of hex digits in '%s'" % " ".join(words))
    return bytes.fromhex(text)
