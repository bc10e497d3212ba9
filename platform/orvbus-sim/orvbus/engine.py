"""The frame engine: owns the pseudo-terminal that the controller opens as its serial
port, cuts the incoming bytes into requests, hands them to the module at the address,
and sends the answers back with the module's delay and injected faults."""

import array
import fcntl
import heapq
import itertools
import os
import termios
import time

from . import models
from .frame import (NEED_MORE, NOT_A_FRAME, Frame, code_text, crc16_xmodem, hex_bytes,
                    parse_request)
from .models import CommandError

DEFAULT_DELAY_MS = 5   # a module's turnaround; the controller allows 1500 ms
IDLE_GAP_S = 0.020     # a line quiet this long ends whatever partial request is pending

FAULT_KINDS = {
    "crc": "CRC field wrong",
    "length": "length field one above the payload",
    "address": "address byte of another module",
    "short": "last byte missing",
    "silent": "no answer at all",
}

SPEEDS = {getattr(termios, "B%d" % b): b for b in
          (1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200) if hasattr(termios, "B%d" % b)}


class FrameLog:
    """Every frame seen or sent, one line each: time, direction (RX from the controller,
    TX from a module, -- for notes), hex bytes, and after " | " what the engine made of it."""

    def __init__(self, stream):
        self.stream = stream

    def line(self, direction, data=b"", text=""):
        now = time.time()
        stamp = time.strftime("%Y-%m-%d %H:%M:%S", time.localtime(now))
        out = "%s.%03d %s" % (stamp, int(now * 1000) % 1000, direction)
        if data:
            out += " " + hex_bytes(data)
        if text:
            out += (" | " if data else " ") + text
        self.stream.write(out + "\n")
        self.stream.flush()


class Station:
    """One address on the bus: the module model and the bus behaviour given to it."""

    def __init__(self, model):
        self.model = model
        self.delay_ms = DEFAULT_DELAY_MS
        self.speed = None          # answers at any line speed when None
        self.faults = []           # [kind, replies left or None, request code or None]

    def next_fault(self, code=None):
        """The fault the answer to a request with `code` goes out with: the first one
        queued for that code or for any code."""
        for fault in self.faults:
            kind, left, only = fault
            if only is not None and only != code:
                continue
            if left is not None:
                fault[1] -= 1
                if fault[1] <= 0:
                    self.faults.remove(fault)
            return kind
        return None

    def describe(self):
        parts = ["addr=%d" % self.model.address, "type=%s" % self.model.type_name,
                 "delay=%d" % self.delay_ms, "speed=%s" % (self.speed or "any")]
        if self.faults:
            parts.append("faults=" + ",".join(
                (k if n is None else "%s*%d" % (k, n)) + ("" if c is None else "@%02X" % c)
                for k, n, c in self.faults))
        extra = self.model.status()
        if extra:
            parts.append(extra)
        return " ".join(parts)


def apply_fault(kind, data):
    """The reply bytes as a faulty module would send them; None for silence."""
    data = bytearray(data)
    if kind == "silent":
        return None
    if kind == "short":
        return bytes(data[:-1])
    if len(data) >= 6:
        if kind == "crc":
            data[4] ^= 0xFF
        elif kind == "length":
            n = (data[1] | data[2] << 8) + 1
            data[1], data[2] = n & 0xFF, (n >> 8) & 0xFF
        elif kind == "address":
            data[0] = (data[0] + 1) & 0xFF
    return bytes(data)


