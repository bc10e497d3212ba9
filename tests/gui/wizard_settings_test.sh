#!/bin/bash
# The wizard's setting pages end to end: the real orvQT on a commissioned plant of
# orvbus-sim under Xvfb, the wizard opened from the configuration menu. The site name
# typed on the names page, a scroll compressor, the pump-down watch ticked, the
# statistical sensitivity reset with INIT, the saving page, the finish; the file and the
# journal then hold what was set.
set -u
. "$ORV_SOURCE_DIR/tests/gui/support/xsession.sh"
xsession_script
# on_page N: the wizard shows its page N
on_page() { [ "$(field pageStack 8)" = "$1" ] || fail "on wizard page $(field pageStack 8), not $1"; }

sandbox root 0 "FLAG_PREM_DEMARRAGE=1709280000
z2_CM_TYPE=2
CONFIG_COLUMN_TARE=2350
CONFIG_FLUID=R404A
CONFIG_CONSIGNE_BP=-12
z11_CONFIG_TYPE_COMPRESSEUR=0
ALARME_PUMPDOWN=0
REGLAGE_ALARM_GPERIODE=-2
"
plant_scenario "$root"
sim_start "$root"
xsession_start "$root" TZ=UTC || fail "no X session"
expect_page mainScreen
tap_widget menuButton || fail "no menu button"
expect_page choixPage
tap_widget paramButton || fail "no configuration button"
expect_page menuCodePage
key_code 5086
expect_page menuPage
[ "$(field configButton 8)" = 'Configuration\nORV' ] || fail "configButton: $(field configButton 8)"
tap_widget configButton
expect_page wizardPage
on_page 0

# Page 1: the site name, typed over the whole text of the field that holds the focus.
wizard_next
on_page 1
xdotool key ctrl+a
type_text "Chez Paul #3"
[ "$(field LineEClientSiteName 8)" = "Chez Paul #3" ] ||
  fail "site field: $(field LineEClientSiteName 8)"
# Page 3: a scroll compressor.
wizard_next 2
on_page 3
tap_box scroll || fail "no Scroll"
# Page 10: the pump-down watch.
wizard_next 7
on_page 10
tap_box gB_PumpDown || fail "no pump-down box"
[ "$(field poidsScrollBar_nuit 7)" = 1 ] || fail "pump-down not ticked: $(field poidsScrollBar_nuit 7)"
# Page 15: the statistical sensitivity back to its initial setting.
wizard_next 5
on_page 15
tap_widget Init || fail "no INIT"
shot "$SCREENS/e2e-Sensstat.png"
# Page 16: the saving page, then the finish.
wizard_next
on_page 16
shot "$SCREENS/e2e-Enregistrement.png"
tap_widget finishButton || fail "no ENREGISTREMENT"
until=$(deadline)
until dump | grep QMessageBox | grep -q "Fin de configuration"; do
  [ $SECONDS -le $until ] || fail "no end box: $(dump | grep QMessageBox)"
  sleep 0.25
done
xdotool key Return
expect_page menuPage

config() { grep -qx "$1" "$root/home/ORV/config.conf" || fail "config.conf lacks $1"; }
config 'CONFIG_NOM_CLIENT_DU_SITE="Chez Paul #3"'
config z11_CONFIG_TYPE_COMPRESSEUR=2
config ALARME_PUMPDOWN=1
config STATLP_VALUE=200
config REGLAGE_ALARM_GPERIODE=-3
config STAT103_CHECK=0
grep -q ";1030;ALARME_PUMPDOWN=1;;;$" "$root/home/ORV/journal.log" || fail "no pump-down journal line"
for f in e2e-Sensstat e2e-Enregistrement; do
  [ "$(identify -format '%wx%h' "$SCREENS/$f.png")" = 640x480 ] || fail "$f.png size"
done
[ "$(compare -metric AE "$SCREENS/e2e-Sensstat.png" "$SCREENS/e2e-Enregistrement.png" null: 2>&1)" != 0 ] ||
  fail "pages 15 and 16 look the same"
xsession_stop
echo "OK"
