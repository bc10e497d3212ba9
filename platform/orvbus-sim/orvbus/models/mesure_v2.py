"""The second-generation measurement card (bus address 1): strain-gauge weight of the
measuring column, high pressure, three PT100 probes, radio thermometer battery.

    12 identification       -> 11: configured, version
    13 read values          -> 13: weight g (-999.0 invalid), HP bar, T inlet, T outlet,
                                   T outside (999.0 invalid), spare, battery V
    14 read configuration   -> 14: the 55-byte configuration
    15 write configuration  -> 25 (the card is configured from then on)
    16 reboot, 17 reset     -> 25, then silent for reboot-silence ms (17 also forgets the
                               configuration)
    18 firmware loader      -> 18, then the card runs its bootloader
    19 gauge step 0..2, 22 PT100 calibration 0..3, 20, 21 -> 25
    27 calibration state    -> 27: busy for calib-polls polls after 19 or 22, then idle,
                               with the new tare or PT100 calibration in the configuration
    anything else           -> no answer

The card does not answer the V1 card's unframed request.
"""

import struct

from ..frame import Frame
from .base import CommandError, describe_sequences, parse_sequence, register, take_next
from .records import Layout, RecordModel

CM_CONFIG = Layout(("rs485_id", "B", 1), ("configured", "B", 1), ("radio", "B", 1),
                   ("gauge_type", "f", 1), ("gauge_mvv", "f", 1), ("tare", "f", 1),
                   ("p_max", "f", 1), ("p_min", "f", 1), ("cable_ohms", "f", 3),
                   ("calib_ohms", "f", 3), ("uart1", "I", 1), ("uart2", "I", 1))
CM_DATA = Layout(("weight", "f", 1), ("hp", "f", 1), ("t_inlet", "f", 1), ("t_outlet", "f", 1),
                 ("t_outside", "f", 1), ("spare", "f", 1), ("battery", "f", 1))
ACK = 25


@register
class MeasurementCardV2(RecordModel):
    """Settings beyond the common ones (see RecordModel):
        set ADDR calib-polls N     polls of 27 that report busy after 19 or 22 (default 2)
        set ADDR calib-tare G      tare the card takes after a gauge step (default: the
                                   weight it reads at that moment)
        set ADDR calib-ohms R      PT100 calibration resistance after 22 (default 100.0)
        set ADDR seq FIELD V1,V2,...  a data field takes the next value at each answer to
                                   13; after the last one it keeps that value
    """

    type_name = "mesv2"
    summary = "V2 measurement card: weight, HP, three PT100, radio battery; calibration"
    data_layout = CM_DATA
    config_layout = CM_CONFIG
    loader_letters = "ME"

    def __init__(self, address):
        super().__init__(address)
        self.data = CM_DATA.values(weight=1000.0, hp=12.0, t_inlet=25.0, t_outlet=20.0,
                                   t_outside=15.0, battery=3.6)
        self.version = 2.0
        self.calib_polls = 2
        self.calib_tare = None
        self.calib_ohms = 100.0
        self.gauge_state = -1
        self.pt100_pending = [0, 0, 0]
        self.busy_left = 0
        self.sequences = {}

    def factory_config(self):
        return CM_CONFIG.values(rs485_id=self.address, gauge_type=20.0, gauge_mvv=2.0,
                                p_max=30.0, uart1=2400, uart2=9600)

    def handle(self, request, bus):
        if self.quiet():
            return None
        code, payload = request.code, request.payload
        if code == 12:
            return Frame(self.address, 11, struct.pack("<Bf", self.config["configured"], self.version))
        if code == 13:
            take_next(self.sequences, self.data)
            return Frame(self.address, 13, CM_DATA.pack(self.data))
        if code == 14:
            return Frame(self.address, 14, CM_CONFIG.pack(self.config))
        if code == 15 and len(payload) == CM_CONFIG.size:
            reply = self.ack(request, ACK)
            if reply.code == ACK:
                self.config = self.received(bus, "configuration", CM_CONFIG, payload)
            return reply
        if code in (16, 17):
            reply = self.ack(request, ACK)
            if reply.code == ACK:
                if code == 17:
                    self.config = self.factory_config()
                self.quiet_for(self.reboot_silence_ms, bus, "reboot" if code == 16 else "reset")
            return reply
        if code == 18:
            reply = self.ack(request, 18)
            if reply.code == 18:
                self.enter_bootloader(bus)
            return reply
        if code == 19 and len(payload) == 1 and payload[0] <= 2:
            reply = self.ack(request, ACK)
            if reply.code == ACK:
                self.gauge_state = payload[0]
                self.busy_left = self.calib_polls
            return reply
        if code == 22 and len(payload) == 1 and payload[0] <= 3:
            reply = self.ack(request, ACK)
            if reply.code == ACK and payload[0] < 3:
                self.pt100_pending[payload[0]] = 1
                self.busy_left = self.calib_polls
            return reply
        if code in (20, 21):
            return self.ack(request, ACK)
        if code == 27:
            return Frame(self.address, 27, self.calibration_state(bus))
        return None

    def calibration_state(self, bus):
        """Busy for the scripted number of polls, then the calibration is done."""
        if self.busy_left > 0:
            self.busy_left -= 1
        elif self.gauge_state >= 0 or any(self.pt100_pending):
            if self.gauge_state >= 0:
                self.config["tare"] = self.data["weight"] if self.calib_tare is None else self.calib_tare
            for n, pending in enumerate(self.pt100_pending):
                if pending:
                    self.config["calib_ohms"][n] = self.calib_ohms
            self.gauge_state, self.pt100_pending = -1, [0, 0, 0]
            bus.note("addr=%d calibration done: tare=%g calib_ohms=%s" % (
                self.address, self.config["tare"], ",".join("%g" % v for v in self.config["calib_ohms"])))
        return struct.pack("<bBBBBB", self.gauge_state, 0, 0, *self.pt100_pending)

    def configure_more(self, key, args):
        try:
            if key == "calib-polls" and len(args) == 1:
                self.calib_polls = int(args[0], 0)
            elif key == "calib-tare" and len(args) == 1:
                self.calib_tare = float(args[0])
            elif key == "calib-ohms" and len(args) == 1:
                self.calib_ohms = float(args[0])
            elif key == "seq" and len(args) >= 2 and CM_DATA.has(args[0]):
                self.sequences[args[0]] = parse_sequence(args[1:], float)
            else:
                super().configure_more(key, args)
        except ValueError as e:
            raise CommandError(str(e))

    def more_settings(self):
        return ", calib-polls N, calib-tare G, calib-ohms R, seq FIELD V1,V2,..."

    def status(self):
        return super().status() + describe_sequences(self.sequences)
