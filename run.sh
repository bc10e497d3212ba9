#!/bin/sh
# Installs what is missing, builds, and runs orvQT, the controller's program, with its real
# core on the simulated plant in the sandbox folder orv_sandbox/ (or $ORV_ROOT): orvbus-sim
# plays the bus modules on the sandbox's "/dev/ttyS1", the window shows on an X server of
# 640x480 for $ORV_RUN_SECONDS seconds (60 by default); then its screenshots, the start-up,
# the journal, the day measurement file and the configuration are shown.
#
# The X server: with DISPLAY set, a nested Xephyr window of 640x480 on that display (the
# program can be watched, and tapped with the mouse); otherwise, or when it cannot open
# there, a virtual Xvfb server. It is started before the private network namespace is
# entered (a display reached over TCP, as with ssh X forwarding, lies outside it) and
# stopped by its PID at the end.
#
# The plant runs inside a private network namespace whose only interface is the loopback,
# with the supervision server stand-in (platform/sftp-server, a real OpenSSH sshd) on its
# 127.0.0.1:22: the controller's uploads arrive in $ORV_ROOT/sftp-server/home/Voredane/ORV/
# and nothing leaves the machine. Where no namespace can be made, the plant runs with its
# Ethernet cable unplugged and no server.
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=${ORV_BUILD_DIR:-$here/build}
export ORV_ROOT=${ORV_ROOT:-$here/orv_sandbox}

if [ "${1:-}" != --in-namespace ]; then
  sh "$here/platform/install-deps.sh"
  sh "$here/platform/build.sh"
  mkdir -p "$ORV_ROOT"
  displayfile="$ORV_ROOT/xserver.display"
  rm -f "$displayfile"
  # start_server NAME ARGS...: the server writes its display number into $displayfile
  start_server() {
    name=$1
    shift
    "$@" -displayfd 3 3> "$displayfile" > "$ORV_ROOT/xserver.out" 2>&1 &
    ORV_RUN_XSERVER_PID=$!
    i=0
    while [ ! -s "$displayfile" ] && [ $i -lt 100 ] && kill -0 $ORV_RUN_XSERVER_PID 2>/dev/null; do
      i=$((i + 1))
      sleep 0.1
    done
    [ -s "$displayfile" ] && kill -0 $ORV_RUN_XSERVER_PID 2>/dev/null
  }
  if [ -n "${DISPLAY:-}" ] && start_server Xephyr Xephyr -screen 640x480 -nolisten tcp; then
    echo "[run.sh] display: a 640x480 Xephyr window on $DISPLAY"
  else
    if [ -n "${DISPLAY:-}" ]; then
      echo "[run.sh] cannot open a window on $DISPLAY ($(tail -1 "$ORV_ROOT/xserver.out")):"
      kill $ORV_RUN_XSERVER_PID 2>/dev/null || true
    fi
    start_server Xvfb Xvfb -screen 0 640x480x24 -nolisten tcp ||
      { echo "[run.sh] the virtual X server did not start:"; cat "$ORV_ROOT/xserver.out"; exit 1; }
    echo "[run.sh] display: a virtual X server (Xvfb 640x480), the screen seen through its screenshots"
  fi
  export ORV_RUN_XSERVER_PID
  export ORV_RUN_DISPLAY=":$(tr -cd 0-9 < "$displayfile")"
  if unshare --net true 2>/dev/null; then
    exec unshare --net sh -c 'ip link set lo up && exec sh "$0" --in-namespace' "$0"
  fi
  echo "[run.sh] no private network namespace here: no server, cable unplugged"
fi
seconds=${ORV_RUN_SECONDS:-60}
echo "[run.sh] sandbox: $ORV_ROOT"
stop_xserver() { kill "$ORV_RUN_XSERVER_PID" 2>/dev/null || true; }

mkdir -p "$ORV_ROOT/home/ORV" "$ORV_ROOT/ramdisk" "$ORV_ROOT/tmp" "$ORV_ROOT/etc/init.d" \
  "$ORV_ROOT/home/WIRELESS" "$ORV_ROOT/sys/class/net/eth0"
