"""The HPF module (bus address 5), the floating condensing-pressure regulator.

    'f' identification          -> 'e': configured, relay cards, version
    'h' read the module's state -> 'h': 36 bytes (fans, compressors, flags, set point,
                                        variator outputs)
    'i' read configuration      -> 'i': the 138-byte configuration (byte 0 configured)
    'j' write configuration     -> 'p' (the module is configured from then on)
    'k' plant values (37 bytes) -> 'h': the module's state; the values are logged
    'l' reboot, 'm' factory reset -> the same code back, then silent for reboot-silence ms
    'n' exchange byte           -> 'n': the module's byte (nbyte, default the byte + 1)
    'o' firmware loader         -> 'o', then the module runs its bootloader
    anything else ('g', 'p', 'q') -> no answer
"""

import struct

from ..frame import Frame
from .base import CommandError, register
from .records import Layout, RecordModel

HPF_CONFIG = Layout(("configured", "B", 1), ("stage_kw", "i", 12), ("tes", "f", 1), ("dt", "f", 1),
                    ("tc_min", "f", 1), ("const1m", "f", 1), ("const2m", "f", 1),
                    ("const1d", "f", 1), ("const2d", "f", 1), ("tvm", "I", 1), ("tvd", "I", 1),
                    ("const1ma", "f", 1), ("const2ma", "f", 1), ("const1volt", "f", 1),
                    ("const2volt", "f", 1), ("variateur", "B", 1), ("rinfo_variateur", "B", 1),
                    ("pmax_varia", "f", 1), ("autoadaptative", "B", 1), ("dif_up", "f", 1),
                    ("dif_down", "f", 1), ("ma_max", "f", 1), ("volt_max", "f", 1),
                    ("hp_max", "f", 1), ("comp_on_info", "B", 1), ("regul_mode", "B", 1),
                    ("uart1", "I", 1), ("uart2", "I", 1))
HPF_DATA = Layout(("fans", "B", 12), ("compressors", "B", 6), ("marche", "B", 1),
                  ("delestage", "B", 1), ("nuit", "B", 1), ("reserve", "B", 1),
                  ("hp_flottante", "B", 1), ("status6", "B", 1), ("consigne", "f", 1),
                  ("varia_ma", "f", 1), ("varia_v", "f", 1))
ORV_TO_HP = Layout(("running", "B", 1), ("comp_kw", "I", 6), ("temp_ext", "f", 1),
                   ("temp_cond", "f", 1), ("hp", "f", 1))


@register
class HpfModule(RecordModel):
    """Settings beyond the common ones (see RecordModel):
        set ADDR relays N     relay cards reported at identification (default 2)
        set ADDR nbyte V      the byte answered to 'n' (default: the byte received + 1)
    """

    type_name = "hpf"
    summary = "HPF condensing-pressure module: configuration, plant values in, fan state out"
    data_layout = HPF_DATA
    config_layout = HPF_CONFIG
    loader_letters = "HP"

    def __init__(self, address):
        super().__init__(address)
        self.data = HPF_DATA.values(fans=[1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0],
                                    compressors=[1, 0, 0, 0, 0, 0], marche=1, hp_flottante=1,
                                    consigne=30.0, varia_ma=12.0, varia_v=5.0)
        self.version = 1.5
        self.relays = 2
        self.nbyte = None
        self.plant = None   # the last plant values received with 'k'

    def factory_config(self):
        return HPF_CONFIG.values(tes=32.0, dt=10.0, tc_min=21.5, const1m=-5.0, const2m=11.0,
                                 const1d=-2.0, const2d=8.0, tvm=60, tvd=60, const1ma=0.2722,
                                 const2ma=0.6294, const1volt=0.2502, const2volt=0.4473,
                                 dif_up=1.0, dif_down=1.0, ma_max=8.0, volt_max=4.0, hp_max=45.0,
                                 uart1=9600, uart2=9600)

    def handle(self, request, bus):
        if self.quiet():
            return None
        code, payload = chr(request.code), request.payload
        if code == "f":
            return Frame(self.address, ord("e"),
                         struct.pack("<BBf", self.config["configured"], self.relays, self.version))
        if code == "h":
            return Frame(self.address, ord("h"), HPF_DATA.pack(self.data))
        if code == "i":
            return Frame(self.address, ord("i"), HPF_CONFIG.pack(self.config))
        if code == "j" and len(payload) == HPF_CONFIG.size:
            reply = self.ack(request, ord("p"))
            if reply.code == ord("p"):
                self.config = self.received(bus, "configuration", HPF_CONFIG, payload)
            return reply
        if code == "k" and len(payload) == ORV_TO_HP.size:
            self.plant = self.received(bus, "plant values", ORV_TO_HP, payload)
            return Frame(self.address, ord("h"), HPF_DATA.pack(self.data))
        if code in "lm":
            reply = self.ack(request, request.code)
            if reply.code == request.code:
                if code == "m":
                    self.config = self.factory_config()
                self.quiet_for(self.reboot_silence_ms, bus, "reboot" if code == "l" else "factory reset")
            return reply
        if code == "n" and len(payload) == 1:
            value = (payload[0] + 1) & 0xFF if self.nbyte is None else self.nbyte
            return Frame(self.address, ord("n"), bytes([value]))
        if code == "o":
            reply = self.ack(request, ord("o"))
            if reply.code == ord("o"):
                self.enter_bootloader(bus)
            return reply
        return None

    def configure_more(self, key, args):
        try:
            if key == "relays" and len(args) == 1:
                self.relays = int(args[0], 0)
            elif key == "nbyte" and len(args) == 1:
                self.nbyte = int(args[0], 0) & 0xFF
            else:
                super().configure_more(key, args)
        except ValueError as e:
            raise CommandError(str(e))

    def more_settings(self):
        return ", relays N, nbyte V"

    def status(self):
        text = super().status()
        if self.plant:
            text += " plant: " + ORV_TO_HP.describe(self.plant)
        return text
