#!/bin/bash
# The network page in the real orvQT on a real X server, against the test SFTP server. A
# commissioned plant with its V2 card, no server ID and a static network without a gateway
# (0.0.0.0): the start-up writes the boot script with its static lines, no resolver and no
# default route; the configuration menu behind its code, the network page behind its code,
# the connection test that fetches ID 1234 from the server, a new address saved and applied
# still without a gateway, back to the menu (the exchange thread resumed); then "Trace
# Route" from the consultation menu and a send, whose upload reaches the server's folder 1234.
set -u
fail() { echo "FAIL: $*"; [ -n "${root:-}" ] && tail -30 "$root/orvqt.out"; exit 1; }
. "$ORV_SOURCE_DIR/tests/gui/support/xsession.sh"
SERVER="$ORV_SOURCE_DIR/platform/sftp-server/sftp-server.sh"
SCREENS="$ORV_BUILD_DIR/screens"
mkdir -p "$SCREENS"
root=""
srv=""
sim=""
cleanup() {
  xsession_stop
  [ -n "$sim" ] && { kill "$sim" 2>/dev/null; wait "$sim" 2>/dev/null; }
  [ -n "$srv" ] && "$SERVER" stop "$srv" > /dev/null 2>&1
  [ -n "${ORV_KEEP_SANDBOX:-}" ] || rm -rf "$root" "$srv"
}
trap cleanup EXIT
page_line() { dump | head -1; }
code() {
  tap_widget linePassword || fail "no code field"
  type_text "$1"
  tap_widget pushButtonValidation || fail "no Validation"
}

# Port 22 of this network namespace, in turn with the other tests.
exec 9>"/tmp/orv-sftp-port22-net$(readlink /proc/self/ns/net | tr -cd 0-9).lock"
flock 9
"$SERVER" check > /dev/null 2>&1 || { echo "SKIP: no test SFTP server here"; exit 0; }
srv=$(mktemp -d /tmp/orv-sftp-server-XXXXXX)
"$SERVER" start "$srv" 1234 > /dev/null || fail "server did not start"
home="$srv/home/Voredane"
printf '1234\n3\n15\n' > "$home/ORV/compteur/numerodossier.txt"

root=$(mktemp -d /tmp/orv-xvfb-XXXXXX)
mkdir -p "$root/home/ORV" "$root/ramdisk" "$root/sys/class/net/eth0" "$root/platform_stub" \
  "$root/etc/init.d" "$root/tmp" "$root/usr/share"
printf '1\n' > "$root/sys/class/net/eth0/carrier"
printf '00:1a:2b:3c:4d:5e\n' > "$root/sys/class/net/eth0/address"
printf '0x1043\n' > "$root/sys/class/net/eth0/flags"
printf '192.168.1.48 255.255.255.0\n' > "$root/sys/class/net/eth0/ipv4"
printf '1073741824 2147483648\n' > "$root/platform_stub/diskspace"
printf 'traceroute to 127.0.0.1\n 1  127.0.0.1  0.05 ms\n' > "$root/platform_stub/traceroute.out"
printf '[General]\nCONFIG_LANGUE=fr\nFLAG_PREM_DEMARRAGE=1709283900\nCONFIG_SRV_ID=0\nCONFIG_STFP_IP=127.0.0.1\n' \
  > "$root/home/ORV/config.conf"
printf 'CONFIG_DHCP=0\nCONFIG_IP=192.168.1.48\nCONFIG_MASK=255.255.255.0\nCONFIG_GW=0.0.0.0\n' \
  >> "$root/home/ORV/config.conf"
# no_gateway ADDRESS: the boot script's static lines for ADDRESS, no resolver, no default route
no_gateway() {
  local rcs="$root/etc/init.d/rcS"
  grep -qx "/sbin/ifconfig eth0 $1 netmask 255.255.255.0" "$rcs" || fail "rcS static lines: $(grep ifconfig "$rcs")"
  [ ! -e "$root/etc/resolv.conf" ] || fail "resolver written without a gateway"
  ! grep -q SIOCADDRT "$root/platform_calls.log" || fail "default route added: $(grep SIOCADDRT "$root/platform_calls.log")"
  grep -qx "CONFIG_GW=0.0.0.0" "$root/home/ORV/config.conf" || fail "gateway: $(grep CONFIG_GW "$root/home/ORV/config.conf")"
}
printf 'module 1 mesv2 configured=1 version=2.1\nmodule 0 mesv1\nset 0 header 00 00\n' > "$root/scenario"
for a in 5 6 7 8; do
  printf 'module %s %s\nfault %s crc\n' $a $([ $a = 5 ] && echo hpf || echo energie) $a >> "$root/scenario"
done
simulator_start "$root" "$root/scenario" || fail "no bus simulator"
sim=$XS_SIM
xsession_start "$root" TZ=UTC || fail "no X session"
expect_page mainScreen
no_gateway 192.168.1.48
config_menu
tap_widget networkButton || fail "no network button"
expect_page menuCodePage
code 8351
expect_page networkPage
page_line | grep -q "upd_paused=1" || fail "exchange not paused: $(page_line)"
tap_widget testButton || fail "no test button"
wait_dump "Reseau INTERNET OK, Connexion avec le serveur reussie." ||
  fail "test status: $(field labelStatus 8)"
[ "$(field lineEditID 8)" = 1234 ] || fail "server ID shown: $(field lineEditID 8)"
grep -qx "CONFIG_SRV_ID=1234" "$root/home/ORV/config.conf" || fail "server ID not stored"
shot "$SCREENS/network-xvfb-test-identity.png"
[ "$(identify -format '%wx%h' "$SCREENS/network-xvfb-test-identity.png")" = 640x480 ] ||
  fail "screen shot size"
tap_widget btnIP || fail "no address button"
tap_widget lineEditIP || fail "address field not open"
xdotool key ctrl+a BackSpace
type_text 192.168.1.60
tap_widget pB_save || fail "no save button"
wait_dump "Enregistrement CONFIG Reseau reussie." || fail "save status: $(field labelStatus 8)"
grep -qx "CONFIG_IP=192.168.1.60" "$root/home/ORV/config.conf" || fail "address not stored"
grep -q "SIOCSIFADDR eth0 192.168.1.60" "$root/platform_calls.log" || fail "address not applied"
no_gateway 192.168.1.60
shot "$SCREENS/network-xvfb-saved-without-gateway.png"
tap_widget escButton || fail "no Quitter on the network page"
expect_page menuPage
page_line | grep -q "upd_paused=0" || fail "exchange still paused: $(page_line)"

tap_widget Esc || fail "no Quitter on the menu"
expect_page mainScreen
tap 567 32
expect_page choixPage
tap_widget visualisationButton || fail "no consultation choice"
expect_page menuPage
tap_widget traceroute || fail "no Trace Route button"
expect_page networkPage
tap_widget sendFilesButton || fail "no send button"
wait_dump "OK: Transfert des fichiers reussi." || fail "send status: $(field labelStatus 8)"
shot "$SCREENS/network-xvfb-send.png"

until=$(deadline)
while [ $SECONDS -le $until ]; do
  missing=""
  for f in config.conf journal.log rcS traceroute.log; do
    [ -f "$home/ORV/1234/$f" ] || missing="$missing $f"
  done
  [ -z "$missing" ] && [ ! -e "$root/home/ORV/traceroute.log" ] && break
  sleep 0.5
done
[ -z "$missing" ] || fail "not on the server:$missing ($(ls "$home/ORV/1234"))"
[ ! -e "$root/home/ORV/traceroute.log" ] || fail "the device kept traceroute.log"
xsession_stop
echo "OK"
