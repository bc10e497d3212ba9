#!/bin/bash
# The wizard's pages on the measuring card end to end: the real orvQT on a CO2 plant never
# commissioned, its V2 card on orvbus-sim beside a slow ENERGIE module, under Xvfb. The
# card test, the high-pressure zero, the column tare and the PT100 calibration are tapped
# on their pages, their questions answered Yes (the PT100 page's texts at least 14 px), and
# the finish writes what they measured.
set -u
. "$ORV_SOURCE_DIR/tests/gui/support/xsession.sh"
xsession_script
# yes_to_box: the question box on the screen answered "Oui"
yes_to_box() {
  wait_dump $'QMessageBox\t' || fail "no question on wizard page $(field pageStack 8)"
  tap_text "&Oui" || fail "no Oui: $(dump | grep Button | cut -f 2-8)"
  sleep 0.5
}
# on_page N: the wizard shows page N
on_page() { [ "$(field pageStack 8)" = "$1" ] || fail "on wizard page $(field pageStack 8), not $1"; }

sandbox root 1 "FLAG_PREM_DEMARRAGE=0
z2_CM_TYPE=2
CONFIG_FLUID=CO2
"
printf '[Module_Mesure_V2]\nz2_CM_PRESSURE_TYPE_BARmax=30\n' >> "$root/home/ORV/config.conf"
mkdir -p "$root/usr/share"
{
  echo "module 1 mesv2 configured=1 version=2.1 weight=2400 hp=0.34 t_outside=3.9 t_inlet=3.2 t_outlet=4.0"
  printf 'module 6 energie configured=1\nset 6 delay 1200\n'
  printf 'module 0 mesv1\nset 0 header 00 00\n'
  for a in 5 7 8; do
    printf 'module %s %s\nfault %s crc\n' $a $([ $a = 5 ] && echo hpf || echo energie) $a
  done
} > "$root/scenario"
sim_start "$root"
xsession_start "$root" TZ=UTC ORV_CLOCK_START="2024-03-01 10:00:00" || fail "no X session"

new_plant_menu
tap_widget configButton || fail "no configuration button"
expect_page wizardPage
on_page 0

# --- Page 0: the card test.
tap_widget testButton || fail "no card test button"
wizard_next 8
on_page 8
# --- Page 8: the zero of the high-pressure sensor.
tap_widget pB_CalibPres || fail "no pressure zero button"
yes_to_box
wizard_next 1
on_page 9
# --- Page 9: the tare of the column.
tap_widget TareButton || fail "no tare button"
yes_to_box
wizard_next 2
on_page 11
# --- Page 11: the PT100 calibration.
tap_widget Etalonnage_Button || fail "no calibration button"
dump | grep -q $'QMessageBox\t' && { xdotool key y; sleep 0.5; }
shot "$SCREENS/wizard-e2e-page11-calibrated.png"
[ -z "$(small_texts)" ] || fail "texts under 14 px on the PT100 page: $(small_texts)"
wizard_next 5
on_page 16
tap_widget finishButton || fail "no ENREGISTREMENT"
wait_dump $'QMessageBox\t' || fail "no box after the finish"
dump | grep QMessageBox | grep -q "Fin de configuration" || fail "box: $(dump | grep QMessageBox)"
xdotool key Return
expect_page menuPage

for kv in CONFIG_COLUMN_TARE=2400 CONFIG_HP_PRESSURE_CALIB=0.34 CONFIG_TEXT_CORRECTION=0.3 \
          CONFIG_TENT_CORRECTION=-0.4 CONFIG_TLIQ_CORRECTION=0.4 z2_CM_PRESSURE_TYPE_BARmax=200; do
  [ "$(conf_key "${kv%%=*}")" = "${kv#*=}" ] || fail "${kv%%=*}=$(conf_key "${kv%%=*}"), not ${kv#*=}"
done
stamp=$(conf_key FLAG_PREM_DEMARRAGE)
[ -n "$stamp" ] && [ "$stamp" != 0 ] || fail "FLAG_PREM_DEMARRAGE=$stamp"
sleep 1  # the last page's picture is written out before the program ends
xsession_stop
echo "OK"
