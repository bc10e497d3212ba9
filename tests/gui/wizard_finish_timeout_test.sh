#!/bin/bash
# The wizard's finish boxes outlive the wizard: the real orvQT on a plant never commissioned
# (V2 card on orvbus-sim) under Xvfb, walked to the finish. While "Fin de configuration", or
# the card's "MesV2: ERREUR" warning before it, waits for the technician, the inactivity
# timeout runs out and the main window leaves the wizard; OK pressed afterwards ends on the
# main screen, orvQT still running, with what the finish saved in config.conf.
set -u
. "$ORV_SOURCE_DIR/tests/gui/support/xsession.sh"
xsession_script

# box_up TITLE: the box of that title is on the screen
box_up() { wait_dump $'QMessageBox\t' && dump | grep QMessageBox | grep -qF -- "$1"; }

# finish_with_timeout NAME SCENARIO_LINE BOX...: the walk, then each box in turn; the timeout
# runs out under the first one
finish_with_timeout() {
  local name=$1 line=$2 title
  shift 2
  sandbox root 1 "CONFIG_SRV_ID=12
CONFIG_COLUMN_TARE=2350
z2_CM_TYPE=2
"
  printf '[Module_Mesure_V2]\nz2_CM_PRESSURE_TYPE_BARmax=30\n' >> "$root/home/ORV/config.conf"
  mkdir -p "$root/usr/share"
  plant_scenario "$root"
  [ -n "$line" ] && echo "$line" >> "$root/scenario"
  sim_start "$root"
  xsession_start "$root" TZ=UTC || fail "$name: no X session"

  new_plant_menu
  tap_widget configButton || fail "$name: no configuration button"
  expect_page wizardPage
  tap_widget testButton || fail "$name: no card test button"
  wizard_next 4
  tap_box Horizontal || fail "$name: no Horizontal on page $(field pageStack 8)"
  wizard_next 4
  # one bar more at the top of the pressure range: a card setting, pushed at the finish
  tap_widget spinBox_PressionMAXI || fail "$name: no pressure range on page $(field pageStack 8)"
  xdotool key Up
  wizard_next 8
  [ "$(field pageStack 8)" = 16 ] || fail "$name: not on the last page: $(field pageStack 8)"
  tap_widget finishButton || fail "$name: no ENREGISTREMENT"

  for title in "$@"; do
    box_up "$title" || fail "$name: no box \"$title\": $(dump | grep QMessageBox)"
    if [ "$title" = "$1" ]; then
      kill -ALRM "$XS_APP"
      expect_page mainScreen
      box_up "$title" || fail "$name: the box went with the wizard"
      shot "$SCREENS/wizard-timeout-$name.png"
    fi
    tap_text OK || fail "$name: no OK on \"$title\""
    sleep 1
    xs_app_running || fail "$name: orvQT ended after OK on \"$title\""
  done
  dump | grep -q $'QMessageBox\t' && fail "$name: a box is left: $(dump | grep QMessageBox)"
  expect_page mainScreen
  [ "$(conf_key CONFIG_TANK_TYPE)" = H ] || fail "$name: CONFIG_TANK_TYPE=$(conf_key CONFIG_TANK_TYPE)"
  [ "$(conf_key z2_CM_PRESSURE_TYPE_BARmax)" = 31 ] ||
    fail "$name: z2_CM_PRESSURE_TYPE_BARmax=$(conf_key z2_CM_PRESSURE_TYPE_BARmax)"
  local stamp
  stamp=$(conf_key FLAG_PREM_DEMARRAGE)
  [ -n "$stamp" ] && [ "$stamp" != 0 ] || fail "$name: FLAG_PREM_DEMARRAGE=$stamp"
  cmp "$root/home/ORV/config.conf" "$root/usr/share/config.conf" || fail "$name: the copy differs"
  xsession_stop
  kill "$sim" 2>/dev/null
  wait "$sim" 2>/dev/null
  sim=""
}

finish_with_timeout finished "" "Fin de configuration"
finish_with_timeout card-refused "set 1 ack 0F 1A" "MesV2: ERREUR Envoi Configuration" \
  "Fin de configuration"
echo "OK"
