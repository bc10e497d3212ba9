#!/bin/bash
# The menu pages in the real orvQT on a real X server. A device without any configuration:
# the first-start language page, English chosen, and the program comes up in English with
# the choice stored. Then a commissioned plant with its V2 card: the menu button, the
# configuration menu behind the code, an intervention started, the reboot question answered
# "Non", back to the main screen, the consultation menu and the journal, whose last entry is
# the intervention. The same plant in German: the reboot question answered "Nein".
set -u
. "$ORV_SOURCE_DIR/tests/gui/support/xsession.sh"
xsession_script
SIM="$ORV_SOURCE_DIR/platform/orvbus-sim/orvbus-sim"

# sandbox VAR: a fresh device root, cable unplugged
sandbox() {
  local r
  r=$(mktemp -d /tmp/orv-xvfb-XXXXXX)
  roots+=("$r")
  mkdir -p "$r/home/ORV" "$r/ramdisk" "$r/sys/class/net/eth0" "$r/platform_stub" "$r/etc/init.d" "$r/tmp"
  printf '0\n' > "$r/sys/class/net/eth0/carrier"
  printf '00:1a:2b:3c:4d:5e\n' > "$r/sys/class/net/eth0/address"
  printf '1073741824 2147483648\n' > "$r/platform_stub/diskspace"
  printf -v "$1" '%s' "$r"
}
# window TITLE: the id of the visible top-level window named TITLE
window() {
  local id="" until
  until=$(deadline)
  while [ $SECONDS -le $until ]; do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
    [ -n "$id" ] && break
    sleep 0.1
  done
  echo "$id"
}
# tap_window ID: a tap in the middle of a window (the keyboard then goes to it)
tap_window() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  tap $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
}

# --- First start: no configuration. The language page is full screen; its buttons are
# 300 x 60 from (15, 127) in two columns 309 apart and rows 72 apart ("Anglais" is the
# second of the left column), "Valider" at (15, 415) 300 x 55.
sandbox A
root=$A
xsession_start "$A" TZ=UTC || fail "no X session"
[ -n "$(window Language)" ] || fail "no first-start language page"
shot "$SCREENS/menus-xvfb-first-start-language.png"
tap 165 229
tap 165 442
box=$(window "Language Change")
[ -n "$box" ] || fail "no confirmation box"
shot "$SCREENS/menus-xvfb-language-confirmation.png"
tap_window "$box"
xdotool key Return
expect_page msgBoxPage
wait_dump " ++ LANGUAGE [en] loaded OK" || fail "not in English: $(field textEdit_msg 8)"
grep -qx "CONFIG_LANGUE=en" "$A/home/ORV/config.conf" || fail "language not stored: $(grep LANGUE "$A/home/ORV/config.conf")"
xsession_stop

# --- A commissioned plant with its V2 card.
sandbox B
root=$B
printf '[General]\nCONFIG_LANGUE=fr\nFLAG_PREM_DEMARRAGE=1709283900\nINTERVENTION_TECH=0\n' \
  > "$B/home/ORV/config.conf"
printf 'module 1 mesv2 configured=1 version=2.1\nmodule 0 mesv1\nset 0 header 00 00\n' > "$B/scenario"
for a in 5 6 7 8; do
  printf 'module %s %s\nfault %s crc\n' $a $([ $a = 5 ] && echo hpf || echo energie) $a >> "$B/scenario"
done
"$SIM" --root "$B" --scenario "$B/scenario" > "$B/sim.out" 2>&1 &
sim=$!
for _ in $(seq 300); do grep -q "^orvbus-sim ready" "$B/sim.out" && break; sleep 0.1; done
grep -q "^orvbus-sim ready" "$B/sim.out" || fail "orvbus-sim: $(cat "$B/sim.out")"
xsession_start "$B" TZ=UTC || fail "no X session"
config_menu
tap_widget interventionButton || fail "no intervention button"
grep -q ";128;;;TECH;$" "$B/home/ORV/journal.log" || fail "no intervention in the journal"
grep -qx "INTERVENTION_TECH=1" "$B/home/ORV/config.conf" || fail "intervention not stored"
# reboot_question YES NO: the reboot question of the menu in the device's language, its
# buttons a finger can hit; NO keeps the device running
reboot_question() {
  tap_widget rebootButton || fail "no reboot button"
  wait_dump $'QMessageBox\t' || fail "no reboot question"
  local b
  for b in "$1" "$2"; do finger_button "$b" || fail "reboot question: $(dump | grep Button | cut -f 2-8)"; done
  shot "$SCREENS/menus-xvfb-reboot-question-$3.png"
  tap_text "$2" || fail "no $2"
  expect_page menuPage
  grep -qx reboot "$B/platform_calls.log" && fail "rebooted on $2"
}
reboot_question "&Oui" "&Non" fr
tap_widget Esc || fail "no Quitter"
expect_page mainScreen
tap 567 32
expect_page choixPage
tap_widget visualisationButton || fail "no consultation choice"
expect_page menuPage
tap_widget journalButton || fail "no journal button"
expect_page journalPage
wait_dump ": Event128 : 'TECH'" || fail "journal shows: $(field textEdit 8)"
last=$(field textEdit 8 | sed 's/.*\\n//')
case $last in *" : Event128 : 'TECH'") ;; *) fail "last journal entry: $last" ;; esac
shot "$SCREENS/menus-xvfb-journal.png"
[ "$(identify -format '%wx%h' "$SCREENS/menus-xvfb-journal.png")" = 640x480 ] || fail "screen shot size"
xsession_stop

# --- The same plant in German: Qt's own texts of the boxes follow the language.
sed -i 's/^CONFIG_LANGUE=.*/CONFIG_LANGUE=de/' "$B/home/ORV/config.conf"
xsession_start "$B" TZ=UTC || fail "no X session"
config_menu
reboot_question "&Ja" "&Nein" de
xsession_stop
echo "OK"
