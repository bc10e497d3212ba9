#!/bin/bash
# The full upload after a program version change, from outside: orvcore-cli start with the
# test SFTP server on 127.0.0.1:22 of this private network namespace. The core queues the
# full upload, the exchange thread sends it: each file lands byte for byte in its server
# folder, the markers with CRLF lines, the device keeps what it keeps, and the new version
# is stored.
set -u
fail() { echo "FAIL: $*"; exit 1; }
SERVER="$ORV_SOURCE_DIR/platform/sftp-server/sftp-server.sh"

# Port 22 is taken in turn with the other server tests of this namespace.
exec 9>"/tmp/orv-sftp-port22-net$(readlink /proc/self/ns/net | tr -cd 0-9).lock"
flock 9
if ! why=$("$SERVER" check 2>&1); then
  echo "SKIP: no test SFTP server here: $why"
  exit 0
fi

srv=$(mktemp -d /tmp/orv-sftp-server-XXXXXX)
root=$(mktemp -d /tmp/orv-server-upload-XXXXXX)
cleanup() {
  "$SERVER" stop "$srv"
  [ -n "${ORV_KEEP_SANDBOX:-}" ] || rm -rf "$srv" "$root"
}
trap cleanup EXIT
"$SERVER" start "$srv" 12 > /dev/null || fail "server did not start"
home="$srv/home/Voredane"

# A device of server ID 12 still configured by release 10.04.04, its cable plugged, with
# something in each row of the full upload; today is 2024-03-01.
mkdir -p "$root/home/ORV" "$root/sys/class/net/eth0" "$root/tmp" "$root/etc/init.d"
printf '1\n' > "$root/sys/class/net/eth0/carrier"
printf '[General]\nCONFIG_SRV_ID=12\nCONFIG_VERSION_MAJOR=10\nCONFIG_VERSION_MINOR=4\nCONFIG_VERSION_RELEASE=4\n' \
  > "$root/home/ORV/config.conf"
declare -A content=(
  [home/ORV/tension.log]=$'date;module;phaseA;phaseB;phaseC\n'
  [home/ORV/tension-1.log]=$'date;module;phaseA;phaseB;phaseC\n29/02;6;230;231;229\n'
  [home/ORV/traceroute.log]=$'traceroute to 127.0.0.1\n'
  [home/ORV/ORV_2024_02_29.msr]=$'2024-02-29 10:00:00;\t2;\n'
  [home/ORV/ORV_2024_03_01.msr]=$'2024-03-01 09:00:00;\t3;\n'
  [home/ORV/moy.msr]=$'1;2;3;\n'
  [home/ORV/fluides.norvale]=$'NV-1 R32|R125 0.5|0.5\n'
  [tmp/autotest.log]=$'autotest OK\n'
  [tmp/sysCmds.log]=$'echo test\n'
)
for f in "${!content[@]}"; do printf '%s' "${content[$f]}" > "$root/$f"; done

ORV_ROOT=$root ORV_CLOCK_START="2024-03-01 10:00:00" "$ORV_CLI" start --run 8 > "$root/start.out" 2>&1 ||
  fail "start: $(tail -20 "$root/start.out")"

# where each file went on the server, and whether the device keeps it
declare -A remote=(
  [home/ORV/tension.log]=ORV/12/tension.log
  [home/ORV/tension-1.log]=ORV/12/tension-1.log
  [home/ORV/traceroute.log]=ORV/12/traceroute.log
  [home/ORV/ORV_2024_02_29.msr]=ORV/12/ORV_2024_02_29.msr
  [home/ORV/ORV_2024_03_01.msr]=ORV/12/ORV_2024_03_01.msr
  [home/ORV/moy.msr]=ORV/12/moy.msr
  [home/ORV/fluides.norvale]=ORV/12/fluides.norvale
  [tmp/autotest.log]=ORV/12/DversS/autotest.log
  [tmp/sysCmds.log]=ORV/12/DversS/sysCmds.log
)
kept=" home/ORV/tension.log home/ORV/ORV_2024_03_01.msr home/ORV/moy.msr home/ORV/fluides.norvale "
for f in "${!content[@]}"; do
  [ -f "$home/${remote[$f]}" ] || fail "${remote[$f]} not on the server: $(cd "$home" && find ORV -type f)"
  [ "$(cat "$home/${remote[$f]}"; echo .)" = "${content[$f]}." ] || fail "${remote[$f]} differs"
  if [[ $kept == *" $f "* ]]; then
    [ -f "$root/$f" ] || fail "$f was deleted"
  else
    [ ! -e "$root/$f" ] || fail "$f was kept"
  fi
done
cmp -s "$root/home/ORV/journal.log" "$home/ORV/12/journal.log" || fail "journal.log differs"
cmp -s "$root/etc/init.d/rcS" "$home/ORV/12/rcS" || fail "rcS differs"
[ -f "$home/ORV/12/config.conf" ] || fail "config.conf not sent"
[ "$(cat "$home/ORV/Chargement/zORV_12")" = $'12\r' ] || fail "upload marker: $(od -c "$home/ORV/Chargement/zORV_12")"
[ "$(cat "$home/ORV/Frequence/zORV-12")" = $'ID=12\r\nDATE=2024/03/01\r\nHEURE=10:00\r\nPERIODE=20\r' ] ||
  fail "download marker: $(od -c "$home/ORV/Frequence/zORV-12")"
[ ! -e "$root/home/ORV/zORV_12" ] && [ ! -e "$root/home/ORV/zORV-12" ] || fail "markers kept on the device"
grep -q '^CONFIG_VERSION_RELEASE=5$' "$root/home/ORV/config.conf" || fail "version not stored"
echo "ok"
