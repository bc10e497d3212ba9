"""An ENERGIE module (module n at bus address 6 + n): a three-block power meter with one
pressure input and one PT100 input.

    '4' identification         -> '3': configured, version
    '6' read the measurements  -> '6': pressure bar, PT100 degC (999.0 invalid), then per
                                       block P kW, E kWh, S kVA, Q kVAR, V1, I1, V2, I2, V3, I3
    '7' read configuration     -> '7': the 70-byte configuration (byte 0 its address)
    '8' write configuration    -> 'D' (the module is configured from then on)
    ':' reboot                 -> 'D', then silent for reboot-silence ms (default 0)
    '<' energy counters reset  -> 'D'; every block's energy goes back to 0
    '>' calibration (16 bytes) -> 'D'
    ';' '?' '@' 'A'            -> 'D'
    '=' firmware loader        -> '=', then the module runs its bootloader
    anything else ('C', 'D', '5', '9', 'B') -> no answer
"""

import struct

from ..frame import Frame
from .base import register
from .records import Layout, RecordModel

ENER_CONFIG = Layout(("addr", "B", 1), ("configured", "B", 1), ("affectation", "B", 3),
                     ("ti_rating", "I", 3), ("ti_count", "B", 3), ("p_enabled", "B", 1),
                     ("p_max", "f", 1), ("p_min", "f", 1), ("pt100_enabled", "B", 1),
                     ("pt100_calib", "f", 1), ("iref_calib", "f", 1), ("i_calib", "f", 1),
                     ("i_calib_min", "f", 1), ("v_calib", "f", 1), ("v_calib_min", "f", 1),
                     ("uart1", "I", 1), ("uart2", "I", 1), ("pt100_cable", "f", 1),
                     ("p_offset", "f", 1))
BLOCK_FIELDS = ("P", "E", "S", "Q", "V1", "I1", "V2", "I2", "V3", "I3")
ENER_DATA = Layout(("pressure", "f", 1), ("pt100", "f", 1),
                   *[("b%d_%s" % (b, f), "f", 1) for b in range(3) for f in BLOCK_FIELDS])
CALIBRATION = Layout(("i_calib", "f", 1), ("i_calib_min", "f", 1), ("v_calib", "f", 1),
                     ("v_calib_min", "f", 1))
ACK = ord("D")


@register
class EnergieModule(RecordModel):
    """Data fields are pressure, pt100 and b<block>_<P|E|S|Q|V1|I1|V2|I2|V3|I3>, for
    example "set 7 b0_V2 231.5"; settings otherwise as RecordModel."""

    type_name = "energie"
    summary = "ENERGIE module: three power-metering blocks, pressure and PT100 inputs"
    data_layout = ENER_DATA
    config_layout = ENER_CONFIG
    loader_letters = "EN"

    def __init__(self, address):
        super().__init__(address)
        block = {"P": 10.0, "E": 100.0, "S": 12.0, "Q": 6.0, "V1": 230.0, "I1": 15.0,
                 "V2": 230.0, "I2": 15.0, "V3": 230.0, "I3": 15.0}
        self.data = ENER_DATA.values(pressure=3.5, pt100=-5.0, **{
            "b%d_%s" % (b, f): v for b in range(3) for f, v in block.items()})
        self.version = 3.0
        self.reboot_silence_ms = 0

    def factory_config(self):
        return ENER_CONFIG.values(addr=self.address, ti_rating=[50, 50, 50], ti_count=[3, 3, 3],
                                  p_max=7.0, p_min=-1.0, iref_calib=0.0046, i_calib=2.5,
                                  v_calib=280.0, uart1=9600, uart2=9600)

    def handle(self, request, bus):
        if self.quiet():
            return None
        code, payload = chr(request.code), request.payload
        if code == "4":
            return Frame(self.address, ord("3"), struct.pack("<Bf", self.config["configured"], self.version))
        if code == "6":
            return Frame(self.address, ord("6"), ENER_DATA.pack(self.data))
        if code == "7":
            return Frame(self.address, ord("7"), ENER_CONFIG.pack(self.config))
        if code == "8" and len(payload) == ENER_CONFIG.size:
            reply = self.ack(request, ACK)
            if reply.code == ACK:
                self.config = self.received(bus, "configuration", ENER_CONFIG, payload)
            return reply
        if code == ">" and len(payload) == CALIBRATION.size:
            reply = self.ack(request, ACK)
            if reply.code == ACK:
                self.config.update(self.received(bus, "calibration", CALIBRATION, payload))
            return reply
        if code in ":<;?@A":
            reply = self.ack(request, ACK)
            if reply.code == ACK and code == "<":
                for b in range(3):
                    self.data["b%d_E" % b] = 0.0
                bus.note("addr=%d energy counters reset" % self.address)
            if reply.code == ACK and code == ":":
                self.quiet_for(self.reboot_silence_ms, bus, "reboot")
            return reply
        if code == "=":
            reply = self.ack(request, ord("="))
            if reply.code == ord("="):
                self.enter_bootloader(bus)
            return reply
        return None
