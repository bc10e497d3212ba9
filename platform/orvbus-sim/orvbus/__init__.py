"""orvbus: the RS-485 module bus simulator of the ORV controller (see README.md)."""
