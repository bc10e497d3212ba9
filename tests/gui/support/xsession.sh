#!/bin/bash
# Drives the real orvQT on a private X server, for the end-to-end screen tests. Source it,
# then:
#
#   xsession_start ROOT [VAR=VALUE ...]  Xvfb on a free display (640x480x24, no TCP), then
#                                        orvQT from build/gui with QT_QPA_PLATFORM=xcb,
#                                        ORV_ROOT=ROOT, both test hooks on and the extra
#                                        variables; its console in ROOT/orvqt.out
#   xsession_stop                        ends orvQT and the server (by their PIDs)
#   dump                                 asks for a fresh screen dump and prints it
#   tap X Y                              a tap at a pixel
#   tap_widget NAME                      a tap in the middle of a widget of the dump
#   type_text TEXT                       keys, to the widget under the pointer's window
#   deadline                             the $SECONDS at which a wait on the screen gives
#                                        up: XS_WAIT (120) seconds from now
#   wait_page NAME                       until the dump's current page is NAME and its
#                                        screenshot is taken
#   wait_dump TEXT                       until the dump holds TEXT (fixed string)
#   wait_focus TITLE                     until the window titled TITLE is shown and has the
#                                        keyboard: a dialog ready for type_text
#   field NAME COLUMN                    a column of a widget's dump line (8: its text)
#   shot FILE                            the whole screen as a picture
#   simulator_start ROOT SCENARIO        orvbus-sim on ROOT with the scenario file, its pid
#                                        in XS_SIM; fails when it does not get ready; its
#                                        console in ROOT/sim.out
#
#   sandbox VAR CARRIER CONFIG           a fresh device root (added to the caller's roots
#                                        array), eth0 carrier CARRIER, General lines CONFIG
#   sim_start ROOT                       orvbus-sim on ROOT/scenario (its pid in `sim`)
#   page_line, expect_page NAME, code TEXT, pictures ROOT (below); `fail` is the
#                                        caller's, or xsession_script's
#   config_menu                          from the main screen through the code 5086 to the
#                                        configuration menu
#   key_code TEXT                        TEXT tapped on the code page's own keyboard, then
#                                        Validation
#   new_plant_menu                       a plant never commissioned: its start-up report
#                                        closed, the menu code tapped, the menu shown
#   tap_text TEXT                        a tap on the visible button that reads TEXT
#   finger_button TEXT                   the visible button that reads TEXT is at least
#                                        120x48 (a finger's target)
#   tap_box NAME                         a tap on the round or square box of a radio button,
#                                        check box or checkable group box of the dump
#   wizard_next [COUNT]                  "SUIVANT" COUNT times (1), each once it is enabled
#                                        (a page may hold it until its card exchange ends)
#   server_start ID                      the test SFTP server for device ID (folder in
#                                        `srv`, empty where no server can run here);
#                                        server_stop ends it
#   plant_scenario ROOT [KEY=VALUE ...]  ROOT/scenario: the V2 card alone on the bus
#   xsession_cleanup                     the script's end (trap xsession_cleanup EXIT): the
#                                        session, `sim`, the server, the `roots`
#   xsession_script                      a script's start: `fail`, SCREENS (build/screens)
#                                        and xsession_cleanup at its end
#
# The screenshots of the page changes go to ROOT/screenshots, the dump to ROOT/ui.dump.
# With no window manager the keyboard follows the pointer, so type_text goes where the
# last tap went.

XS_BUILD=${ORV_BUILD_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)/build}
XS_SERVER="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)/platform/sftp-server/sftp-server.sh"
XS_ROOT=""
XS_XVFB=""
# Every wait on the screen gives up after this long. It only says that the program never
# got there: a busy machine running the sanitizer build takes many times the usual seconds.
XS_WAIT=120
XS_APP=""
export DISPLAY=""

xsession_start() {
  XS_ROOT=$1
  shift
  rm -f "$XS_ROOT/ui.dump" "$XS_ROOT/ui.dump.ready"
  local fdfile="$XS_ROOT/xvfb.display"
  rm -f "$fdfile"
  Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3> "$fdfile" > "$XS_ROOT/xvfb.out" 2>&1 &
  XS_XVFB=$!
  local i
  for i in $(seq 100); do [ -s "$fdfile" ] && break; sleep 0.1; done
  [ -s "$fdfile" ] || { echo "xsession: Xvfb did not start: $(cat "$XS_ROOT/xvfb.out")"; return 1; }
  DISPLAY=:$(tr -cd 0-9 < "$fdfile")
  export DISPLAY
  (cd "$XS_BUILD/gui" && exec env ORV_ROOT="$XS_ROOT" QT_QPA_PLATFORM=xcb \
     ORV_SCREENSHOT_DIR="$XS_ROOT/screenshots" ORV_UI_DUMP="$XS_ROOT/ui.dump" "$@" \
     ./orvQT > "$XS_ROOT/orvqt.out" 2>&1) &
  XS_APP=$!
}

