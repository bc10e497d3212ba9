"""Module models. Every file of this package that defines a Model subclass decorated with
@register becomes a module type: add a file, nothing else to change."""

import importlib
import pkgutil

from .base import MODEL_TYPES, CommandError, Model, parse_code, register  # noqa: F401

for _info in pkgutil.iter_modules(__path__):
    if _info.name != "base":
        importlib.import_module("%s.%s" % (__name__, _info.name))


def create(type_name, address):
    cls = MODEL_TYPES.get(type_name)
    if cls is None:
        raise CommandError("unknown module type '%s' (known: %s)"
                           % (type_name, ", ".join(sorted(MODEL_TYPES))))
    return cls(address)
