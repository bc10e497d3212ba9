#!/bin/bash
# orvQT end to end on a real X server: the start-up report of a device without a card, the
# access codes and the time challenge tapped and typed as a technician does, then a
# commissioned plant with its card and server reaching the main screen. Every page change
# leaves a 640x480 picture.
set -u
. "$ORV_SOURCE_DIR/tests/gui/support/xsession.sh"
xsession_script

# --- A device never commissioned, no card, cable unplugged, at 09:05.
sandbox A 0 ""
root=$A
xsession_start "$A" TZ=UTC ORV_CLOCK_START="2024-03-01 09:05:00" || fail "no X session"
expect_page msgBoxPage
[ "$(field textEdit_msg 8 | sed 's/.*\\n//')" = "ERREUR detecter, veuillez verifier." ] ||
  fail "report ends with: $(field textEdit_msg 8)"
tap_widget pB_Exit || fail "no Quitter"
expect_page menuCodePage

code 1234
wait_dump 'Erreur\nMot de passe incorrect' || fail "no error box: $(dump)"
sleep 6
dump | grep -q "Mot de passe incorrect" && fail "the error box stayed"
page_line | grep -q "^page=menuCodePage " || fail "page changed: $(page_line)"

code 5086
expect_page menuPage
tap_widget networkButton || fail "no network button"
expect_page menuCodePage
code 8351
expect_page networkPage
page_line | grep -q "upd_paused=1" || fail "exchange not paused: $(page_line)"
tap_widget btnID || fail "no server ID button"
expect_page timeCodePage
number=$(field TxtLabel 8 | sed -n 's/.*numero :\([0-9]*\).*/\1/p')
[ "$number" = 905 ] || fail "challenge number $number"
code $(( (number / 100 + 3) * (number % 100 + 7) ))
expect_page networkPage
[ "$(field lineEditID 7)" = 1 ] || fail "server ID field still locked: $(dump)"
tap_widget escButton || fail "no escape"
expect_page menuCodePage
page_line | grep -q "upd_paused=1" || fail "exchange resumed on an uncommissioned device"
xsession_stop
first=$(ls "$A/screenshots" | head -1)
case $first in *-msgBoxPage.png) ;; *) fail "first picture $first" ;; esac
[ "$(pictures "$A")" -ge 8 ] || fail "too few pictures: $(ls "$A/screenshots")"

# --- A commissioned plant with its V2 card, the cable plugged and the server up.
sandbox B 1 "FLAG_PREM_DEMARRAGE=1709283900
CONFIG_SRV_ID=12
"
root=$B
server_start 12
plant_scenario "$B"
sim_start "$B"
xsession_start "$B" TZ=UTC || fail "no X session"
expect_page mainScreen
page_line | grep -q "proc_paused=0 upd_paused=0" || fail "workers: $(page_line)"
page_line | grep -q "inactivity_ms=600000" || fail "inactivity: $(page_line)"
tap 567 32
expect_page choixPage
tap_widget escButton || fail "no escape"
expect_page mainScreen
shot "$B/end.png"
[ "$(identify -format '%wx%h' "$B/end.png")" = 640x480 ] || fail "screen shot size"
xsession_stop
[ "$(pictures "$B")" -ge 3 ] || fail "too few pictures: $(ls "$B/screenshots")"
echo "OK"
