"""A module's serial bootloader, as fwloader meets it.

In its application the module waits for the module-bus request that sends it into its
bootloader (setting enter-on); without that setting it sits in its bootloader from the
start. There it speaks the bootloader link at 19200 Bd, frames written from the wire
format alone:

    7F, body, 04     body = command, payload, CRC-16/XMODEM of both (low byte first);
                     a body byte 04, 7F or 10 goes out as 10 followed by the byte

    1 boot information  -> 01, letter, letter, id
    2 erase             -> 02 once the flash is erased
    3 program           -> 03; the payload is HEX records in byte form, parsed strictly
                           (length byte, checksum) into the flash image
    4 CRC               -> 04, CRC of its own flash over [start, start + length)
    7 leave             -> no answer; back to the application (or to the bootloader for
                           a module that sat there from the start)
"""

import binascii

from .base import CommandError, Model, parse_code, register

START, END, ESCAPE = 0x7F, 0x04, 0x10
FLASH_BASE, FLASH_SIZE = 0x9D000000, 0x500000
BOOT_MODE_BAUD, BOOTLOADER_BAUD = 9600, 19200
COMMAND_NAMES = {1: "boot information", 2: "erase", 3: "program", 4: "CRC", 7: "leave"}


def crc16(data):
    """CRC-16/XMODEM (binascii's CRC-CCITT with an initial value of 0)."""
    return binascii.crc_hqx(bytes(data), 0)


def encode(command_and_payload):
    body = bytes(command_and_payload)
    crc = crc16(body)
    out = bytearray([START])
    for b in body + bytes([crc & 0xFF, crc >> 8]):
        if b in (START, END, ESCAPE):
            out.append(ESCAPE)
        out.append(b)
    out.append(END)
    return bytes(out)


def frame_length(data):
    """Length of the frame at the start of `data` (which starts with 7F): up to its
    unescaped 04, or up to an unescaped 7F that restarts it; -1 while incomplete."""
    escape = False
    for i in range(1, len(data)):
        b = data[i]
        if escape:
            escape = False
        elif b == ESCAPE:
            escape = True
        elif b == END:
            return i + 1
        elif b == START:
            return i
    return -1


def speed_mismatch(bus, wanted):
    """The line speed when it is not `wanted`, else None. A port already closed again
    tells nothing: the writer drained its bytes at its own speed before closing."""
    line = bus.line_settings()
    return line["speed"] if line["open"] and line["speed"] != wanted else None


def unescape(frame):
    """The body of a complete frame, or None when it is not one."""
    if len(frame) < 2 or frame[0] != START or frame[-1] != END:
        return None
    body, escape = bytearray(), False
    for b in frame[1:-1]:
        if not escape and b == ESCAPE:
            escape = True
            continue
        body.append(b)
        escape = False
    return bytes(body)


