#!/bin/bash
# Whole texts and a dialog within the panel, in the real orvQT under Xvfb on a commissioned
# plant with its V2 card, on a Friday: the information page (its clock before and after
# the first tick), the server address dialog of the network page (itself, its field, every
# key and both buttons inside 640x480, keys a finger high) and the card-test page of the
# wizard. The dump's last column tells whether a label's text or a list's lines in view
# are shown whole.
set -u
. "$ORV_SOURCE_DIR/tests/gui/support/xsession.sh"
xsession_script

# outside NAME_REGEX: the widgets so named that are not inside the 640x480 panel
outside() {
  dump | awk -F'\t' -v n="$1" '$1 ~ n && ($3 < 0 || $4 < 0 || $3 + $5 > 640 || $4 + $6 > 480) {
    print $1, $3 "," $4, $5 "x" $6 }'
}

sandbox root 1 "FLAG_PREM_DEMARRAGE=1709283900
CONFIG_SRV_ID=12
CONFIG_STFP_IP=127.0.0.1
CONFIG_COLUMN_TARE=2350
"
mkdir -p "$root/usr/share"
plant_scenario "$root"
sim_start "$root"
# A Friday late in the evening: the longest clock line.
xsession_start "$root" TZ=UTC ORV_CLOCK_START="2026-12-11 22:58:58" || fail "no X session"
expect_page mainScreen
tap 567 32
expect_page choixPage
tap_widget visualisationButton || fail "no consultation choice"
expect_page menuPage

# --- The information page: every text whole, the clock beside the logo's column (from
# x 288) and above its band (from y 420).
tap_widget infoNorvaleButton || fail "no information button"
expect_page infoNorvalePage
info_whole() {
  [ -z "$(cut_texts)" ] || fail "texts cut on the information page ($1): $(cut_texts)"
  set -- $(dump | awk -F'\t' '$1 == "label_DH" { print $3, $4, $5, $6 }')
  [ $# = 4 ] || fail "no clock label"
  [ $(($1 + $3)) -le 288 ] && [ $(($2 + $4)) -le 420 ] || fail "clock label over the logo: $*"
}
info_whole shown
shot "$SCREENS/infoNorvale-xvfb-shown.png"
# The clock's first tick turns its one line into two, the date first.
until=$(deadline)
# (its date and its time are held together by non-breaking spaces)
until field label_DH 8 | sed 's/\xc2\xa0/ /g' | grep -q '^vendredi 11 / 12 / 2026 - '; do
  [ $SECONDS -le $until ] || fail "the clock did not tick: $(field label_DH 8)"
  sleep 0.2
done
info_whole ticked
shot "$SCREENS/infoNorvale-xvfb-ticked.png"
tap_widget accueilButton || fail "no Quitter"
until=$(deadline)
until page_line | grep -q "^page=mainScreen "; do
  page_line | grep -q "^page=menuPage " && tap_widget Esc > /dev/null
  [ $SECONDS -le $until ] || fail "not back on the main screen: $(page_line)"
  sleep 0.25
done
config_menu

# --- The server address dialog, behind the network code and the address code.
tap_widget networkButton || fail "no network button"
expect_page menuCodePage
code 8351
expect_page networkPage
tap_widget btnSERVER || fail "no server address button"
expect_page timeCodePage
code 4631
wait_dump $'\tchangeSrvIpDialog\t' || fail "no address dialog: $(dump)"
dump | grep -q $'^pushButton_ANNULER\t' || fail "no Annuler: $(dump)"
dump | grep -q $'^pushButton_SEND\t' || fail "no Mise a Jour: $(dump)"
[ "$(dump | grep -c $'^key[0-9]*\t')" -ge 26 ] || fail "keys missing: $(dump | grep '^key')"
[ -z "$(outside '^(changeSrvIpDialog|lineEdit_SrvIP_0|pushButton_|key)')" ] ||
  fail "off the panel: $(outside '^(changeSrvIpDialog|lineEdit_SrvIP_0|pushButton_|key)')"
[ -z "$(low_keys)" ] || fail "keys lower than a finger: $(low_keys)"
finger_button Annuler || fail "Annuler too small"
finger_button "Mise a Jour" || fail "Mise a Jour too small"
[ -z "$(cut_texts)" ] || fail "texts cut in the dialog: $(cut_texts)"
shot "$SCREENS/changeSrvIpDialog-xvfb.png"
tap_widget pushButton_ANNULER || fail "no Annuler"
until=$(deadline)
while dump | grep -q $'\tchangeSrvIpDialog\t'; do
  [ $SECONDS -le $until ] || fail "the dialog stays"
  sleep 0.2
done
[ "$(conf_key CONFIG_STFP_IP)" = 127.0.0.1 ] || fail "address changed: $(conf_key CONFIG_STFP_IP)"
tap_widget escButton || fail "no Quitter on the network page"
expect_page menuPage

# --- The card-test page, first page of the wizard.
tap_widget configButton || fail "no configuration button"
expect_page wizardPage
[ "$(field pageStack 8)" = 0 ] || fail "the wizard opens on page $(field pageStack 8)"
field listeMesures 8 | grep -q "Carte mesure deja testee" || fail "report: $(field listeMesures 8)"
[ -z "$(cut_texts)" ] || fail "texts cut on the card-test page: $(cut_texts)"
shot "$SCREENS/wizard-page0-xvfb.png"
xsession_stop
echo "OK"