class Bus:
    """The simulated bus: a pty whose slave is the controller's serial device."""

    def __init__(self, device_link, log):
        self.log = log
        self.master, self.slave = os.openpty()
        # The slave stays raw and open for the simulator's whole life: no echo of what
        # modules send, and no hang-up when the controller closes its port.
        attrs = termios.tcgetattr(self.slave)
        attrs[0] = attrs[1] = attrs[3] = 0
        cflag = attrs[2] & ~(termios.CSIZE | termios.PARENB | termios.CLOCAL)
        attrs[2] = cflag | termios.CS8 | termios.CREAD
        termios.tcsetattr(self.slave, termios.TCSANOW, attrs)
        os.set_blocking(self.master, False)
        self.pty_name = os.ttyname(self.slave)
        self.device_link = device_link
        self._make_link()
        self.stations = {}
        self.buffer = bytearray()
        self.last_rx = 0.0
        self.timers = []
        self.counter = itertools.count()
        self.pending = []          # timer entries of replies not yet sent
        self.rx_count = 0
        self.tx_count = 0

    # --- device link -------------------------------------------------------------------
    def _make_link(self):
        path = self.device_link
        os.makedirs(os.path.dirname(path), exist_ok=True)
        if os.path.islink(path):
            os.unlink(path)
        elif os.path.exists(path):
            raise CommandError("%s exists and is not a link: not replacing it" % path)
        os.symlink(self.pty_name, path)

    def close(self):
        try:
            if os.path.islink(self.device_link) and os.readlink(self.device_link) == self.pty_name:
                os.unlink(self.device_link)
        except OSError:
            pass
        os.close(self.master)
        os.close(self.slave)

    # --- modules -----------------------------------------------------------------------
    def attach(self, address, type_name):
        station = Station(models.create(type_name, address))
        self.stations[address] = station
        return station

    def replace_module(self, address, model):
        """Puts another model behind an address, keeping its bus behaviour."""
        station = self.stations.get(address)
        if station is None:
            self.stations[address] = Station(model)
        else:
            station.model = model
        self.note("addr=%d is now %s" % (address, model.type_name))

    def station(self, address):
        station = self.stations.get(address)
        if station is None:
            raise CommandError("no module at address %d" % address)
        return station

    def note(self, text):
        self.log.line("--", text=text)

    # --- line state --------------------------------------------------------------------
    def line_settings(self):
        """Speed and framing the controller set on its port, and whether it is open.
        The controller's open sets CLOCAL; its close restores the simulator's idle
        settings, which have CLOCAL clear."""
        iflag, oflag, cflag, lflag, ispeed, _ospeed, _cc = termios.tcgetattr(self.slave)
        bits = {termios.CS5: 5, termios.CS6: 6, termios.CS7: 7, termios.CS8: 8}[cflag & termios.CSIZE]
        parity = "N"
        if iflag & termios.INPCK:
            parity = "O" if cflag & termios.PARODD else "E"
        stop = 2 if cflag & termios.CSTOPB else 1
        raw = not (lflag & (termios.ICANON | termios.ECHO | termios.ISIG)) and not (oflag & termios.OPOST)
        return {"speed": SPEEDS.get(ispeed, 0), "mode": "%d%s%d" % (bits, parity, stop),
                "raw": raw, "open": bool(cflag & termios.CLOCAL)}

    def _line_text(self):
        s = self.line_settings()
        return "line=%d %s %s%s" % (s["speed"], s["mode"], "raw" if s["raw"] else "cooked",
                                    "" if s["open"] else " port-closed")

    def _drop_unread(self):
        """Bytes of earlier answers still unread by the controller would be gone on a
        real port that was closed meanwhile: drop them before a new exchange."""
        count = array.array("i", [0])
        fcntl.ioctl(self.slave, termios.FIONREAD, count)
        if count[0]:
            termios.tcflush(self.slave, termios.TCIFLUSH)
            self.note("%d unread bytes dropped from the controller's input" % count[0])

    # --- timers ------------------------------------------------------------------------
    def schedule(self, delay_s, action):
        entry = [time.monotonic() + delay_s, next(self.counter), action]
        heapq.heappush(self.timers, entry)
        return entry

    def next_deadline(self):
        deadlines = [t[0] for t in self.timers if t[2] is not None]
        if self.buffer:
            deadlines.append(self.last_rx + IDLE_GAP_S)
        return min(deadlines) if deadlines else None

    def run_due(self):
        now = time.monotonic()
        while self.timers and self.timers[0][0] <= now:
            _due, _n, action = heapq.heappop(self.timers)
            if action is not None:
                action()
        if self.buffer and now - self.last_rx >= IDLE_GAP_S:
            self._parse(final=True)

    # --- receiving ---------------------------------------------------------------------
    def on_readable(self):
        try:
            data = os.read(self.master, 4096)
        except (BlockingIOError, OSError):
            return
        if data:
            self.buffer += data
            self.last_rx = time.monotonic()
            self._parse(final=False)

    def _parse(self, final):
        while self.buffer:
            claimed = self._unframed_claim(final)
            if claimed == NEED_MORE:
                return
            if claimed is not None:
                continue
            decoded = parse_request(self.buffer, final)
            if decoded == NEED_MORE and not final:
                return
            if decoded in (NEED_MORE, NOT_A_FRAME):
                if not final:
                    return
                self.log.line("RX", bytes(self.buffer), "noise: no complete request in these bytes")
                self.buffer.clear()
                return
            del self.buffer[:len(decoded.raw)]
            self._on_request(decoded)

    def _unframed_claim(self, final):
        """Offers the buffer to the modules that speak no framed request. None when none
        takes it, NEED_MORE to wait, anything else when a request was taken."""
        maybe = False
        for station in list(self.stations.values()):
            n = station.model.match(bytes(self.buffer))
            if n > 0:
                request = bytes(self.buffer[:n])
                del self.buffer[:n]
                self.rx_count += 1
                self._drop_unread()
                self._cancel_pending()
                self.log.line("RX", request, "unframed, for addr=%d %s"
                              % (station.model.address, self._line_text()))
                if self._speed_ok(station):
                    self._answer(station, station.model.handle_raw(request, self))
                return True
            maybe = maybe or n < 0
        return NEED_MORE if maybe and not final else None

    def _on_request(self, decoded):
        frame = decoded.frame
        self.rx_count += 1
        self._drop_unread()
        self._cancel_pending()
        text = "addr=%d code=%s n=%d crc=%s%s %s" % (
            frame.address, code_text(frame.code), len(frame.payload),
            "ok" if decoded.crc_ok else "BAD(want %04X)" % crc16_xmodem(frame.payload),
            "" if decoded.trailer else " no-trailing-00", self._line_text())
        self.log.line("RX", decoded.raw, text)
        if not decoded.crc_ok:
            return  # a module ignores a corrupted request
        station = self.stations.get(frame.address)
        if station is None:
            self.note("no module at address %d" % frame.address)
            return
        if self._speed_ok(station):
            self._answer(station, station.model.handle(frame, self), frame.code)

    def _speed_ok(self, station):
        speed = self.line_settings()["speed"]
        if station.speed and station.speed != speed:
            self.note("addr=%d listens at %d Bd, the line runs at %d Bd: not understood"
                      % (station.model.address, station.speed, speed))
            return False
        return True

    # --- answering ---------------------------------------------------------------------
    def _answer(self, station, reply, code=None):
        """Sends a module's answer to a request with command `code` (None: unframed)."""
        address = station.model.address
        if reply is None:
            return
        data = reply.encode() if isinstance(reply, Frame) else bytes(reply)
        fault = station.next_fault(code)
        if fault:
            data = apply_fault(fault, data)
            self.note("addr=%d fault %s: %s" % (address, fault, FAULT_KINDS[fault]))
        if data is None:
            return
        entry = self.schedule(station.delay_ms / 1000.0, lambda: self._send(address, data))
        self.pending.append(entry)

    def _cancel_pending(self):
        """A module abandons its answer when the master starts a new request."""
        for entry in self.pending:
            if entry[2] is not None:
                entry[2] = None
                self.note("an answer not yet sent was dropped: new request on the bus")
        self.pending = []

    def _send(self, address, data):
        self.pending = [e for e in self.pending if e[2] is not None and e[0] > time.monotonic()]
        if not self.line_settings()["open"]:
            self.log.line("--", data, "addr=%d answer lost: the controller's port is closed" % address)
            return
        os.write(self.master, data)
        self.tx_count += 1
        self.log.line("TX", data, "addr=%d" % address)