@register
class BootloaderModule(Model):
    """set ADDR letters XY     boot information letters (ME, HP, EN, CO; others unknown)
    set ADDR id N             boot information id
    set ADDR enter-on CODE    waits in its application for the module-bus request CODE
                              at 9600 Bd (12 card, 6F HPF, 3D ENERGIE, 58 COP); none:
                              sits in its bootloader
    set ADDR silent-from CMD  no answer to commands CMD..4 (0: answers all)
    set ADDR crc-bad K        the next K CRC answers are wrong (-1: all of them)
    """

    type_name = "bootloader"
    summary = "serial bootloader for fwloader: boot information, erase, program, CRC, leave"

    def __init__(self, address):
        super().__init__(address)
        self.letters = "ME"
        self.boot_id = 3
        self.enter_on = None
        self.silent_from = 0
        self.crc_bad = 0
        self.in_bootloader = True
        self.flash = bytearray(b"\xff" * FLASH_SIZE)
        self.linear = self.segment = 0
        self.last_command = 0
        self.boot_frames = 0
        self.commands = dict.fromkeys(range(1, 8), 0)
        self.passes = 0
        self.records_last = 0
        self.bad_frames = 0
        self.crc_ok = 0
        self.crc_range = None   # (start, length, expected) of the last CRC request

    # --- settings ----------------------------------------------------------------------
    def configure(self, key, args):
        try:
            if key == "letters" and len(args) == 1 and len(args[0]) == 2:
                self.letters = args[0]
            elif key == "id" and len(args) == 1:
                self.boot_id = int(args[0], 0) & 0xFF
            elif key == "enter-on" and len(args) == 1:
                self.enter_on = None if args[0] == "none" else parse_code(args[0])
                self.in_bootloader = self.enter_on is None
            elif key == "silent-from" and len(args) == 1:
                self.silent_from = int(args[0], 0)
            elif key == "crc-bad" and len(args) == 1:
                self.crc_bad = int(args[0], 0)
            else:
                raise CommandError("bootloader settings: letters XY | id N | enter-on CODE|none"
                                   " | silent-from CMD | crc-bad K")
        except ValueError as e:
            raise CommandError(str(e))

    def status(self):
        parts = ["mode=%s" % ("bootloader" if self.in_bootloader else "application"),
                 "letters=%s" % self.letters, "id=%d" % self.boot_id,
                 "boot-frames=%d" % self.boot_frames]
        parts += ["cmd%d=%d" % (c, n) for c, n in sorted(self.commands.items()) if n]
        parts += ["passes=%d" % self.passes, "records-last=%d" % self.records_last,
                  "bad-frames=%d" % self.bad_frames, "crc-ok=%d" % self.crc_ok]
        if self.crc_range:
            start, length, expected = self.crc_range
            parts.append("crc-range=%08X+%d want=%04X flash=%04X"
                         % (start, length, expected, self.flash_crc(start, length)))
        return " ".join(parts)

    # --- the module-bus request that starts the bootloader -----------------------------
    def handle(self, request, bus):
        if self.in_bootloader or self.enter_on is None or request.code != self.enter_on:
            return None
        speed = speed_mismatch(bus, BOOT_MODE_BAUD)
        if speed:
            bus.note("addr=%d bootloader request at %d Bd, the application listens at %d: "
                     "not understood" % (self.address, speed, BOOT_MODE_BAUD))
            return None
        self.boot_frames += 1
        self.in_bootloader = True
        bus.note("addr=%d enters its bootloader" % self.address)
        return None

    # --- bootloader link ---------------------------------------------------------------
    def match(self, data):
        if not self.in_bootloader or not data or data[0] != START:
            return 0
        return frame_length(data)

    def handle_raw(self, request, bus):
        speed = speed_mismatch(bus, BOOTLOADER_BAUD)
        if speed:
            bus.note("bootloader listens at %d Bd, the line runs at %d: not understood"
                     % (BOOTLOADER_BAUD, speed))
            return None
        body = unescape(request)
        if body is None or len(body) < 3 or crc16(body[:-2]) != (body[-2] | body[-1] << 8):
            bus.note("bootloader: not a frame with a good CRC")
            return None
        command, payload = body[0], body[1:-2]
        if command in self.commands:
            self.commands[command] += 1
        previous, self.last_command = self.last_command, command
        silent = 0 < self.silent_from <= command <= 4
        if command == 1:
            reply = bytes([1]) + self.letters.encode("latin-1") + bytes([self.boot_id])
        elif command == 2:
            self.flash[:] = b"\xff" * FLASH_SIZE
            self.linear = self.segment = 0
            reply = bytes([2])
        elif command == 3:
            if previous != 3:
                self.passes += 1
            if not self.program(payload, bus):
                self.bad_frames += 1
                return None
            reply = bytes([3])
        elif command == 4 and len(payload) >= 10:
            start = int.from_bytes(payload[0:4], "little")
            length = int.from_bytes(payload[4:8], "little")
            expected = int.from_bytes(payload[8:10], "little")
            self.crc_range = (start, length, expected)
            crc = self.flash_crc(start, length)
            if not silent and self.crc_bad:
                crc = (crc + 1) & 0xFFFF
                if self.crc_bad > 0:
                    self.crc_bad -= 1
            if not silent and crc == expected:
                self.crc_ok += 1
            reply = bytes([4, crc & 0xFF, crc >> 8])
        elif command == 7:
            self.in_bootloader = self.enter_on is None
            bus.note("bootloader: leave, the module runs its %s"
                     % ("bootloader again" if self.in_bootloader else "application"))
            return None
        else:
            bus.note("bootloader: command %d is not one of the bootloader's" % command)
            return None
        if silent:
            bus.note("bootloader: %s not answered (silent-from %d)"
                     % (COMMAND_NAMES[command], self.silent_from))
            return None
        return encode(reply)

    def program(self, records, bus):
        """Places the records of one program frame; False (nothing placed) when a record
        is cut short or its checksum is wrong."""
        placed, at, count = [], 0, 0
        linear, segment = self.linear, self.segment
        while at < len(records):
            n = 5 + records[at]
            record = records[at:at + n]
            if len(record) < n or sum(record) & 0xFF:
                bus.note("bootloader: record %d of the frame is malformed" % (count + 1))
                return False
            kind, data = record[3], record[4:-1]
            if kind == 0:
                address = (linear + segment + (record[1] << 8 | record[2])) | 0x80000000
                placed.append((address & 0xFFFFFFFF, data))
            elif kind == 2:
                segment, linear = int.from_bytes(data[:2], "big") << 4, 0
            elif kind == 4:
                linear, segment = int.from_bytes(data[:2], "big") << 16, 0
            else:
                linear = segment = 0
            at += n
            count += 1
        for address, data in placed:
            offset = address - FLASH_BASE
            if 0 <= offset and offset + len(data) <= FLASH_SIZE:
                self.flash[offset:offset + len(data)] = data
        self.linear, self.segment = linear, segment
        self.records_last = count
        return True

    def flash_crc(self, start, length):
        offset = start - FLASH_BASE
        data = bytearray(b"\xff" * length)
        inside = self.flash[max(offset, 0):max(0, min(offset + length, FLASH_SIZE))]
        first = max(-offset, 0)
        data[first:first + len(inside)] = inside
        return crc16(data)
