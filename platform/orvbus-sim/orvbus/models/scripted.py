"""Two generic modules for rehearsing the link itself: one that echoes every request and
one that answers from a table of scripted replies."""

from ..frame import Frame, parse_hex
from .base import CommandError, Model, parse_code, register


@register
class EchoModule(Model):
    """Answers every request with a copy of it (without the trailing 0x00)."""

    type_name = "echo"
    summary = "answers every request with a copy of it"

    def handle(self, request, bus):
        return Frame(request.address, request.code, request.payload)


@register
class ScriptedModule(Model):
    """Answers each command code from a table; silent for codes not in it.

    set ADDR reply CODE REPLY_CODE [PAYLOAD-HEX]   a framed reply (length and CRC added)
    set ADDR raw CODE BYTES-HEX                    bytes sent exactly as given
    set ADDR forget CODE                           silent again for CODE
    """

    type_name = "scripted"
    summary = "answers each command code from a table of scripted replies"

    def __init__(self, address):
        super().__init__(address)
        self.replies = {}

    def handle(self, request, bus):
        reply = self.replies.get(request.code)
        if reply is None:
            bus.note("addr=%d has no reply scripted for code %02X" % (self.address, request.code))
        return reply

    def configure(self, key, args):
        try:
            if key == "reply" and len(args) >= 2:
                self.replies[parse_code(args[0])] = Frame(self.address, parse_code(args[1]),
                                                          parse_hex(args[2:]))
            elif key == "raw" and len(args) >= 2:
                self.replies[parse_code(args[0])] = parse_hex(args[1:])
            elif key == "forget" and len(args) == 1:
                self.replies.pop(parse_code(args[0]), None)
            else:
                raise CommandError("scripted settings: reply CODE REPLY_CODE [HEX] | "
                                   "raw CODE HEX | forget CODE")
        except ValueError as e:
            raise CommandError(str(e))

    def status(self):
        return "codes=" + ",".join("%02X" % c for c in sorted(self.replies))
