#!/bin/bash
# The main measurement screen end to end: the real orvQT with its processing thread on a
# commissioned plant of orvbus-sim (V2 card, vertical receiver, R404A, air condenser, no
# ENERGIE module), the cable plugged and the test SFTP server up, under Xvfb. The live
# values, the plant picture and the link icons on the screen; an outside probe that stops
# reading; the hidden tap sequences and the menu reached with the code tapped on the
# on-screen keyboard.
set -u
. "$ORV_SOURCE_DIR/tests/gui/support/xsession.sh"
xsession_script
PICTURES="$ORV_BUILD_DIR/gui/gui_images"

# area_differs SHOT PICTURE X Y W H: how many pixels of the screenshot's rectangle differ
# from the picture's own (a 32 x 32 icon is laid over the background picture first, as the
# screen draws it)
area_differs() {
  local area="$root/area-${2##*/}"
  if [ "$(identify -format '%w' "$2")" = 32 ]; then
    convert "$PICTURES/ecran5P-1.png" -crop "$5x$6+$3+$4" +repage "$2" -composite "$area"
  else
    convert "$2" -crop "$5x$6+$3+$4" +repage "$area"
  fi
  convert "$1" -crop "$5x$6+$3+$4" +repage "$root/area-shot.png"
  compare -metric AE -fuzz 2% "$root/area-shot.png" "$area" null: 2>&1
}
same_area() {
  local differ
  differ=$(area_differs "$@")
  [ "$differ" = 0 ] || fail "${2##*/}: $differ pixels differ at $3, $4"
}
# until_field NAME PATTERN: until the widget NAME's text matches PATTERN (ERE)
until_field() {
  local until
  until=$(deadline)
  until field "$1" 8 | grep -Eqx -- "$2"; do
    [ $SECONDS -le $until ] || fail "$1 shows '$(field "$1" 8)'"
    sleep 0.5
  done
}

sandbox root 1 "FLAG_PREM_DEMARRAGE=1709283900
CONFIG_SRV_ID=12
CONFIG_TANK_TYPE=V
CONFIG_FLUID=R404A
CONFIG_CONDENSEUR_TYPE=1
"
server_start 12
plant_scenario "$root" t_inlet=31.5 t_outlet=29.0 t_outside=18.0
sim_start "$root"
xsession_start "$root" TZ=UTC || fail "no X session"

# --- The live values within 20 s.
expect_page mainScreen
until_field hpPressureLabel '[0-9]+\.[0-9]'
until_field outsideTempLabel '-?[0-9]+\.[0-9]°C'
until_field tempEnt '-?[0-9]+\.[0-9]°C'
[ "$(field lab_orvID 8)" = 12 ] || fail "device ID: $(field lab_orvID 8)"
[ "$(field date 8)" = "Charge Fluide : 0 Kg   Fluide : R404A " ] || fail "title: $(field date 8)"
# The network icon turns on once the exchange thread has reached the server.
until=$(deadline)
while [ -n "$srv" ] && [ $SECONDS -le $until ]; do
  shot "$root/live.png"
  [ "$(area_differs "$root/live.png" "$PICTURES/ethernet_on.png" 330 443 32 32)" = 0 ] && break
  sleep 1
done
shot "$root/live.png"
cp "$root/live.png" "$SCREENS/mainScreen-e2e-live.png"
[ "$(identify -format '%wx%h' "$root/live.png")" = 640x480 ] || fail "screen shot size"
same_area "$root/live.png" "$PICTURES/ecran5P-1.png" 120 240 130 90
same_area "$root/live.png" "$PICTURES/RS485_green_icon.png" 290 443 32 32
if [ -n "$srv" ]; then
  same_area "$root/live.png" "$PICTURES/ethernet_on.png" 330 443 32 32
fi

# --- The outside probe stops reading.
ORV_ROOT="$root" "$ORV_SOURCE_DIR/platform/orvbus-sim/orvbus-sim" ctl set 1 t_outside 999.0 \
  > /dev/null || fail "orvbus-sim ctl set"
until_field outsideTempLabel '\* \* \*'
shot "$SCREENS/mainScreen-e2e-outside-fault.png"

# --- The hidden tap sequences, the menu button and the code on the keyboard.
tap 585 455; tap 184 100; tap 184 100
expect_page menuNorPage
tap_widget Esc || fail "no escape on menuNorPage"
expect_page mainScreen
tap 585 455; tap 75 35; tap 75 35
expect_page calcMethodPage
tap_widget accueilButton || fail "no escape on calcMethodPage"
expect_page mainScreen
tap 567 32
expect_page choixPage
tap_widget paramButton || fail "no configuration button"
expect_page menuCodePage
key_code 5086
expect_page menuPage
sleep 1  # the last page's picture is written out before the program ends
xsession_stop
[ "$(pictures "$root")" -ge 7 ] || fail "too few pictures: $(ls "$root/screenshots")"
echo "OK"
