"""Packed records of the bus modules and what the framed module models share: fields
settable by name, acknowledgements that a scenario can change, a quiet spell after a
reboot, and the hand-over to the module's bootloader."""

import struct
import time

from ..frame import Frame
from .base import MODEL_TYPES, CommandError, Model, parse_code


class Layout:
    """A packed little-endian record: fields (name, struct code, count) in wire order.
    A field of count > 1 holds a list."""

    def __init__(self, *fields):
        self.fields = fields
        self.struct = struct.Struct("<" + "".join("%d%s" % (n, c) for _, c, n in fields))
        self.size = self.struct.size

    def values(self, **given):
        """A dict of every field, zero unless given."""
        out = {}
        for name, code, count in self.fields:
            zero = 0.0 if code == "f" else 0
            out[name] = [zero] * count if count > 1 else zero
        for name, value in given.items():
            if name not in out:
                raise KeyError(name)
            out[name] = list(value) if isinstance(value, (list, tuple)) else value
        return out

    def pack(self, values):
        flat = []
        for name, _code, count in self.fields:
            value = values[name]
            flat.extend(value if count > 1 else [value])
        return self.struct.pack(*flat)

    def unpack(self, data):
        flat = list(self.struct.unpack(bytes(data)))
        out = {}
        for name, _code, count in self.fields:
            out[name] = flat[:count] if count > 1 else flat[0]
            del flat[:count]
        return out

    def has(self, name):
        return any(f[0] == name for f in self.fields)

    def set_field(self, values, name, words):
        """Sets field `name` from words: one number, or for a list field numbers separated
        by blanks or commas ("1,0,1" or "1 0 1"), or "INDEX=VALUE" for one element."""
        for field, code, count in self.fields:
            if field != name:
                continue
            convert = float if code == "f" else (lambda t: int(t, 0))
            items = ",".join(words).replace(",,", ",").split(",")
            try:
                if count == 1:
                    if len(items) != 1:
                        raise ValueError("one value expected")
                    values[name] = convert(items[0])
                elif len(items) == 1 and "=" in items[0]:
                    index, _, text = items[0].partition("=")
                    values[name][int(index)] = convert(text)
                else:
                    if len(items) != count:
                        raise ValueError("%d values expected" % count)
                    values[name] = [convert(t) for t in items]
            except (ValueError, IndexError) as e:
                raise CommandError("%s: %s" % (name, e))
            return
        raise KeyError(name)

    def describe(self, values):
        parts = []
        for name, code, count in self.fields:
            value = values[name]
            text = (lambda v: "%g" % v) if code == "f" else str
            parts.append("%s=%s" % (name, ",".join(text(v) for v in value) if count > 1 else text(value)))
        return " ".join(parts)


class RecordModel(Model):
    """A framed module with a data record and a configuration record.

    Settings common to these modules:
        set ADDR NAME VALUE...        a field of the data record (a reading)
        set ADDR config NAME VALUE... a field of the configuration record
        set ADDR configured 0|1       the module holds a commissioned configuration
        set ADDR version F            firmware version
        set ADDR ack CODE REPLY_CODE  acknowledges CODE with REPLY_CODE instead (a refusal,
                                      an unexpected code); "ack CODE default" undoes it
        set ADDR reboot-silence MS    no answer for MS after a reboot or reset
    """

    data_layout = None
    config_layout = None
    loader_letters = "??"

    def __init__(self, address):
        super().__init__(address)
        self.data = self.data_layout.values()
        self.config = self.factory_config()
        self.version = 1.0
        self.acks = {}
        self.reboot_silence_ms = 2000
        self.silent_until = 0.0

    # --- for the subclasses ------------------------------------------------------------
    def factory_config(self):
        return self.config_layout.values()

    def ack(self, request, default_code, payload=None):
        """The acknowledgement of `request`: its scripted reply code, or `default_code`;
        one byte of payload, the acknowledged code."""
        code = self.acks.get(request.code, default_code)
        return Frame(self.address, code, bytes([request.code]) if payload is None else payload)

    def quiet_for(self, ms, bus, why):
        if ms > 0:
            self.silent_until = time.monotonic() + ms / 1000.0
            bus.note("addr=%d %s: no answer for %d ms" % (self.address, why, ms))

    def quiet(self):
        return time.monotonic() < self.silent_until

    def enter_bootloader(self, bus):
        """The module runs its bootloader from now on (fwloader talks to it there)."""
        loader_type = MODEL_TYPES.get("bootloader")
        if loader_type is None:
            self.silent_until = float("inf")
            bus.note("addr=%d entered its loader: no bootloader model, the module is silent"
                     % self.address)
            return
        loader = loader_type(self.address)
        try:
            loader.configure("letters", [self.loader_letters])
        except CommandError:
            pass
        bus.replace_module(self.address, loader)

    def received(self, bus, what, layout, data):
        """Decodes a record the controller sent, notes it in the frame log, returns it."""
        values = layout.unpack(data)
        bus.note("addr=%d received %s: %s" % (self.address, what, layout.describe(values)))
        return values

    # --- settings ----------------------------------------------------------------------
    def configure(self, key, args):
        try:
            if key == "config" and len(args) >= 2:
                self.config_layout.set_field(self.config, args[0], args[1:])
            elif key == "configured" and len(args) == 1:
                self.config["configured"] = int(args[0], 0)
            elif key == "version" and len(args) == 1:
                self.version = float(args[0])
            elif key == "ack" and len(args) == 2:
                if args[1] == "default":
                    self.acks.pop(parse_code(args[0]), None)
                else:
                    self.acks[parse_code(args[0])] = parse_code(args[1])
            elif key == "reboot-silence" and len(args) == 1:
                self.reboot_silence_ms = int(args[0], 0)
            elif self.data_layout.has(key):
                self.data_layout.set_field(self.data, key, args)
            else:
                self.configure_more(key, args)
        except KeyError as e:
            raise CommandError("%s has no field %s" % (self.type_name, e))
        except ValueError as e:
            raise CommandError(str(e))

    def configure_more(self, key, args):
        raise CommandError("%s settings: a data field (%s), config FIELD VALUE (%s), configured, "
                           "version, ack CODE REPLY_CODE, reboot-silence MS%s"
                           % (self.type_name, ", ".join(f[0] for f in self.data_layout.fields),
                              ", ".join(f[0] for f in self.config_layout.fields),
                              self.more_settings()))

    def more_settings(self):
        return ""

    def status(self):
        return "configured=%d version=%g %s" % (self.config["configured"], self.version,
                                                self.data_layout.describe(self.data))