xsession_stop() {
  if [ -n "$XS_APP" ]; then kill "$XS_APP" 2>/dev/null; wait "$XS_APP" 2>/dev/null; fi
  if [ -n "$XS_XVFB" ]; then kill "$XS_XVFB" 2>/dev/null; wait "$XS_XVFB" 2>/dev/null; fi
  XS_APP=""
  XS_XVFB=""
}

# The pid of orvQT itself (the subshell above execs it).
xs_app_running() { [ -n "$XS_APP" ] && kill -0 "$XS_APP" 2>/dev/null; }

dump() {
  local file="$XS_ROOT/ui.dump" ready="$XS_ROOT/ui.dump.ready" i
  # Until the window has written its first dump its signal handlers may not be in place.
  # (A file marks it: dump often runs in a pipeline's subshell.)
  if [ ! -f "$ready" ]; then
    for i in $(seq 100); do [ -f "$file" ] && break; sleep 0.1; done
    [ -f "$file" ] && : > "$ready"
  elif xs_app_running; then
    rm -f "$file"
    kill -USR2 "$XS_APP"
    # a loaded machine can keep the window busy for seconds before it answers
    for i in $(seq 150); do [ -f "$file" ] && break; sleep 0.1; done
  fi
  cat "$file" 2>/dev/null
}

tap() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; }

field() {
  dump | awk -F'\t' -v n="$1" -v c="$2" '$1 == n { print $c; exit }'
}

tap_widget() {
  local line
  line=$(dump | awk -F'\t' -v n="$1" '$1 == n { print $3, $4, $5, $6; exit }')
  [ -n "$line" ] || { echo "xsession: no widget $1 on the screen"; return 1; }
  set -- $line
  tap $(($1 + $3 / 2)) $(($2 + $4 / 2))
}

type_text() { xdotool type --delay 50 "$1"; sleep 0.2; }

deadline() { echo $((SECONDS + XS_WAIT)); }

wait_page() {
  local name=$1 until
  until=$(deadline)
  while [ $SECONDS -le $until ]; do
    if dump | head -1 | grep -q "^page=$name "; then
      # and its picture taken, before anything moves on
      until=$((SECONDS + 10))
      while [ $SECONDS -le $until ]; do
        ls "$XS_ROOT/screenshots" 2>/dev/null | tail -1 | grep -q -- "-$name.png$" && return 0
        sleep 0.1
      done
      return 0
    fi
    xs_app_running || break
    sleep 0.25
  done
  echo "xsession: page $name not reached; the screen shows: $(dump | head -1)"
  return 1
}

wait_dump() {
  local until
  until=$(deadline)
  while [ $SECONDS -le $until ]; do
    dump | grep -qF -- "$1" && return 0
    sleep 0.25
  done
  return 1
}

# The X server's focus window is the dialog's own once it is mapped and the program has
# given it the keyboard; keys typed before that would go elsewhere.
wait_focus() {
  local until id
  until=$(deadline)
  while [ $SECONDS -le $until ]; do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
    [ -n "$id" ] && [ "$(xdotool getwindowfocus 2>/dev/null)" = "$id" ] && return 0
    sleep 0.1
  done
  echo "xsession: no window \"$1\" with the keyboard; the screen shows: $(dump | head -1)"
  return 1
}

shot() { import -window root "$1"; }

simulator_start() {
  local program="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)/platform/orvbus-sim/orvbus-sim"
  "$program" --root "$1" --scenario "$2" > "$1/sim.out" 2>&1 &
  XS_SIM=$!
  for _ in $(seq 300); do grep -q "^orvbus-sim ready" "$1/sim.out" && return 0; sleep 0.1; done
  echo "orvbus-sim: $(cat "$1/sim.out")"
  return 1
}

