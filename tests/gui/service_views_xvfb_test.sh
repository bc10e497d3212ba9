#!/bin/bash
# The maker's service menu, the weight and thermodynamic views and the date page in the
# real orvQT, with its core on the simulated plant (V2 card), under Xvfb: the hidden tap
# sequences of the main screen open the service menu (then the weight view with its
# density and height rows) and the thermodynamic view; the configuration menu behind its
# code opens the date page, where one tap on the minute's up arrow and "Quitter /
# Enregistrer" set the clocks.
set -u
. "$ORV_SOURCE_DIR/tests/gui/support/xsession.sh"
xsession_script
button() { tap_widget "$1" || fail "no $1 on $(page_line)"; }
# visible NAME: whether the widget is on the screen's dump
visible() { dump | awk -F'\t' -v n="$1" '$1 == n { found = 1 } END { exit !found }'; }

# A commissioned plant with its V2 card; the other bus addresses answer garbled frames.
sandbox root 0 $'FLAG_PREM_DEMARRAGE=1709283900\nCONFIG_COLUMN_TARE=2350\nz11_CONFIG_FUSEAU_HORRAIRE=1\n'
printf 'module 1 mesv2 configured=1 version=2.1\nmodule 0 mesv1\nset 0 header 00 00\n' > "$root/scenario"
for a in 5 6 7 8; do
  printf 'module %s %s\nfault %s crc\n' $a $([ $a = 5 ] && echo hpf || echo energie) $a >> "$root/scenario"
done
sim_start "$root"
xsession_start "$root" TZ=UTC ORV_CLOCK_START="2024-03-01 10:05:00" || fail "no X session"
expect_page mainScreen

# pB_simul1, then the HPF button twice: the maker's service menu.
tap 585 455; tap 184 100; tap 184 100
expect_page menuNorPage
shot "$SCREENS/service-xvfb-menuNor.png"
button ctrlPoidsButton
expect_page poidsCtrlPage
for label in labelDensiteLiquide labelHauteurLiquide; do
  visible "$label" || fail "the weight view from the service menu has no $label"
done
[ "$(field labelTarePoids 8)" = 2350 ] || fail "tare shown: $(field labelTarePoids 8)"
shot "$SCREENS/service-xvfb-poidsCtrl.png"
button pB_Exit
expect_page mainScreen

# pB_simul1, then pB_simul2 twice: the thermodynamic view.
tap 585 455; tap 75 35; tap 75 35
expect_page calcMethodPage
visible val_BPpression || fail "no values on the thermodynamic view"
shot "$SCREENS/service-xvfb-calcMethod.png"
button accueilButton
expect_page mainScreen

# The configuration menu behind its code, then the date page.
tap 567 32
expect_page choixPage
button paramButton
expect_page menuCodePage
code 5086
expect_page menuPage
button fuseauHorraireButton
expect_page fuseauPage
shot "$SCREENS/service-xvfb-fuseauHorraire.png"
# The up arrow is the spin box's right end, 40 pixels wide.
set -- $(dump | awk -F'\t' '$1 == "spinBox_MINUTE" { print $3, $4, $5, $6; exit }')
[ $# = 4 ] || fail "no minute box"
tap $(($1 + $3 - 20)) $(($2 + $4 / 2))
button pB_Exit
expect_page menuPage
grep -q '^date -s "2024-03-01 [0-9][0-9]:[0-9][0-9]:00"$' "$root/log/commands.log" \
  || fail "no date setting: $(tail -5 "$root/log/commands.log")"
grep -A3 '^date -s ' "$root/log/commands.log" | grep -qx 'hwclock -w' || fail "no hwclock -w after the date"
grep -q '^settimeofday ' "$root/platform_calls.log" || fail "program clock not set"
grep -qx 'reboot' "$root/platform_calls.log" && fail "rebooted for a new time only"
xsession_stop
echo "OK"
