#!/bin/bash
# The core's start-up from outside: orvcore-cli start in fresh sandboxes, with orvbus-sim
# playing the bus where the modules matter. Checks the journal line of the program start,
# the boot script and when it is rewritten, the order of the outputs switched off, the
# traces of a missing cable and a failed time update, the passes per measurement record,
# the refrigerant name, the settings the start-up keeps in range, and a static network
# reconfiguration through the interface stand-in.
set -u
fail() { echo "FAIL: $*"; exit 1; }
SIM="$ORV_SOURCE_DIR/platform/orvbus-sim/orvbus-sim"
roots=()
sims=()
cleanup() {
  for pid in "${sims[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  [ -n "${ORV_KEEP_SANDBOX:-}" ] || rm -rf "${roots[@]}"
}
trap cleanup EXIT

# sandbox VAR: a fresh root with the carrier down
sandbox() {
  local r
  r=$(mktemp -d /tmp/orv-core-start-XXXXXX)
  roots+=("$r")
  mkdir -p "$r/home/ORV" "$r/sys/class/net/eth0"
  printf '0\n' > "$r/sys/class/net/eth0/carrier"
  printf -v "$1" '%s' "$r"
}
# simulate ROOT MODULE...: starts orvbus-sim on ROOT's /dev/ttyS1
simulate() {
  local root=$1
  shift
  local args=()
  for m in "$@"; do args+=(--module "$m"); done
  "$SIM" --root "$root" "${args[@]}" > "$root/sim.out" 2>&1 &
  sims+=($!)
  for _ in $(seq 100); do grep -q "^orvbus-sim ready" "$root/sim.out" && return 0; sleep 0.1; done
  fail "orvbus-sim did not start: $(cat "$root/sim.out")"
}
start() { ORV_ROOT=$1 "$ORV_CLI" start --run 0 > "$1/start.out" 2>&1 || fail "start in $1: $(tail -20 "$1/start.out")"; }
# key ROOT KEYWORD: the value config.conf holds
key() { sed -n "s/^$2=//p" "$1/home/ORV/config.conf"; }
set_key() { ORV_ROOT=$1 "$ORV_CLI" cfg set "$2" "$3" > /dev/null || fail "cfg set $2 $3"; }
has() { grep -qF -- "$2" "$1" || fail "$1 lacks \"$2\": $(tail -40 "$1")"; }
value() { sed -n "s/^$2=//p" "$1/start.out"; }

# --- Fresh start with a V2 card (A), a blend with an HPF module and ENERGIE modules 1
# and 2 (B), and with ENERGIE module 2 only (C): the three run side by side.
sandbox A
simulate "$A" "1 mesv2 configured=1"
sandbox B
printf '[General]\nCONFIG_FLUID=R407A.mix\n' > "$B/home/ORV/config.conf"
simulate "$B" "1 mesv2 configured=1" "5 hpf configured=1" "6 energie configured=1" "7 energie configured=1"
sandbox C
printf '[General]\nCONFIG_FLUID=R407A\n' > "$C/home/ORV/config.conf"
simulate "$C" "1 mesv2 configured=1" "5 hpf configured=1" "7 energie configured=1"
start "$A" & pa=$!
start "$B" & pb=$!
start "$C" & pc=$!
wait $pa || exit 1
wait $pb || exit 1
wait $pc || exit 1

lines=$(wc -l < "$A/home/ORV/journal.log")
[ "$lines" = 1 ] || fail "fresh start journal: $(cat "$A/home/ORV/journal.log")"
grep -Eq '^[0-3][0-9]/[01][0-9]/[0-9]{4};[0-2][0-9]:[0-5][0-9]:[0-5][0-9];4;;;V10\.04\.05;$' \
  "$A/home/ORV/journal.log" || fail "start line: $(cat "$A/home/ORV/journal.log")"
rcs="$A/etc/init.d/rcS"
[ "$(stat -c %a "$rcs")" = 774 ] || fail "rcS mode $(stat -c %a "$rcs")"
[ "$(sed -n 1p "$rcs")" = "#!/bin/bash" ] || fail "rcS line 1: $(sed -n 1p "$rcs")"
[ "$(sed -n 2p "$rcs")" = "#version=100405" ] || fail "rcS line 2: $(sed -n 2p "$rcs")"
bash -n "$rcs" || fail "rcS does not parse"
outputs=$(grep '^gpio ' "$A/platform_calls.log" | head -7 | tr '\n' '|')
[ "$outputs" = "gpio PORTH8 OUTPUT 0|gpio PORTH6 OUTPUT 0|gpio PORTB0 OUTPUT 0|gpio PORTB1 OUTPUT 0|gpio PORTE8 OUTPUT 0|gpio PORTE10 OUTPUT 0|gpio PORTE9 OUTPUT 0|" ] ||
  fail "outputs at start: $outputs"