# The board's Ethernet MAC address, as its kernel shows it: a locally administered one.
[ -s "$ORV_ROOT/sys/class/net/eth0/address" ] ||
  echo 02:4f:52:56:00:12 > "$ORV_ROOT/sys/class/net/eth0/address"
server="$ORV_ROOT/sftp-server"
if [ "${1:-}" = --in-namespace ] && "$here/platform/sftp-server/sftp-server.sh" start "$server" 12 > /dev/null; then
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
# upload at once. The screens speak French, so no first-start language page waits.
if [ ! -f "$ORV_ROOT/home/ORV/config.conf" ]; then
  "$build/orvcore-cli" cfg set 0 "$(date +%s)" > /dev/null
  "$build/orvcore-cli" cfg set 31 12 > /dev/null
  "$build/orvcore-cli" cfg set 61 4 > /dev/null
fi
"$build/orvcore-cli" cfg set 28 fr > /dev/null
# A configuration written before the sandbox had its MAC address takes the board's.
[ -n "$("$build/orvcore-cli" cfg get 78 | sed -n 's/^string=//p')" ] ||
  "$build/orvcore-cli" cfg set 78 "$(cat "$ORV_ROOT/sys/class/net/eth0/address")" > /dev/null

# The plant's modules: the V2 measurement card with its column, sensor and probe readings,
# the HPF module and one ENERGIE module.
sim_log="$ORV_ROOT/orvbus-sim.out"
"$here/platform/orvbus-sim/orvbus-sim" \
  --module "1 mesv2 configured=1 weight=18500 hp=14.2 t_inlet=31.5 t_outlet=29.0 t_outside=18.0" \
  --module "5 hpf configured=1" --module "6 energie configured=1" > "$sim_log" 2>&1 &
sim=$!
app=""
stop_all() {
  [ -n "$app" ] && { kill $app 2>/dev/null; wait $app 2>/dev/null || true; }
  kill $sim 2>/dev/null
  wait $sim 2>/dev/null || true
  [ -n "$server" ] && "$here/platform/sftp-server/sftp-server.sh" stop "$server"
  stop_xserver
}
trap stop_all EXIT INT TERM
i=0
until grep -q "^orvbus-sim ready" "$sim_log"; do
  i=$((i + 1))
  if [ $i -gt 100 ] || ! kill -0 $sim 2>/dev/null; then
    echo "[run.sh] orvbus-sim did not start:"; cat "$sim_log"; exit 1
  fi
  sleep 0.1
done
echo "[run.sh] $(cat "$sim_log")"

shots="$ORV_ROOT/screenshots"
rm -rf "$shots"
echo "[run.sh] orvQT for $seconds s on $ORV_RUN_DISPLAY (console in $ORV_ROOT/orvqt.out)"
(cd "$build/gui" && exec env DISPLAY="$ORV_RUN_DISPLAY" QT_QPA_PLATFORM=xcb \
   ORV_SCREENSHOT_DIR="$shots" ./orvQT > "$ORV_ROOT/orvqt.out" 2>&1) &
app=$!
t=0
while [ $t -lt "$seconds" ] && kill -0 $app 2>/dev/null; do
  sleep 1
  t=$((t + 1))
done
if ! kill -0 $app 2>/dev/null; then
  wait $app 2>/dev/null && status=0 || status=$?
  app=""
  echo "[run.sh] orvQT ended early (status $status):"; tail -40 "$ORV_ROOT/orvqt.out"; exit 1
fi
n=$(($(ls "$shots" 2>/dev/null | wc -l) + 1))
DISPLAY="$ORV_RUN_DISPLAY" import -window root "$shots/$(printf %03d $n)-end.png" || true
kill $app 2>/dev/null
wait $app 2>/dev/null || true
app=""

echo "[run.sh] screenshots:"
ls "$shots"/*.png 2>/dev/null | sed 's/^/  /'
echo "[run.sh] start-up:"
grep -E '^\[[0-9/_:]+\]> \[ORV_core\]|^\[ORV_core\]|^  \+\+\+' "$ORV_ROOT/orvqt.out" |
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
