#!/bin/bash
# The installation wizard end to end: the real orvQT on a plant never commissioned (V2 card
# on orvbus-sim, cable plugged, test SFTP server up) under Xvfb. The code tapped on the
# keyboard (its keys at least a finger high there and on the names page, whose texts are at
# least 14 px), the wizard from the configuration menu, a horizontal receiver, a stainless
# column and a subcooler chosen on the way, the finish and its box; the plant is then
# commissioned, both workers run, and the file and its copy hold the choices.
set -u
. "$ORV_SOURCE_DIR/tests/gui/support/xsession.sh"
xsession_script

# The column was tared before (the tare page holds "SUIVANT" back on a column without one).
sandbox root 1 "CONFIG_SRV_ID=12
CONFIG_COLUMN_TARE=2350
"
mkdir -p "$root/usr/share"
server_start 12
plant_scenario "$root"
sim_start "$root"
xsession_start "$root" TZ=UTC || fail "no X session"

# --- The start-up report of a device never commissioned, then the code page.
new_plant_code_page
[ -z "$(low_keys)" ] || fail "keys lower than a finger on the code page: $(low_keys)"
key_code 5086
expect_page menuPage
tap_widget configButton || fail "no configuration button"
expect_page wizardPage
[ "$(field pageStack 8)" = 0 ] || fail "the wizard opens on page $(field pageStack 8)"
page_line | grep -q "proc_paused=1" || fail "processing not paused: $(page_line)"

# --- The walk: horizontal receiver, stainless column, a subcooler.
wizard_next 1
dump | grep -q "^key0	" || fail "no keyboard on the names page"
[ -z "$(low_keys)" ] || fail "keys lower than a finger on the names page: $(low_keys)"
[ -z "$(small_texts)" ] || fail "texts under 14 px on the names page: $(small_texts)"
shot "$SCREENS/wizard-e2e-names.png"
wizard_next 3
tap_box Horizontal || fail "no Horizontal on page $(field pageStack 8)"
wizard_next 3
tap_box inox || fail "no inox on page $(field pageStack 8)"
wizard_next 7
tap_box ouiButton || fail "no ouiButton on page $(field pageStack 8)"
wizard_next 2
[ "$(field pageStack 8)" = 16 ] || fail "not on the last page: $(field pageStack 8)"
[ "$(field finishButton 7)" = 1 ] || fail "no ENREGISTREMENT: $(dump | grep Button)"
dump | grep -q "^nextButton	" && fail "SUIVANT still shown on the last page"
shot "$SCREENS/wizard-e2e-page16.png"

# --- The finish and its box.
tap_widget finishButton
wait_dump $'QMessageBox\t' || fail "no box after the finish"
dump | grep QMessageBox | grep -q "Fin de configuration" || fail "box: $(dump | grep QMessageBox)"
# The box covers the panel, its OK button on the screen.
until=$(deadline)
until dump | awk -F'\t' '$2 == "QMessageBox" && $3 == 0 && $4 == 0 && $5 >= 640 && $6 >= 480 { ok = 1 }
                           END { exit !ok }'; do
  [ $SECONDS -le $until ] || fail "box: $(dump | grep QMessageBox | cut -f 1-6)"
  sleep 0.25
done
shot "$SCREENS/wizard-e2e-finished.png"
finger_button OK || fail "the box's OK: $(dump | grep Button | cut -f 2-8)"
tap_text OK || fail "no OK on the box"
expect_page menuPage
until=$(deadline)
until page_line | grep -q "proc_paused=0 upd_paused=0"; do
  [ $SECONDS -le $until ] || fail "workers: $(page_line)"
  sleep 0.25
done
[ "$(conf_key CONFIG_TANK_TYPE)" = H ] || fail "CONFIG_TANK_TYPE=$(conf_key CONFIG_TANK_TYPE)"
[ "$(conf_key CONFIG_COLUMN_TYPE)" = 40x2 ] || fail "CONFIG_COLUMN_TYPE=$(conf_key CONFIG_COLUMN_TYPE)"
[ "$(conf_key CONFIG_DIAM_TUBE)" = 36 ] || fail "CONFIG_DIAM_TUBE=$(conf_key CONFIG_DIAM_TUBE)"
[ "$(conf_key CONFIG_FLAG_REFOIDISSEUR)" = 1 ] ||
  fail "CONFIG_FLAG_REFOIDISSEUR=$(conf_key CONFIG_FLAG_REFOIDISSEUR)"
stamp=$(conf_key FLAG_PREM_DEMARRAGE)
[ -n "$stamp" ] && [ "$stamp" != 0 ] || fail "FLAG_PREM_DEMARRAGE=$stamp"
[ "$(conf_key FLAG_DATE_INSTALLATION)" = "$stamp" ] ||
  fail "FLAG_DATE_INSTALLATION=$(conf_key FLAG_DATE_INSTALLATION), commissioned at $stamp"
cmp "$root/home/ORV/config.conf" "$root/usr/share/config.conf" || fail "the copy differs"
tap_widget Esc || fail "no escape on the menu"
expect_page mainScreen
sleep 1  # the last page's picture is written out before the program ends
xsession_stop
[ "$(pictures "$root")" -ge 5 ] || fail "too few pictures: $(ls "$root/screenshots")"
echo "OK"