grep -Eq '^\[[0-3][0-9]/[01][0-9]/[0-9]{4}_[0-2][0-9]:[0-5][0-9]:[0-5][0-9]\]> \[ORV_core\] Erreur Cable Réseau ETHERNET débranché$' \
  "$A/start.out" || fail "cable trace: $(grep Cable "$A/start.out")"
grep -Eq '^\[[0-9/]{10}_[0-9:]{8}\]> \[ORV_core\] ECHEC de Mise a jour de la date/heure, erreur pas Internet$' \
  "$A/start.out" || fail "time trace"
! grep -q "hwclock -w" "$A/log/commands.log" 2>/dev/null || fail "hwclock -w without a network"
[ "$(value "$A" cycles)" = 4 ] || fail "R404A with the card alone: cycles $(value "$A" cycles)"
[ "$(value "$A" proc_paused)" = 1 ] || fail "processing runs on a plant never commissioned"
[ "$(value "$A" upd_paused)" = 1 ] || fail "exchange runs without a link"
! grep -q '^gpio PORTE8 OUTPUT 1' "$A/platform_calls.log" || fail "relay on with a card present"

# 5 - 3 components - 2 ENERGIE - 1 HPF = -1, kept at 0; the ".mix" ending dropped and stored.
has "$B/start.out" "  +++ saved _nbre_cycles= 0"
has "$B/start.out" "[ORV_core] Chargement Librairie Fluides R407A OK"
[ "$(key "$B" CONFIG_CYCLE_NBRE)" = 0 ] || fail "CONFIG_CYCLE_NBRE $(key "$B" CONFIG_CYCLE_NBRE)"
[ "$(key "$B" CONFIG_FLUID)" = R407A ] || fail "CONFIG_FLUID $(key "$B" CONFIG_FLUID)"
# Without ENERGIE module 1 the ENERGIE modules are not counted: 5 - 3 - 1.
has "$C/start.out" "  +++ saved _nbre_cycles= 1"

# --- Second start (no bus: alarm 112): rcS left alone; version keys, the hour of the
# reference recalculation and the sensitivity brought back into range.
cp "$rcs" "$A/rcS.first"
set_key "$A" 60 3
set_key "$A" 64 11.5
set_key "$A" 51 -25
set_key "$A" 11 -4
set_key "$A" 97 300
kill "${sims[0]}" && wait "${sims[0]}" 2>/dev/null
start "$A"
! grep -q "rcS need Update" "$A/start.out" || fail "second start rewrote rcS"
cmp -s "$rcs" "$A/rcS.first" || fail "rcS changed on the second start"
[ "$(key "$A" CONFIG_VERSION_MINOR)" = 4 ] || fail "CONFIG_VERSION_MINOR $(key "$A" CONFIG_VERSION_MINOR)"
[ "$(key "$A" CONFIG_MOY_REF_RECALCUL_HEURE)" = 12.000000 ] || fail "recalculation hour $(key "$A" CONFIG_MOY_REF_RECALCUL_HEURE)"
[ "$(key "$A" STAT3J_VALUE)" = 200.000000 ] || fail "STAT3J_VALUE $(key "$A" STAT3J_VALUE)"
[ "$(key "$A" REGLAGE_ALARM_3JOURS)" = -4.000000 ] || fail "REGLAGE_ALARM_3JOURS $(key "$A" REGLAGE_ALARM_3JOURS)"
tail -1 "$A/home/ORV/journal.log" | grep -q ';112;Aucun Module MESURE detecter;RS-485;;$' ||
  fail "no card: $(tail -1 "$A/home/ORV/journal.log")"
# An older version line makes the next start rewrite it.
sed -i '2s/.*/#version=100404/' "$rcs"
start "$A"
has "$A/start.out" " ** /etc/init.d/rcS need Update"
[ "$(sed -n 2p "$rcs")" = "#version=100405" ] || fail "rcS not rewritten: $(sed -n 2p "$rcs")"

