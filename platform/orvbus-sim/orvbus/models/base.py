"""What a simulated module is, and the table of module types."""


class CommandError(Exception):
    """A control or scenario command that cannot be carried out; the text says why."""


MODEL_TYPES = {}


def register(cls):
    """Class decorator: makes a model available to "module ADDR TYPE" under its type_name."""
    MODEL_TYPES[cls.type_name] = cls
    return cls


def parse_code(text):
    """A command code: two hex digits ("0C", "0x0C") or a quoted character ("'f'")."""
    if len(text) == 3 and text[0] == text[2] == "'":
        return ord(text[1])
    try:
        value = int(text, 16)
    except ValueError:
        raise CommandError("'%s' is not a command code (hex like 0C, or 'f')" % text)
    if not 0 <= value <= 0xFF:
        raise CommandError("command code %s out of range" % text)
    return value


def parse_sequence(words, convert):
    """The values of "seq FIELD V1,V2,..." (commas or blanks between them), converted."""
    items = [t for t in ",".join(words).split(",") if t]
    if not items:
        raise CommandError("seq: at least one value expected")
    try:
        return [convert(t) for t in items]
    except ValueError as e:
        raise CommandError("seq: %s" % e)


def take_next(sequences, values):
    """Before an answer: each field with a sequence takes its next value; the last value
    stays once the sequence is used up."""
    for field, queue in list(sequences.items()):
        values[field] = queue.pop(0)
        if not queue:
            del sequences[field]


def describe_sequences(sequences):
    """What is left of the sequences, for "status" (empty without any)."""
    return "".join(" seq_%s=%s" % (field, ",".join("%g" % v for v in queue))
                   for field, queue in sorted(sequences.items()))


class Model:
    """One simulated module at one bus address.

    The bus engine does everything that is the same for every module: it decodes and
    checks the request frames, swallows the trailing 0x00, applies the delay, the line
    speed and the injected faults, and logs. A model only answers.
    """

    type_name = None
    summary = ""

    def __init__(self, address):
        self.address = address

    def handle(self, request, bus):
        """Answer to a valid request frame addressed to this module: a Frame (the engine
        adds length and CRC), raw bytes sent as they are, or None to stay silent. `bus`
        gives `bus.replace_module(address, model)` (a module entering its bootloader)
        and `bus.note(text)` (a line in the frame log)."""
        return None

    def match(self, data):
        """Only for modules that speak no framed request (V1 card, bootloader): the length
        of a complete request of theirs at the start of `data`; 0 when `data` is not
        theirs; -1 when it may become theirs as more bytes arrive."""
        return 0

    def handle_raw(self, request, bus):
        """Answer to an unframed request claimed by match(): raw bytes or None."""
        return None

    def configure(self, key, args):
        """A setting of this module type ("set ADDR KEY ARGS..."), for example a
        reading or a scripted reply."""
        raise CommandError("%s has no setting '%s'" % (self.type_name, key))

    def status(self):
        """Short state text for the "status" command."""
        return ""
