#!/bin/bash
# The self-test and the USB page in the real orvQT on a real X server, on a commissioned
# plant with its V2 card: the configuration menu behind its code, "AutoTest ORV", a run
# until Quitter is enabled again (report file checked), back to the menu; then the
# USB page with a key plugged in, a backup, and Quitter, which unmounts the mounted key.
set -u
fail() { echo "FAIL: $*"; [ -n "${root:-}" ] && tail -30 "$root/orvqt.out"; exit 1; }
. "$ORV_SOURCE_DIR/tests/gui/support/xsession.sh"
SCREENS="$ORV_BUILD_DIR/screens"
mkdir -p "$SCREENS"
root=$(mktemp -d /tmp/orv-xvfb-XXXXXX)
cleanup() {
  xsession_stop
  [ -n "${XS_SIM:-}" ] && { kill "$XS_SIM" 2>/dev/null; wait "$XS_SIM" 2>/dev/null; }
  [ -n "${ORV_KEEP_SANDBOX:-}" ] || rm -rf "$root"
}
trap cleanup EXIT
expect_page() { wait_page "$1" "${2:-10}" || fail "expected $1"; }
# The configuration menu from the main screen, behind code 5086.
open_menu() {
  tap 567 32
  expect_page choixPage
  tap_widget paramButton || fail "no configuration choice"
  expect_page menuCodePage
  tap_widget linePassword || fail "no code field"
  type_text 5086
  tap_widget pushButtonValidation || fail "no Validation"
  expect_page menuPage
}

mkdir -p "$root/home/ORV" "$root/ramdisk" "$root/sys/class/net/eth0" "$root/platform_stub" \
  "$root/etc/init.d" "$root/tmp" "$root/sys/block" "$root/home/usbkey1" "$root/proc"
printf '0\n' > "$root/sys/class/net/eth0/carrier"
printf '00:1a:2b:3c:4d:5e\n' > "$root/sys/class/net/eth0/address"
printf '1073741824 2147483648\n' > "$root/platform_stub/diskspace"
printf '[General]\nCONFIG_LANGUE=fr\nFLAG_PREM_DEMARRAGE=1709283900\nCONFIG_SRV_ID=77\n' \
  > "$root/home/ORV/config.conf"
printf 'module 1 mesv2 configured=1 version=2.1\nmodule 0 mesv1\nset 0 header 00 00\n' > "$root/scenario"
for a in 5 6 7 8; do
  printf 'module %s %s\nfault %s crc\n' $a $([ $a = 5 ] && echo hpf || echo energie) $a >> "$root/scenario"
done
simulator_start "$root" "$root/scenario" || fail "no bus simulator"
xsession_start "$root" TZ=UTC || fail "no X session"
expect_page mainScreen 25

# --- Self-test.
open_menu
tap_widget autoTestButton || fail "no self-test button"
expect_page autoTestPage
tap_widget pB_AutoTest_Start || fail "no Lancer AutoTest"
for _ in $(seq 120); do [ "$(field Esc 7)" = 1 ] && break; sleep 0.25; done
[ "$(field Esc 7)" = 1 ] || fail "the run did not end"
shot "$SCREENS/service-xvfb-autotest-done.png"
[ "$(tail -c 20 "$root/tmp/autotest.log" | od -An -c | tr -d ' \n')" = '\nAutoTestTerminer!\n' ] ||
  fail "report file ends: $(tail -c 40 "$root/tmp/autotest.log")"
grep -q "^Résultat = " "$root/tmp/autotest.log" || fail "no result code in the report"
tap_widget Esc || fail "no Quitter"
expect_page menuPage

# --- USB backup with the key plugged in and mounted.
: > "$root/sys/block/uba"
printf '/dev/uba1 /home/usbkey1 vfat rw 0 0\n' > "$root/proc/mounts"
tap_widget copyToUsbButton || fail "no USB button"
expect_page usbPage
tap_widget pB_CopyToUsb || fail "no backup button"
wait_dump "Sauvegarde terminer." 10 || fail "backup shows: $(field label_msg 8)"
folder=$(ls -d "$root"/home/usbkey1/orv_77_* 2>/dev/null | head -1)
[ -n "$folder" ] || fail "no backup folder on the key"
cmp -s "$folder/config.conf" "$root/home/ORV/config.conf" || fail "config.conf not backed up"
[ -f "$folder/autotest.log" ] || fail "the self-test report was not backed up"
shot "$SCREENS/service-xvfb-usb-backup.png"
tap_widget pB_QuitUsb || fail "no Quitter"
expect_page menuPage 10
grep -qx "umount /home/usbkey1" "$root/log/commands.log" || fail "key not unmounted"
echo "OK"
