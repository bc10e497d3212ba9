"""The command language of scenario files and of the control socket. One command a line,
words separated by blanks; "#" starts a comment. See README.md for the list."""

from .engine import FAULT_KINDS
from .models import MODEL_TYPES, CommandError, parse_code


def parse_address(text):
    try:
        value = int(text, 0)
    except ValueError:
        raise CommandError("'%s' is not a bus address" % text)
    if not 0 <= value <= 255:
        raise CommandError("bus address %s out of range" % text)
    return value


def parse_int(text, what):
    try:
        return int(text, 0)
    except ValueError:
        raise CommandError("'%s' is not a number (%s)" % (text, what))


def split_words(line):
    """Words of a command line. No shell quoting: a character code is written 'f'."""
    return line.split("#", 1)[0].split()


class Commands:
    """Carries out one command on the bus and returns its answer text."""

    def __init__(self, bus, stop):
        self.bus = bus
        self.stop = stop   # called by "quit"

    def run(self, line):
        words = split_words(line)
        if not words:
            return ""
        name, args = words[0], words[1:]
        handler = getattr(self, "cmd_" + name, None)
        if handler is None:
            raise CommandError("unknown command '%s'" % name)
        return handler(args) or ""

    def cmd_module(self, args):
        """module ADDR TYPE [KEY=VALUE ...]: puts a module at ADDR (replacing one)."""
        if len(args) < 2:
            raise CommandError("module ADDR TYPE [KEY=VALUE ...]")
        address = parse_address(args[0])
        station = self.bus.attach(address, args[1])
        for item in args[2:]:
            key, _, value = item.partition("=")
            self._set(station, key, value.split())
        return station.describe()

    def cmd_remove(self, args):
        """remove ADDR: takes the module off the bus."""
        if len(args) != 1:
            raise CommandError("remove ADDR")
        self.bus.stations.pop(parse_address(args[0]), None)

    def cmd_set(self, args):
        """set ADDR KEY VALUE...: delay MS | speed BAUD|any | the module type's own keys."""
        if len(args) < 2:
            raise CommandError("set ADDR KEY VALUE...")
        station = self.bus.station(parse_address(args[0]))
        self._set(station, args[1], args[2:])
        return station.describe()

    def _set(self, station, key, values):
        if key == "delay" and len(values) == 1:
            station.delay_ms = parse_int(values[0], "delay in ms")
        elif key == "speed" and len(values) == 1:
            station.speed = None if values[0] == "any" else parse_int(values[0], "speed in Bd")
        else:
            station.model.configure(key, values)

    def cmd_fault(self, args):
        """fault ADDR KIND [COUNT] [CODE]: the next COUNT answers (all when omitted or
        "all") go out faulty, only the answers to command CODE when it is given; KIND
        none clears."""
        usage = "fault ADDR %s|none [COUNT|all] [CODE]" % "|".join(FAULT_KINDS)
        if len(args) not in (2, 3, 4):
            raise CommandError(usage)
        station = self.bus.station(parse_address(args[0]))
        kind = args[1]
        if kind == "none":
            station.faults = []
        elif kind in FAULT_KINDS:
            count = None
            if len(args) >= 3 and args[2] != "all":
                count = parse_int(args[2], "answer count")
            code = parse_code(args[3]) if len(args) == 4 else None
            station.faults.append([kind, count, code])
        else:
            raise CommandError("unknown fault '%s' (%s)" % (kind, ", ".join(FAULT_KINDS)))
        return station.describe()

    def cmd_status(self, args):
        """status [ADDR]: the modules and their settings, separated by "; "."""
        if args:
            return self.bus.station(parse_address(args[0])).describe()
        line = self.bus.line_settings()
        head = "rx=%d tx=%d line=%d %s%s" % (self.bus.rx_count, self.bus.tx_count, line["speed"],
                                              line["mode"], "" if line["open"] else " closed")
        return "; ".join([head] + [s.describe() for _, s in sorted(self.bus.stations.items())])

    def cmd_types(self, args):
        """types: the module types this simulator knows."""
        return "; ".join("%s: %s" % (n, MODEL_TYPES[n].summary) for n in sorted(MODEL_TYPES))

    def cmd_note(self, args):
        """note TEXT: writes TEXT into the frame log (marks a step of a rehearsal)."""
        self.bus.note(" ".join(args))

    def cmd_quit(self, args):
        """quit: ends the simulator."""
        self.stop()


class Scenario:
    """Runs a scenario file's commands in order; "wait MS" lets the bus run that long
    before the next command, so a file can script a module falling silent later."""

    def __init__(self, lines, commands, bus, name):
        self.lines = list(enumerate(lines, 1))
        self.commands = commands
        self.bus = bus
        self.name = name

    def start(self):
        self._continue()

    def _resume(self):
        # Later steps run inside the bus loop: a bad line ends the scenario, not the bus.
        try:
            self._continue()
        except CommandError as e:
            self.lines = []
            self.bus.note("scenario stopped: %s" % e)

    def _continue(self):
        while self.lines:
            number, line = self.lines.pop(0)
            words = split_words(line)
            if not words:
                continue
            if words[0] == "wait":
                if len(words) != 2:
                    raise CommandError("%s:%d: wait MS" % (self.name, number))
                self.bus.schedule(parse_int(words[1], "wait in ms") / 1000.0, self._resume)
                return
            try:
                self.commands.run(line)
            except CommandError as e:
                raise CommandError("%s:%d: %s" % (self.name, number, e))