# --- Static settings that differ from the kernel's: reconfigured through the interface
# stand-in; the boot script and the resolver carry the new settings. A failing mask step
# gives -3 and leaves the boot script alone. Gateway 0.0.0.0 is a network without one:
# address and mask set, the old default route removed and none added, no resolver. A stored
# gateway outside the address's subnet is not refused by the core: it is tried (the kernel
# refuses that route, -4) and the boot script written at the start's check carries it.
route() { printf 'Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\neth0\t00000000\t0100000A\t0003\t0\t0\t0\t00000000\t0\t0\t0\n'; }
for knob in none mask nogw outside; do
  sandbox N
  printf '1\n' > "$N/sys/class/net/eth0/carrier"
  printf '02:00:00:00:00:42\n' > "$N/sys/class/net/eth0/address"
  printf '0x1043\n' > "$N/sys/class/net/eth0/flags"
  printf '10.0.0.5 255.0.0.0\n' > "$N/sys/class/net/eth0/ipv4"
  mkdir -p "$N/proc/net" && route > "$N/proc/net/route"
  gw=192.168.1.1
  [ $knob = nogw ] && gw=0.0.0.0
  [ $knob = outside ] && gw=10.9.9.1
  printf '[General]\nCONFIG_DHCP=0\nCONFIG_IP=192.168.1.48\nCONFIG_MASK=255.255.255.0\nCONFIG_GW=%s\nCONFIG_MACADDR=02:00:00:00:00:42\n' \
    "$gw" > "$N/home/ORV/config.conf"
  [ $knob = mask ] && mkdir -p "$N/platform_stub" && echo 1 > "$N/platform_stub/ioctl_SIOCSIFNETMASK.status"
  start "$N"
  has "$N/start.out" "[ORV_core] Réseau:: Différence entre CONFIG et KERNEL, reconfiguration en cours ..."
  if [ $knob = outside ]; then
    has "$N/platform_calls.log" "ioctl SIOCADDRT 0.0.0.0 mask 0.0.0.0 gw 10.9.9.1"
    has "$N/start.out" "[ORV_core] Réseau:: ERREUR(-4) Reconfiguration."
    has "$N/etc/init.d/rcS" "/sbin/ifconfig eth0 192.168.1.48 netmask 255.255.255.0"
    has "$N/etc/init.d/rcS" "/sbin/route add default gw 10.9.9.1 eth0"
    ! grep -q "Erreur rcS" "$N/start.out" || fail "rcS refused: $(grep 'Erreur rcS' "$N/start.out")"
  elif [ $knob != mask ]; then
    has "$N/start.out" "[ORV_core] Réseau:: Reconfiguration OK."
    has "$N/platform_calls.log" "ioctl SIOCSIFADDR eth0 192.168.1.48"
    has "$N/platform_calls.log" "ioctl SIOCSIFNETMASK eth0 255.255.255.0"
    has "$N/etc/init.d/rcS" "/sbin/ifconfig eth0 192.168.1.48 netmask 255.255.255.0"
    has "$N/etc/init.d/rcS" "/sbin/route add default gw $gw eth0"
    has "$N/etc/init.d/rcS" "/sbin/ifconfig eth0 up"
    ! grep -q "Erreur rcS" "$N/start.out" || fail "rcS refused: $(grep 'Erreur rcS' "$N/start.out")"
    [ "$(grep -c 'rcS need Update' "$N/start.out")" = 2 ] || fail "rcS written once at the check, once after the reconfiguration"
  else
    has "$N/start.out" "[ORV_core] Réseau:: ERREUR(-3) Reconfiguration."
    ! grep -q "Reconfiguration OK" "$N/start.out" || fail "failed reconfiguration reported OK"
    [ "$(grep -c 'rcS need Update' "$N/start.out")" = 1 ] || fail "rcS rewritten after a failed reconfiguration"
  fi
  if [ $knob = none ]; then
    [ "$(sed -n 1p "$N/etc/resolv.conf")" = "nameserver 192.168.1.1" ] || fail "resolv.conf: $(cat "$N/etc/resolv.conf")"
  elif [ $knob = nogw ]; then
    [ ! -e "$N/etc/resolv.conf" ] || fail "resolver written without a gateway: $(cat "$N/etc/resolv.conf")"
    ! grep -q "SIOCADDRT" "$N/platform_calls.log" || fail "default route added: $(grep SIOCADDRT "$N/platform_calls.log")"
    ! grep -q "^eth0.00000000" "$N/proc/net/route" || fail "old default route kept: $(cat "$N/proc/net/route")"
  fi
  [ "$(value "$N" network_link)" = 1 ] || fail "link with a carrier"
done

