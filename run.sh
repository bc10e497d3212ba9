#!/bin/sh
# Installs what is missing, builds, and runs the controller's core on the simulated plant
# in the sandbox folder orv_sandbox/ (or $ORV_ROOT): orvbus-sim plays the bus modules on
# the sandbox's "/dev/ttyS1", the core starts as on the board (no main window: its notices
# are printed) and runs for $ORV_RUN_SECONDS seconds (60 by default); then the journal,
# the day measurement file and the configuration are shown.
set -e
here=$(cd "$(dirname "$0")" && pwd)
sh "$here/platform/install-deps.sh"
sh "$here/platform/build.sh"
build=${ORV_BUILD_DIR:-$here/build}
export ORV_ROOT=${ORV_ROOT:-$here/orv_sandbox}
seconds=${ORV_RUN_SECONDS:-60}
echo "[run.sh] sandbox: $ORV_ROOT"

# The board's folders, and the Ethernet cable unplugged: the server exchange stays idle.
mkdir -p "$ORV_ROOT/home/ORV" "$ORV_ROOT/ramdisk" "$ORV_ROOT/tmp" "$ORV_ROOT/etc/init.d" \
  "$ORV_ROOT/home/WIRELESS" "$ORV_ROOT/sys/class/net/eth0"
[ -f "$ORV_ROOT/sys/class/net/eth0/carrier" ] || echo 0 > "$ORV_ROOT/sys/class/net/eth0/carrier"
# Fluid data of the stand-in property library, refreshed from the source tree.
mkdir -p "$ORV_ROOT/usr/share/norfluid"
cp -R "$here/platform/norfluid/data/." "$ORV_ROOT/usr/share/norfluid/"
# A plant commissioned now, the first time: the processing thread runs from the start.
if [ ! -f "$ORV_ROOT/home/ORV/config.conf" ]; then
  "$build/orvcore-cli" cfg set 0 "$(date +%s)" > /dev/null
fi

# The plant's modules: the V2 measurement card with its column, sensor and probe readings,
# the HPF module and one ENERGIE module.
sim_log="$ORV_ROOT/orvbus-sim.out"
"$here/platform/orvbus-sim/orvbus-sim" \
  --module "1 mesv2 configured=1 weight=18500 hp=14.2 t_inlet=31.5 t_outlet=29.0 t_outside=18.0" \
  --module "5 hpf configured=1" --module "6 energie configured=1" > "$sim_log" 2>&1 &
sim=$!
trap 'kill $sim 2>/dev/null; wait $sim 2>/dev/null' EXIT INT TERM
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
