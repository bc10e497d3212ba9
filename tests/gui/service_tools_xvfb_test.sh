#!/bin/bash
# The self-test and the USB page in the real orvQT on a real X server, on a commissioned
# plant with its V2 card: the configuration menu behind its code, "AutoTest ORV", a run
# until Quitter is enabled again (report file checked), back to the menu; then the USB
# page with a key plugged in and mounted, a backup, a configuration read refused and one
# taken, and Quitter, which unmounts the key.
set -u
. "$ORV_SOURCE_DIR/tests/gui/support/xsession.sh"
xsession_script
button() { tap_widget "$1" || fail "no $1 on $(page_line)"; }

# A commissioned plant with its V2 card; the other bus addresses answer garbled frames.
sandbox root 0 $'FLAG_PREM_DEMARRAGE=1709283900\nCONFIG_SRV_ID=77\n'
mkdir -p "$root/sys/block" "$root/home/usbkey1" "$root/proc"
printf 'module 1 mesv2 configured=1 version=2.1\nmodule 0 mesv1\nset 0 header 00 00\n' > "$root/scenario"
for a in 5 6 7 8; do
  printf 'module %s %s\nfault %s crc\n' $a $([ $a = 5 ] && echo hpf || echo energie) $a >> "$root/scenario"
done
sim_start "$root"
xsession_start "$root" TZ=UTC || fail "no X session"
expect_page mainScreen
tap 567 32
expect_page choixPage
button paramButton
expect_page menuCodePage
code 5086
expect_page menuPage

# --- Self-test: Quitter comes back once the run ended.
button autoTestButton
expect_page autoTestPage
button pB_AutoTest_Start
until=$(deadline)
until [ "$(field Esc 7)" = 1 ] || [ $SECONDS -gt $until ]; do sleep 0.25; done
[ "$(field Esc 7)" = 1 ] || fail "the run did not end"
shot "$SCREENS/service-xvfb-autotest-done.png"
[ "$(tail -c 20 "$root/tmp/autotest.log" | od -An -c | tr -d ' \n')" = '\nAutoTestTerminer!\n' ] ||
  fail "report file ends: $(tail -c 40 "$root/tmp/autotest.log")"
grep -q "^Résultat = " "$root/tmp/autotest.log" || fail "no result code in the report"
button Esc
expect_page menuPage

# --- USB backup with the key plugged in and mounted.
: > "$root/sys/block/uba"
printf '/dev/uba1 /home/usbkey1 vfat rw 0 0\n' > "$root/proc/mounts"
button copyToUsbButton
expect_page usbPage
button pB_CopyToUsb
wait_dump "Sauvegarde terminer." || fail "backup shows: $(field label_msg 8)"
folder=$(ls -d "$root"/home/usbkey1/orv_77_* 2>/dev/null | head -1)
[ -n "$folder" ] || fail "no backup folder on the key"
cmp -s "$folder/config.conf" "$root/home/ORV/config.conf" || fail "config.conf not backed up"
[ -f "$folder/autotest.log" ] || fail "the self-test report was not backed up"
shot "$SCREENS/service-xvfb-usb-backup.png"

# --- "Lire Config" of a key file that is no device configuration: the error, and the
# live file unchanged; the backup just made is read.
read_key_config() {
  button pB_readConfigUsb
  # the file dialog opens with its name field focused
  wait_focus "Ouvrir Config" || fail "no file dialog"
  type_text "$1"
  xdotool key Return
}
mkdir -p "$root/home/usbkey1/bad"
printf '[General]\nFOO=1\n' > "$root/home/usbkey1/bad/config.conf"
cp "$root/home/ORV/config.conf" "$root/live-before.conf"
read_key_config "$root/home/usbkey1/bad/config.conf"
wait_dump "ERREUR lecture fichier CONFIG USB" || fail "bad key file shows: $(field label_msg 8)"
cmp -s "$root/home/ORV/config.conf" "$root/live-before.conf" || fail "config.conf changed"
[ "$(conf_key CONFIG_SRV_ID)" = 77 ] || fail "server ID lost"
shot "$SCREENS/service-xvfb-usb-bad-config.png"
read_key_config "$folder/config.conf"
wait_dump "lu avec succes." || fail "the backup shows: $(field label_msg 8)"
button pB_QuitUsb
expect_page menuPage
grep -qx "umount /home/usbkey1" "$root/log/commands.log" || fail "key not unmounted"
echo "OK"