# --- DHCP with no kernel address: one lease request through the recorded udhcpc, then the
# kernel's values stored.
sandbox D
printf '1\n' > "$D/sys/class/net/eth0/carrier"
printf '0x1043\n' > "$D/sys/class/net/eth0/flags"
printf '0.0.0.0 0.0.0.0\n' > "$D/sys/class/net/eth0/ipv4"
mkdir -p "$D/platform_stub" && printf '10.1.2.3 255.255.255.0 10.1.2.1\n' > "$D/platform_stub/udhcpc.lease"
printf '[General]\nCONFIG_DHCP=1\n' > "$D/home/ORV/config.conf"
start "$D"
[ "$(grep -c '/usr/sbin/udhcpc -bq -i eth0' "$D/log/commands.log")" = 1 ] || fail "lease requests: $(cat "$D/log/commands.log")"
has "$D/start.out" "[ORV_core] Réseau DHCP:: Reconfiguration Nouvelle IP 10.1.2.3 OK."
[ "$(key "$D" CONFIG_IP)/$(key "$D" CONFIG_MASK)/$(key "$D" CONFIG_GW)" = 10.1.2.3/255.255.255.0/10.1.2.1 ] ||
  fail "DHCP keys: $(grep -E '^CONFIG_(IP|MASK|GW)=' "$D/home/ORV/config.conf")"

# --- An interface the core does not know: no link, no network check, exchange paused.
sandbox W
printf '1\n' > "$W/sys/class/net/eth0/carrier"
printf '[General]\nCONFIG_IFACE=wlan0\n' > "$W/home/ORV/config.conf"
start "$W"
[ "$(value "$W" network_link)/$(value "$W" upd_paused)" = 0/1 ] || fail "wlan0: $(grep -E '^(network_link|upd_paused)=' "$W/start.out")"
! grep -qE "Cable|INTERNET|Réseau::" "$W/start.out" || fail "wlan0 checked the network"

# --- Server reachability and the clock: only in a private network namespace, where port 22
# of the loopback is ours (taken in turn with the SFTP tests through their lock).
if [ "$(readlink /proc/self/ns/net)" = "$(readlink /proc/1/ns/net)" ]; then
  echo "core start: server and clock checks skipped (no private network namespace)"
  echo "core start: all checks passed"
  exit 0
fi
exec 9> "/tmp/orv-sftp-port22-net$(readlink /proc/self/ns/net | tr -dc 0-9).lock"
flock 9
# listen ADDRESS...: accepts connections on port 22 of these addresses
listen() {
  python3 -c 'import socket, sys, time
socks = []
for a in sys.argv[1:]:
    s = socket.socket(); s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    s.bind((a, 22)); s.listen(8); socks.append(s)
print("listening", flush=True); time.sleep(300)' "$@" > "$1.listen" 2>&1 &
  sims+=($!)
  for _ in $(seq 50); do grep -q listening "$1.listen" && return 0; sleep 0.1; done
  fail "no listener on $*: $(cat "$1.listen")"
}
# clock ROOT SERVER NTPCLIENT_OUTPUT NTPNET_CHECK_STATUS: carrier up, the time programs scripted
clock() {
  printf '1\n' > "$1/sys/class/net/eth0/carrier"
  printf '[General]\nCONFIG_DHCP=1\nCONFIG_STFP_IP=%s\n' "$2" > "$1/home/ORV/config.conf"
  mkdir -p "$1/bin" "$1/platform_stub" && : > "$1/bin/ntpclient"
  [ -n "$3" ] && printf '%s\n' "$3" > "$1/platform_stub/ntpclient.out"
  echo "$4" > "$1/platform_stub/ntpnet_check.status"
}
cd /tmp
listen 127.0.0.1 127.0.0.22
sandbox K
clock "$K" 127.0.0.1 "New Local DateTime: 2024-01-31 08:05:09" 1
start "$K"
has "$K/start.out" "[ORV_core] Réseau:: INTERNET: OUI"
has "$K/start.out" "[ORV_core] Mise a jour de la date/heure OK"
[ "$(grep -E 'ntpclient|hwclock' "$K/log/commands.log" | tr '\n' '|')" = "/bin/ntpclient 127.0.0.1|hwclock -w|" ] ||
  fail "time commands: $(cat "$K/log/commands.log")"
[ "$(value "$K" server_reachable)" = 1 ] || fail "server answered but not recorded"
# No success text and a failing second program: the clock is not written.
sandbox K
clock "$K" 127.0.0.1 "" 1
start "$K"
has "$K/start.out" "[ORV_core] ECHEC de Mise a jour de la date/heure, erreur pas Internet"
! grep -q "hwclock -w" "$K/log/commands.log" || fail "hwclock -w after a failed synchronisation"
# The configured server silent, the second fall-back answering: it becomes the server.
sandbox K
clock "$K" 127.0.0.5 "New Local DateTime: 2024-01-31 08:05:09" 1
start "$K"
[ "$(key "$K" CONFIG_STFP_IP)" = 127.0.0.22 ] || fail "fall-back server not kept: $(key "$K" CONFIG_STFP_IP)"
grep -q "^/bin/ntpclient 127.0.0.22$" "$K/log/commands.log" || fail "clock not set from the fall-back server"
echo "core start: all checks passed"
