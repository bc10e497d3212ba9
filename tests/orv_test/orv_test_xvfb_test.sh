#!/bin/bash
# orv_test end to end on a real X server: the network page at a fresh start, a tap on its
# Apply button, then the three bench runs with the program ended and started again after
# each recorded reboot, and the board handed over to orvQT. About three minutes.
set -u
# A failure keeps the screen as it was (the bench's result list) in build/screens.
fail() {
  echo "FAIL: $*"
  if [ -n "${DISPLAY:-}" ] && mkdir -p "$ORV_BUILD_DIR/screens" &&
    import -window root "$ORV_BUILD_DIR/screens/orv_test-xvfb-failed.png" 2>/dev/null; then
    echo "screen at the failure: $ORV_BUILD_DIR/screens/orv_test-xvfb-failed.png"
  fi
  [ -n "${root:-}" ] && tail -40 "$root/orv_test.out"
  exit 1
}
SERVER="$ORV_SOURCE_DIR/platform/sftp-server/sftp-server.sh"
SIM="$ORV_SOURCE_DIR/platform/orvbus-sim/orvbus-sim"
PROGRAM="$ORV_BUILD_DIR/orv_test/orv_test"
# Centre of pB_ApllyNetworkConf in the 640x480 window (the in-process layout check holds
# the page to this place).
APPLY_X=319
APPLY_Y=308
root=""
xvfb=""
app=""
sim=""
srv=""
cleanup() {
  [ -n "$app" ] && { kill "$app" 2>/dev/null; wait "$app" 2>/dev/null; }
  [ -n "$xvfb" ] && { kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; }
  [ -n "$sim" ] && { kill "$sim" 2>/dev/null; wait "$sim" 2>/dev/null; }
  [ -n "$srv" ] && "$SERVER" stop "$srv" 2>/dev/null
  [ -n "${ORV_KEEP_SANDBOX:-}" ] || rm -rf ${root:+"$root"} ${srv:+"$srv"}
}
trap cleanup EXIT

# The board of the bench checks.
root=$(mktemp -d /tmp/orv-bench-xvfb-XXXXXX)
mkdir -p "$root/home/ORV" "$root/sys/class/net/eth0" "$root/sys/class/net/wlan0" \
  "$root/proc/net" "$root/etc/network" "$root/usr/lib" "$root/platform_stub" "$root/dev" \
  "$root/sys/class/gpio" "$root/screens"
printf '#!/bin/sh\nORV_BIN_NAME=orv_test\n' > "$root/home/ORV/orv_starter"
printf '02:00:00:00:00:42\n' > "$root/sys/class/net/eth0/address"
printf '0x1003\n' > "$root/sys/class/net/eth0/flags"
printf '192.0.2.10 255.255.255.0\n' > "$root/sys/class/net/eth0/ipv4"
printf '1\n' > "$root/sys/class/net/eth0/carrier"
printf '1\n' > "$root/sys/class/net/wlan0/carrier"
printf 'Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\neth0\t00000000\t010200C0\t0003\t0\t0\t0\t00000000\t0\t0\t0\n' \
  > "$root/proc/net/route"
: > "$root/sys/class/gpio/export"
: > "$root/sys/class/gpio/unexport"
for pin in 138 135 136 230 232 200 201 202 41 42; do
  mkdir -p "$root/sys/class/gpio/gpio$pin"
  printf 'in' > "$root/sys/class/gpio/gpio$pin/direction"
  printf '1' > "$root/sys/class/gpio/gpio$pin/value"
done
: > "$root/usr/lib/librefprop.so.9.12"
: > "$root/dev/rs485_Ctrl"
printf '57671680 104857600\n' > "$root/platform_stub/diskspace"

# The server, on port 22 of this namespace, one test at a time.
exec 9>"/tmp/orv-sftp-port22-net$(readlink /proc/self/ns/net | tr -cd 0-9).lock"
flock 9
if ! "$SERVER" check > /dev/null 2>&1; then
  echo "no test SFTP server here (a private network namespace is needed): skipped"
  exit 0
fi
srv=$(mktemp -d /tmp/orv-sftp-server-XXXXXX)
"$SERVER" start "$srv" 12 > /dev/null || fail "server did not start"
home="$srv/home/Voredane"

python3 "$SIM" --root "$root" --device /dev/ttySAC1 \
  --module "1 mesv2 configured=1 version=10.2" > "$root/sim.out" 2>&1 &
sim=$!
for _ in $(seq 300); do grep -q "^orvbus-sim ready" "$root/sim.out" && break; sleep 0.1; done
grep -q "^orvbus-sim ready" "$root/sim.out" || fail "no bus simulator: $(cat "$root/sim.out")"

