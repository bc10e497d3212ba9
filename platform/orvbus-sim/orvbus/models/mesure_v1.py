"""The first-generation measurement card. It knows no frames and no address: it answers
the unframed request 01 02 39 0D 00 (at 2400 Bd on the real card) with 33 ASCII bytes:

    01 02 WWWWW s OOOOO s XXXXX s IIIII s CCCCC CR LF

weight in grams, outlet, outside and inlet temperatures as (T + 40) x 117, and the
pressure sensor's loop current in microamperes, each as 5 zero-padded digits.
Framed requests, whatever their address, go unanswered.
"""

from .base import CommandError, Model, describe_sequences, parse_sequence, register, take_next

REQUEST = bytes([0x01, 0x02, 0x39, 0x0D, 0x00])
REPLY_LENGTH = 33


def raw_temperature(celsius):
    return int(round((celsius + 40.0) * 117))


@register
class MeasurementCardV1(Model):
    """set ADDR weight G          weight in grams (a weight of 90000 or more starts with 9)
    set ADDR outlet|outside|inlet C   temperatures, degC
    set ADDR raw-outlet|raw-outside|raw-inlet N   a temperature field as the card's number
    set ADDR current UA         pressure loop current, microamperes
    set ADDR fields TEXT...     the 29 characters between the header and CR LF, as given
    set ADDR header HEX         the two header bytes (default 01 02)
    set ADDR echo on|off        answers with the request read back
    set ADDR length N           cuts or pads the answer to N bytes
    set ADDR seq FIELD V1,V2,...  the field (weight, outlet, outside, inlet, current) takes
                                the next value at each answer; after the last one it keeps it
    """

    type_name = "mesv1"
    summary = "V1 measurement card: unframed ASCII answer with weight, three temperatures, current"

    def __init__(self, address):
        super().__init__(address)
        self.numbers = {"weight": 1080, "outlet": raw_temperature(20.0),
                        "outside": raw_temperature(5.0), "inlet": raw_temperature(0.0),
                        "current": 12000}
        self.fields_text = None
        self.header = bytes([0x01, 0x02])
        self.echo = False
        self.length = REPLY_LENGTH
        self.sequences = {}

    def match(self, data):
        if data[:len(REQUEST)] == REQUEST:
            return len(REQUEST)
        if len(data) < len(REQUEST) and REQUEST.startswith(bytes(data)):
            return -1
        return 0

    def body(self):
        if self.fields_text is not None:
            return self.fields_text.encode("ascii")
        order = ("weight", "outlet", "outside", "inlet", "current")
        return " ".join("%05d" % self.numbers[k] for k in order).encode("ascii")

    def handle_raw(self, request, bus):
        take_next(self.sequences, self.numbers)
        return self.reply()

    def reply(self):
        if self.echo:
            reply = REQUEST + b"0" * (REPLY_LENGTH - len(REQUEST) - 2) + b"\r\n"
        else:
            reply = self.header + self.body() + b"\r\n"
        return (reply + b" " * self.length)[:self.length]

    def configure(self, key, args):
        try:
            if key in ("outlet", "outside", "inlet") and len(args) == 1:
                self.numbers[key] = raw_temperature(float(args[0]))
            elif key.startswith("raw-") and key[4:] in ("outlet", "outside", "inlet") and len(args) == 1:
                self.numbers[key[4:]] = int(args[0], 10)
            elif key in ("weight", "current") and len(args) == 1:
                self.numbers[key] = int(args[0], 10)
            elif key == "fields" and args:
                text = " ".join(args)
                if len(text) != REPLY_LENGTH - 4:
                    raise CommandError("fields: 29 characters expected, got %d" % len(text))
                self.fields_text = text
            elif key == "header" and len(args) >= 1:
                self.header = bytes.fromhex("".join(args))
                if len(self.header) != 2:
                    raise CommandError("header: two bytes expected")
            elif key == "echo" and len(args) == 1 and args[0] in ("on", "off"):
                self.echo = args[0] == "on"
            elif key == "length" and len(args) == 1:
                self.length = int(args[0], 10)
            elif key == "seq" and len(args) >= 2 and args[0] in self.numbers:
                convert = (lambda t: int(t, 10)) if args[0] in ("weight", "current") else (
                    lambda t: raw_temperature(float(t)))
                self.sequences[args[0]] = parse_sequence(args[1:], convert)
            else:
                raise CommandError("mesv1 settings: weight G | outlet|outside|inlet C | "
                                   "raw-outlet|raw-outside|raw-inlet N | current UA | "
                                   "fields TEXT | header HEX | echo on|off | length N | "
                                   "seq FIELD V1,V2,...")
        except ValueError as e:
            raise CommandError(str(e))

    def status(self):
        return "reply=%r" % self.reply() + describe_sequences(self.sequences)
