"""Command line, control socket and main loop of orvbus-sim."""

import argparse
import os
import selectors
import signal
import socket
import sys
import time

from .control import Commands, Scenario
from .engine import Bus, FrameLog
from .models import CommandError


def sandbox_root(given):
    root = given or os.environ.get("ORV_ROOT") or os.path.join(os.getcwd(), "orv_sandbox")
    root = os.path.abspath(root)
    if root == "/":
        raise SystemExit("orvbus-sim: a sandbox root of / would be the real machine")
    return root


def under_root(root, path):
    return path if path.startswith(root + "/") else root + path


class ControlServer:
    """UNIX socket of line commands: each line gets one line back, "ok [TEXT]" or
    "error TEXT"."""

    def __init__(self, path, commands, selector):
        self.path = path
        self.commands = commands
        self.selector = selector
        if os.path.exists(path):
            os.unlink(path)
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.bind(path)
        self.sock.listen(8)
        self.sock.setblocking(False)
        selector.register(self.sock, selectors.EVENT_READ, self._accept)
        self.partial = {}

    def _accept(self):
        client, _ = self.sock.accept()
        client.setblocking(False)
        self.partial[client] = b""
        self.selector.register(client, selectors.EVENT_READ, lambda: self._read(client))

    def _read(self, client):
        try:
            data = client.recv(4096)
        except OSError:
            data = b""
        if not data:
            self._drop(client)
            return
        buffered = self.partial[client] + data
        *lines, self.partial[client] = buffered.split(b"\n")
        for raw in lines:
            line = raw.decode("utf-8", "replace").strip()
            try:
                text = self.commands.run(line)
                answer = "ok" + (" " + text if text else "")
            except CommandError as e:
                answer = "error %s" % e
            try:
                client.sendall((answer + "\n").encode())
            except OSError:
                self._drop(client)
                return

    def _drop(self, client):
        self.selector.unregister(client)
        self.partial.pop(client, None)
        client.close()

    def close(self):
        for client in list(self.partial):
            self._drop(client)
        self.selector.unregister(self.sock)
        self.sock.close()
        if os.path.exists(self.path):
            os.unlink(self.path)


def send_commands(path, lines):
    """Client side of the control socket: sends each line, prints each answer."""
    ok = True
    with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as sock:
        sock.connect(path)
        stream = sock.makefile("rw")
        for line in lines:
            stream.write(line + "\n")
            stream.flush()
            answer = stream.readline().rstrip("\n")
            print(answer)
            ok = ok and answer.startswith("ok")
    return 0 if ok else 1


def parse_arguments(argv):
    parser = argparse.ArgumentParser(
        prog="orvbus-sim",
        description="Simulated RS-485 bus modules on a pseudo-terminal that the controller "
                    "opens as its serial port.")
    parser.add_argument("--root", help="sandbox root (default $ORV_ROOT, else ./orv_sandbox)")
    parser.add_argument("--device", default="/dev/ttyS1",
                        help="device path the controller opens, under the root (default /dev/ttyS1)")
    parser.add_argument("--scenario", action="append", default=[],
                        help="file of commands run at start (repeatable)")
    parser.add_argument("--module", action="append", default=[], metavar="'ADDR TYPE [K=V..]'",
                        help="puts a module on the bus, as the 'module' command (repeatable)")
    parser.add_argument("--control", help="control socket (default ROOT/orvbus-sim.sock)")
    parser.add_argument("--log", help="frame log (default ROOT/orvbus-sim.log; - for stdout)")
    parser.add_argument("command", nargs="*",
                        help="'ctl CMD...': send commands to a running simulator instead")
    return parser.parse_args(argv)


def main(argv=None):
    args = parse_arguments(sys.argv[1:] if argv is None else argv)
    root = sandbox_root(args.root)
    control_path = args.control or os.path.join(root, "orvbus-sim.sock")
    if args.command:
        if args.command[0] != "ctl" or len(args.command) < 2:
            print("orvbus-sim: the only sub-command is 'ctl COMMAND...'", file=sys.stderr)
            return 2
        return send_commands(control_path, [" ".join(args.command[1:])])

    os.makedirs(root, exist_ok=True)
    log_path = args.log or os.path.join(root, "orvbus-sim.log")
    log_stream = sys.stdout if log_path == "-" else open(log_path, "w")
    log = FrameLog(log_stream)
    selector = selectors.DefaultSelector()
    running = [True]

    def stop(*_):
        running[0] = False

    signal.signal(signal.SIGTERM, stop)
    signal.signal(signal.SIGINT, stop)
    try:
        bus = Bus(under_root(root, args.device), log)
    except CommandError as e:
        print("orvbus-sim: %s" % e, file=sys.stderr)
        return 2
    commands = Commands(bus, stop)
    server = None
    try:
        log.line("--", text="orvbus-sim on %s -> %s" % (bus.device_link, bus.pty_name))
        for module in args.module:
            commands.run("module " + module)
        for path in args.scenario:
            with open(path) as f:
                Scenario(f.read().splitlines(), commands, bus, path).start()
        server = ControlServer(control_path, commands, selector)
        selector.register(bus.master, selectors.EVENT_READ, bus.on_readable)
        print("orvbus-sim ready device=%s pty=%s control=%s log=%s"
              % (bus.device_link, bus.pty_name, control_path, log_path), flush=True)
        while running[0]:
            deadline = bus.next_deadline()
            timeout = None if deadline is None else max(0.0, deadline - time.monotonic())
            for key, _ in selector.select(min(timeout, 0.25) if timeout is not None else 0.25):
                key.data()
            bus.run_due()
    except (CommandError, OSError) as e:
        print("orvbus-sim: %s" % e, file=sys.stderr)
        return 2
    finally:
        if server:
            server.close()
        bus.close()
        log.line("--", text="orvbus-sim stopped")
        if log_stream is not sys.stdout:
            log_stream.close()
    return 0
