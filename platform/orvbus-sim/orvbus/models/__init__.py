"""Module models. Every file of this package that defines a Model subclass decorated with
@register becomes a module type: add a file, nothing else to change."""

import importlib
import pkgutil
import sys

from .base import MODEL_TYPES, CommandError, Model, parse_code, register  # noqa: F401

for _info in pkgutil.iter_modules(__path__):
    if _info.name != "base":
        # One broken model file must not take the whole bus down with it.
        try:
            importlib.import_module("%s.%s" % (__name__, _info.name))
        except Exception as _error:  # noqa: BLE001 - reported, the other models still load
            print("orvbus-sim: module model '%s' not loaded: %s" % (_info.name, _error),
                  file=sys.stderr)


def create(type_name, address):
    cls = MODEL_TYPES.get(type_name)
    if cls is None:
        raise CommandError("unknown module type '%s' (known: %s)"
                           % (type_name, ", ".join(sorted(MODEL_TYPES))))
    return cls(address)