# sandbox VAR CARRIER CONFIG: a fresh device root
sandbox() {
  local r
  r=$(mktemp -d /tmp/orv-xvfb-XXXXXX)
  roots+=("$r")
  mkdir -p "$r/home/ORV" "$r/sys/class/net/eth0" "$r/platform_stub" "$r/etc/init.d" "$r/tmp"
  printf '%s\n' "$2" > "$r/sys/class/net/eth0/carrier"
  printf '00:1a:2b:3c:4d:5e\n' > "$r/sys/class/net/eth0/address"
  printf '1073741824 2147483648\n' > "$r/platform_stub/diskspace"
  printf '[General]\nCONFIG_LANGUE=fr\n%s' "$3" > "$r/home/ORV/config.conf"
  printf -v "$1" '%s' "$r"
}
page_line() { dump | head -1; }
expect_page() { wait_page "$1" || fail "expected $1"; }
# code TEXT: typed into the code field, then Validation
code() {
  tap_widget linePassword || fail "no code field"
  type_text "$1"
  tap_widget pushButtonValidation || fail "no Validation"
}
# config_menu: from the main screen to the configuration menu behind its code
config_menu() {
  expect_page mainScreen
  tap 567 32
  expect_page choixPage
  tap_widget paramButton || fail "no configuration choice"
  expect_page menuCodePage
  code 5086
  expect_page menuPage
}
# pictures ROOT: every screenshot is 640x480; prints how many
pictures() {
  local n=0 f
  for f in "$1"/screenshots/*.png; do
    [ "$(identify -format '%wx%h' "$f")" = 640x480 ] || fail "$f is $(identify -format '%wx%h' "$f")"
    n=$((n + 1))
  done
  echo $n
}
# sim_start ROOT: the simulated bus of the device, its scenario in ROOT/scenario
sim_start() {
  simulator_start "$1" "$1/scenario" || fail "no bus simulator"
  sim=$XS_SIM
}
# key_code TEXT: each character tapped on the page's keyboard, then Validation
key_code() {
  local i
  for ((i = 0; i < ${#1}; i++)); do tap_text "${1:i:1}" || fail "no key ${1:i:1}"; done
  tap_widget pushButtonValidation || fail "no Validation"
}
# new_plant_code_page: past the start-up report of a plant never commissioned (closed by its
# button when it shows one) to the code page
new_plant_code_page() {
  local until
  until=$(deadline)
  until page_line | grep -q "^page=menuCodePage "; do
    page_line | grep -q "^page=msgBoxPage " && tap_widget pB_Exit > /dev/null
    [ $SECONDS -le $until ] || fail "no code page: $(page_line)"
    sleep 0.5
  done
  expect_page menuCodePage
}
# new_plant_menu: from the start-up of a plant never commissioned to the configuration menu
new_plant_menu() {
  new_plant_code_page
  key_code 5086
  expect_page menuPage
}
# low_keys: the keys of the on-screen keyboard shown that are lower than a finger (40 px),
# name and size, one a line; nothing when every key is at least 40 high
low_keys() {
  dump | awk -F'\t' '$1 ~ /^key(C?[0-9]+)$/ && $6 < 40 { print $1, $5 "x" $6 }'
}
# small_texts: the texts of the dump drawn under 14 px (the widget's font, the tenth column),
# name, class and size, one a line; nothing when every text is at least 14 px
small_texts() {
  dump | awk -F'\t' 'NR > 1 && $8 != "" && $2 != "QStackedWidget" && $2 != "QProgressBar" &&
                     $10 < 14 { print $1, $2, $10 "px" }'
}
# cut_texts: the labels and lists of the screen whose text is not shown whole (the dump's
# ninth column), name and text, one a line; nothing when every text is whole
cut_texts() { dump | awk -F'\t' '$9 == "0" { print $1 ": " $8 }'; }
# tap_text TEXT: a tap in the middle of the visible button of the dump that reads TEXT
tap_text() {
  local line
  line=$(dump | awk -F'\t' -v t="$1" '$2 ~ /Button$/ && $8 == t { print $3, $4, $5, $6; exit }')
  [ -n "$line" ] || { echo "xsession: no button $1 on the screen"; return 1; }
  set -- $line
  tap $(($1 + $3 / 2)) $(($2 + $4 / 2))
}
# finger_button TEXT: the visible button that reads TEXT is there, at least 120x48
finger_button() {
  local size
  size=$(dump | awk -F'\t' -v t="$1" '$2 ~ /Button$/ && $8 == t { print $5, $6; exit }')
  [ -n "$size" ] || { echo "xsession: no button $1 on the screen"; return 1; }
  set -- "$1" $size
  [ "$2" -ge 120 ] && [ "$3" -ge 48 ] || { echo "xsession: button $1 is $2x$3"; return 1; }
}
# tap_box NAME: a tap on the box at the left of a radio button or check box (the middle of
# a wide one is no part of it), or on the title of a checkable group box
tap_box() {
  local line
  line=$(dump | awk -F'\t' -v n="$1" '$1 == n { print $2, $3, $4, $6; exit }')
  [ -n "$line" ] || { echo "xsession: no widget $1 on the screen"; return 1; }
  set -- $line
  # (the group box's title row, box and text, straddles its frame's top line)
  if [ "$1" = QGroupBox ]; then tap $(($2 + 30)) $(($3 + 5)); else tap $(($2 + 12)) $(($3 + $4 / 2)); fi
}
# wizard_next [COUNT]: "SUIVANT", each time once it is shown and enabled, and until the
# wizard's page stack has moved on
wizard_next() {
  local n=${1:-1} from until
  while [ "$n" -gt 0 ]; do
    until=$(deadline)
    until dump | awk -F'\t' '$1 == "nextButton" && $7 == 1 { ok = 1 } END { exit !ok }'; do
      [ $SECONDS -le $until ] || fail "SUIVANT not enabled on wizard page $(field pageStack 8)"
      sleep 0.25
    done
    from=$(field pageStack 8)
    tap_widget nextButton || fail "no SUIVANT"
    until=$(deadline)
    while [ "$(field pageStack 8)" = "$from" ]; do
      [ $SECONDS -le $until ] || fail "the wizard stays on page $from"
      sleep 0.1
    done
    n=$((n - 1))
  done
}
# server_start ID: the test SFTP server on 127.0.0.1:22, one test at a time in this network
# namespace (the lock is held until the script ends)
srv=""
server_start() {
  exec 9>"/tmp/orv-sftp-port22-net$(readlink /proc/self/ns/net | tr -cd 0-9).lock"
  flock 9
  if "$XS_SERVER" check > /dev/null 2>&1; then
    srv=$(mktemp -d /tmp/orv-sftp-server-XXXXXX)
    "$XS_SERVER" start "$srv" "$1" > /dev/null || fail "server did not start"
  else
    echo "no test SFTP server here: the plant runs without it"
  fi
}
server_stop() {
  [ -n "$srv" ] || return 0
  "$XS_SERVER" stop "$srv" 2>/dev/null
  [ -n "${ORV_KEEP_SANDBOX:-}" ] || rm -rf "$srv"
  srv=""
}
# plant_scenario ROOT [KEY=VALUE ...]: ROOT/scenario of a plant whose bus has its V2 card
# (18500 g, 14.2 bar, then the settings given) and nothing else: the V1 card's address
# answers no card, the HPF and ENERGIE addresses answer garbled, so detection is quick
plant_scenario() {
  local r=$1 a
  shift
  {
    echo "module 1 mesv2 configured=1 weight=18500 hp=14.2${*:+ $*}"
    printf 'module 0 mesv1\nset 0 header 00 00\n'
    for a in 5 6 7 8; do
      printf 'module %s %s\nfault %s crc\n' $a $([ $a = 5 ] && echo hpf || echo energie) $a
    done
  } > "$r/scenario"
}
# conf_key NAME: the value of NAME in the device's config.conf
conf_key() { sed -n "s/^$1=//p" "$XS_ROOT/home/ORV/config.conf"; }
# xsession_cleanup: what a script started, ended; its sandboxes removed unless
# ORV_KEEP_SANDBOX is set
roots=()
sim=""
# xsession_script: the start of an end-to-end script: `fail MESSAGE` prints the message
# and the last 30 lines of orvQT's console and ends the script; SCREENS is build/screens,
# where the pictures worth keeping go; the session is cleaned up when the script ends
xsession_script() {
  fail() { echo "FAIL: $*"; [ -n "${root:-}" ] && tail -30 "$root/orvqt.out"; exit 1; }
  SCREENS="$ORV_BUILD_DIR/screens"
  mkdir -p "$SCREENS"
  trap xsession_cleanup EXIT
}
xsession_cleanup() {
  xsession_stop
  [ -n "$sim" ] && { kill "$sim" 2>/dev/null; wait "$sim" 2>/dev/null; }
  server_stop
  [ -n "${ORV_KEEP_SANDBOX:-}" ] || rm -rf "${roots[@]}"
}
