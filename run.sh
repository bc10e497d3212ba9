#!/bin/sh
# Installs what is missing, builds, and runs the controller's core on the simulated plant
# in the sandbox folder orv_sandbox/ (or $ORV_ROOT): orvbus-sim plays the bus modules on
# the sandbox's "/dev/ttyS1", the core starts as on the board (no main window: its notices
# are printed) and runs for $ORV_RUN_SECONDS seconds (60 by default); then the journal,
# the day measurement file and the configuration are shown.
#
# The plant runs inside a private network namespace whose only interface is the loopback,
# with the supervision server stand-in (platform/sftp-server, a real OpenSSH sshd) on its
# 127.0.0.1:22: the controller's uploads arrive in $ORV_ROOT/sftp-server/home/Voredane/ORV/
# and nothing leaves the machine. Where no namespace can be made, the plant runs with its
# Ethernet cable unplugged and no server.
set -e
here=$(cd "$(dirname "$0")" && pwd)
if [ "${1:-}" != --in-namespace ]; then
  sh "$here/platform/install-deps.sh"
  sh "$here/platform/build.sh"
  if unshare --net true 2>/dev/null; then
    exec unshare --net sh -c 'ip link set lo up && exec sh "$0" --in-namespace' "$0"
  fi
  echo "[run.sh] no private network namespace here: no server, cable unplugged"
fi
build=${ORV_BUILD_DIR:-$here/build}
export ORV_ROOT=${ORV_ROOT:-$here/orv_sandbox}
seconds=${ORV_RUN_SECONDS:-60}
echo "[run.sh] sandbox: $ORV_ROOT"

mkdir -p "$ORV_ROOT/home/ORV" "$ORV_ROOT/ramdisk" "$ORV_ROOT/tmp" "$ORV_ROOT/etc/init.d" \
  "$ORV_ROOT/home/WIRELESS" "$ORV_ROOT/sys/class/net/eth0"
server="$ORV_ROOT/sftp-server"
if [ "${1:-}" = --in-namespace ] && "$here/platform/sftp-server/sftp-server.sh" start "$server" 12 > /dev/null; then
  trap '"$here/platform/sftp-server/sftp-server.sh" stop "$server"' EXIT
  echo "[run.sh] supervision server stand-in on 127.0.0.1:22, files in $server/home/Voredane/ORV"
  echo 1 > "$ORV_ROOT/sys/class/net/eth0/carrier"
else
  server=""
  echo 0 > "$ORV_ROOT/sys/class/net/eth0/carrier"
fi
# Fluid data of the stand-in property library, refreshed from the source tree.
mkdir -p "$ORV_ROOT/usr/share/norfluid"
cp -R "$here/platform/norfluid/data/." "$ORV_ROOT/usr/share/norfluid/"
# A plant commissioned now, the first time: the processing thread runs from the start.
# It is registered on the server as device 12, and its configuration was written by
# version 10.04.04: this start is the first after a program update, which sends the full
# upload at once.
if [ ! -f "$ORV_ROOT/home/ORV/config.conf" ]; then
  "$build/orvcore-cli" cfg set 0 "$(date +%s)" > /dev/null
  "$build/orvcore-cli" cfg set 31 12 > /dev/null
  "$build/orvcore-cli" cfg set 61 4 > /dev/null
fi

# The plant's modules: the V2 measurement card with its column, sensor and probe readings,
# the HPF module and one ENERGIE module.
sim_log="$ORV_ROOT/orvbus-sim.out"
"$here/platform/orvbus-sim/orvbus-sim" \
  --module "1 mesv2 configured=1 weight=18500 hp=14.2 t_inlet=31.5 t_outlet=29.0 t_outside=18.0" \
  --module "5 hpf configured=1" --module "6 energie configured=1" > "$sim_log" 2>&1 &
sim=$!
stop_sim() { kill $sim 2>/dev/null; wait $sim 2>/dev/null || true; }
if [ -n "$server" ]; then
  trap 'stop_sim; "$here/platform/sftp-server/sftp-server.sh" stop "$server"' EXIT INT TERM
else
  trap stop_sim EXIT INT TERM
fi
i=0
until grep -q "^orvbus-sim ready" "$sim_log"; do
  i=$((i + 1))
  if [ $i -gt 100 ] || ! kill -0 $sim 2>/dev/null; then
    echo "[run.sh] orvbus-sim did not start:"; cat "$sim_log"; exit 1
  fi
  sleep 0.1
done
echo "[run.sh] $(cat "$sim_log")"

echo "[run.sh] orvcore-cli start --run $seconds (console in $ORV_ROOT/core.out)"
"$build/orvcore-cli" start --run "$seconds" > "$ORV_ROOT/core.out" 2>&1 || {
  echo "[run.sh] the core failed:"; tail -40 "$ORV_ROOT/core.out"; exit 1
}
echo "[run.sh] start-up and notices:"
grep -E '^\[[0-9/_:]+\]> \[ORV_core\]|^\[ORV_core\]|^\[notice\]|^  \+\+\+|^[a-z_]+=' "$ORV_ROOT/core.out" |
  uniq -c | awk '{ n = $1; sub(/^ *[0-9]+ /, ""); print (n > 1 ? "  (x" n ") " : "  ") $0 }'
echo "[run.sh] $ORV_ROOT/home/ORV/journal.log:"
cat "$ORV_ROOT/home/ORV/journal.log"
for f in "$ORV_ROOT"/ramdisk/ORV_*.msr; do
  [ -f "$f" ] || { echo "[run.sh] no day measurement file yet"; break; }
  echo "[run.sh] $f ($(wc -l < "$f") lines), last lines:"
  tail -3 "$f"
done
echo "[run.sh] $ORV_ROOT/home/ORV/config.conf:"
cat "$ORV_ROOT/home/ORV/config.conf"
if [ -n "$server" ]; then
  echo "[run.sh] files on the supervision server:"
  (cd "$server/home/Voredane" && find ORV -type f | sort | sed 's/^/  ~\//')
fi
