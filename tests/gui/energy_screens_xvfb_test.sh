#!/bin/bash
# The energy and COP screens end to end: the real orvQT on Xvfb over a plant of
# orvbus-sim (V2 card, ENERGIE modules 1 and 2, module 3 absent), tapped with xdotool.
# The COP view and the live energy view from the main screen with the simulator's values,
# then the ENERGIE page from the configuration menu: a save the module leaves unanswered,
# a save it acknowledges, a pressure calibration, and no other measurement request to the
# module while the page keeps the processing paused.
set -u
. "$ORV_SOURCE_DIR/tests/gui/support/xsession.sh"
xsession_script

# until_field NAME TEXT: until the widget NAME shows TEXT
until_field() {
  local until
  until=$(deadline)
  while [ $SECONDS -le $until ]; do
    [ "$(field "$1" 8)" = "$2" ] && return 0
    sleep 0.25
  done
  fail "$1 shows '$(field "$1" 8)', not '$2'"
}
# tap_box_button TEXT: a tap on the button TEXT of the message box on the screen
tap_box_button() {
  local line
  line=$(dump | awk -F'\t' -v t="$1" '$2 == "QPushButton" && $8 == t { print $3, $4, $5, $6; exit }')
  [ -n "$line" ] || fail "no box button $1: $(dump | grep -v '^page=')"
  set -- $line
  tap $(($1 + $3 / 2)) $(($2 + $4 / 2))
}
# measurement_requests: the '6' requests to ENERGIE module 1 in the frame log so far
measurement_requests() { grep -c "RX 06 01 00 36 " "$root/orvbus-sim.log"; }

sandbox root 0 "FLAG_PREM_DEMARRAGE=1709283900
CONFIG_SRV_ID=12
CONFIG_FLUID=R404A
[Module_Energie_0]
z6_ENER_puissance_puissanceTI_BP0=75
"
cat > "$root/scenario" <<'SCENARIO'
module 1 mesv2 configured=1 weight=18500 hp=14.2
module 0 mesv1
set 0 header 00 00
module 5 hpf
fault 5 crc
module 6 energie version=3.0
set 6 b0_P 10.0
set 6 b1_P 2.5
set 6 b2_P 3.5
module 7 energie
module 8 energie
fault 8 crc
SCENARIO
sim_start "$root"
xsession_start "$root" TZ=UTC || fail "no X session"
expect_page mainScreen

# The COP view, from its button on the main screen, after the next processing pass.
tap 120 435
expect_page cpInfoPage
[ "$(field label_fluide_name 8)" = 'R404A\n ' ] || fail "refrigerant: $(field label_fluide_name 8)"
until=$(deadline)
while [ "$(field label_pressionBPG 8)" = 0 ] && [ $SECONDS -le $until ]; do sleep 0.5; done
field label_pressionBPG 8 | grep -Eq '^-?[0-9]+\.[0-9]$' ||
  fail "BP pressure: $(field label_pressionBPG 8)"
shot "$root/cop-view.png"
[ "$(identify -format '%wx%h' "$root/cop-view.png")" = 640x480 ] || fail "screen shot size"
tap 320 240
expect_page mainScreen

# The live energy view with the simulator's powers: input 0 of module 1 is compressor 1.
tap 35 260
expect_page enerInfoPage
until_field label_ACT_comp1 10.0
until_field label_ACT_comp2 2.5
shot "$root/energy-view.png"
tap 320 300
expect_page mainScreen

# The ENERGIE page from the configuration menu.
tap 567 32
expect_page choixPage
tap_widget paramButton || fail "no configuration button"
expect_page menuCodePage
code 5086
expect_page menuPage
tap_widget configButtonENERGIE || fail "no ENERGIE configuration button"
expect_page confEnergiePage
page_line | grep -q "proc_paused=1" || fail "processing not paused: $(page_line)"
sleep 2  # a pass under way when the page opened has ended by now
before=$(measurement_requests)
[ "$(field label_Message 8)" = "OK Connecte" ] || fail "module 1: $(field label_Message 8)"

# The configuration write goes unanswered three times while readings are still answered.
ORV_ROOT="$root" "$ORV_SOURCE_DIR/platform/orvbus-sim/orvbus-sim" ctl fault 6 silent 3 "'8'" \
  > /dev/null || fail "fault not set"
tap_widget pB_SaveENER || fail "no save button"
until_field label_SendConfigMessage '!! ECHEC !! Configuation module ENERGIE 1'
# A stored rating of 75 A shows "50A", and only an acknowledged save stores 50.
rating() { grep "^z6_ENER_puissance_puissanceTI_BP0=" "$root/home/ORV/config.conf"; }
[ "$(rating)" = "z6_ENER_puissance_puissanceTI_BP0=75" ] || fail "after a failed send: $(rating)"
shot "$root/energie-save-failed.png"
tap_widget pB_SaveENER || fail "no save button"
until_field label_SendConfigMessage 'Envoi Configuation module ENERGIE 1 OK'
[ "$(rating)" = "z6_ENER_puissance_puissanceTI_BP0=50" ] || fail "after the save: $(rating)"
grep -q "addr=6 received configuration: addr=6 configured=1 .*ti_rating=50,50,50" \
  "$root/orvbus-sim.log" || fail "the module did not receive the configuration"

# A pressure calibration: the one measurement request of the visit.
dump | awk -F'\t' '$1 == "gB_CapteurPression" { print $3 + 12, $4 + 10 }' | {
  read -r x y && tap "$x" "$y"
}
tap_widget pB_PressCalib || fail "no calibration button"
sleep 0.5
tap_box_button "&Oui"
until_field label_PressureOffset 3.5
[ $(($(measurement_requests) - before)) = 1 ] ||
  fail "$(($(measurement_requests) - before)) measurement requests while the page was open"
shot "$root/energie-calibrated.png"
tap_widget exitButton || fail "no exit button"
expect_page menuPage
page_line | grep -q "proc_paused=0" || fail "processing not resumed: $(page_line)"
xsession_stop
[ "$(pictures "$root")" -ge 5 ] || fail "too few pictures: $(ls "$root/screenshots")"
echo "OK"