fdfile="$root/xvfb.display"
# -noreset: the program is ended and started again on this server. Without it the server
# resets when its last client leaves, and a client that connects during that reset (on a
# loaded machine it lasts long enough) is accepted but never served: orv_test hangs in its
# connection to the display.
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp -noreset 3> "$fdfile" > "$root/xvfb.out" 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$fdfile" ] && break; sleep 0.1; done
[ -s "$fdfile" ] || fail "Xvfb did not start: $(cat "$root/xvfb.out")"
export DISPLAY=:$(tr -cd 0-9 < "$fdfile")

start_bench() {
  env ORV_ROOT="$root" QT_QPA_PLATFORM=xcb TZ=UTC ORV_CLOCK_START="2025-03-14 09:30:00" \
    "$PROGRAM" >> "$root/orv_test.out" 2>&1 &
  app=$!
}
stop_bench() { kill "$app"; wait "$app" 2>/dev/null; app=""; }
reboots() {
  local n
  n=$(grep -c '^reboot$' "$root/platform_calls.log" 2>/dev/null)
  echo "${n:-0}"
}
shot() { import -window root "$root/screens/$1.png" || fail "no screenshot $1"; }
# The colour of one pixel of the screen, as ImageMagick writes it (srgb(...) or a name).
pixel() { import -window root -crop "1x1+$1+$2" txt:- 2>/dev/null | awk 'NR == 2 { print $NF }'; }
# The time of the last change of a file, in milliseconds.
mtime_ms() { stat -c '%.3Y' "$1" | tr -d .; }
# wait_reboots N SECONDS: until the call log holds N reboots
wait_reboots() {
  local until=$((SECONDS + $2))
  while [ $SECONDS -le $until ]; do
    [ "$(reboots)" -ge "$1" ] && return 0
    kill -0 "$app" 2>/dev/null || fail "orv_test ended"
    sleep 0.2
  done
  fail "no reboot $1 after $2 s"
}

# Stage 0: the network page; Apply with the page as it is starts run 1.
start_bench
# Xvfb's empty screen is black: the page is drawn once its Apply button is not.
for _ in $(seq 300); do
  case "$(pixel "$APPLY_X" "$APPLY_Y")" in "" | black | "srgb(0,0,0)") ;; *) break ;; esac
  kill -0 "$app" 2>/dev/null || fail "orv_test ended"
  sleep 0.2
done
case "$(pixel "$APPLY_X" "$APPLY_Y")" in "" | black | "srgb(0,0,0)") fail "no network page" ;; esac
shot 01-network-page
[ "$(reboots)" = 0 ] || fail "rebooted before the run"
xdotool mousemove "$APPLY_X" "$APPLY_Y" click 1
for _ in $(seq 1200); do [ -f "$root/home/ORV/orv_test.cfg" ] && break; sleep 0.1
  kill -0 "$app" 2>/dev/null || fail "orv_test ended"; done
[ -f "$root/home/ORV/orv_test.cfg" ] || fail "run 1 did not pass"
wait_reboots 1 60
# The reboot comes after its 5-s delay: from the state file's write to the call log's
# reboot line, both stamped by the program (a slow poll here does not count).
delay=$(($(mtime_ms "$root/platform_calls.log") - $(mtime_ms "$root/home/ORV/orv_test.cfg")))
[ $delay -ge 4500 ] || fail "reboot $delay ms after the passed run"
[ "$(cat "$root/home/ORV/orv_test.cfg")" = "$(printf '1\n0\n127.0.0.1')" ] || fail "state after run 1"
shot 02-run1-passed
stop_bench

# Stages 1 and 2 start their run at once.
start_bench
wait_reboots 2 240
[ "$(cat "$root/home/ORV/orv_test.cfg")" = "$(printf '2\n0\n127.0.0.1')" ] || fail "state after run 2"
stop_bench
start_bench
wait_reboots 3 240
shot 03-end-of-bench
stop_bench

[ "$(cat "$root/home/ORV/orv_starter")" = "$(printf '#!/bin/sh\nORV_BIN_NAME=orvQT')" ] ||
  fail "start-up file: $(cat "$root/home/ORV/orv_starter")"
[ ! -e "$root/home/ORV/orv_test.cfg" ] || fail "state file left"
grep -q '^iface eth0 inet static$' "$root/etc/network/interfaces" &&
  grep -q '^ address 192.168.1.48$' "$root/etc/network/interfaces" || fail "interfaces: $(cat "$root/etc/network/interfaces")"
[ -f "$home/ORV/tests_orv/orv_test.msr" ] || fail "nothing on the server"
for f in "$root"/screens/*.png; do
  [ "$(identify -format '%wx%h' "$f")" = 640x480 ] || fail "$f is not 640x480"
done
mkdir -p "$ORV_BUILD_DIR/screens"
cp "$root/screens/01-network-page.png" "$ORV_BUILD_DIR/screens/orv_test-xvfb-network-page.png"
cp "$root/screens/03-end-of-bench.png" "$ORV_BUILD_DIR/screens/orv_test-xvfb-end-of-bench.png"
echo "OK"
