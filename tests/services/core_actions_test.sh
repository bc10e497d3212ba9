#!/bin/bash
# The core's alarm dispatch, restart actions and the gates of relearning and of the
# reference recalculation, from outside: orvcore-cli core in fresh sandboxes (carrier up,
# so that upload requests are queued), the program clock at 31/01/2024 08:05:09.
set -u
fail() { echo "FAIL: $*"; exit 1; }
roots=()
trap '[ -n "${ORV_KEEP_SANDBOX:-}" ] || rm -rf "${roots[@]}"' EXIT
export ORV_CLOCK_START="2024-01-31 08:05:09"
now=$(date -d "$ORV_CLOCK_START" +%s)

# sandbox VAR [CONFIG_LINE...]: fresh root, carrier up, config.conf with these keys
sandbox() {
  local r var=$1
  shift
  r=$(mktemp -d /tmp/orv-core-actions-XXXXXX)
  roots+=("$r")
  mkdir -p "$r/home/ORV" "$r/sys/class/net/eth0"
  printf '1\n' > "$r/sys/class/net/eth0/carrier"
  { echo "[General]"; for line in "$@"; do echo "$line"; done; } > "$r/home/ORV/config.conf"
  printf -v "$var" '%s' "$r"
}
core() { ORV_ROOT=$1 "$ORV_CLI" core "${@:2}" > "$1/out" 2>&1; }
value() { sed -n "s/^$2=//p" "$1/out" | tail -1; }
key() { sed -n "s/^$2=//p" "$1/home/ORV/config.conf"; }
relays() { grep '^gpio ' "$1/platform_calls.log" 2>/dev/null | tr '\n' '|'; }
# The journal with the time stamps of the first minute from the clock start shown as T.
journal() { sed 's|^31/01/2024;08:05:[0-5][0-9];|T;|' "$1/home/ORV/journal.log" 2>/dev/null; }

# --- Dispatch: code, send, journal line expected, relays switched on in order (E8 is
# PORTE8), upload queued.
while read -r code send logged outputs uploads; do
  sandbox S "CONFIG_SRV_ID=42"
  core "$S" alarm "$code" "$send" A B || fail "alarm $code: $(tail "$S/out")"
  expected=""
  for pin in ${outputs//,/ }; do [ "$pin" = - ] || expected+="gpio PORT$pin OUTPUT 1|"; done
  [ "$(relays "$S")" = "$expected" ] || fail "alarm $code relays: '$(relays "$S")'"
  [ "$(value "$S" uploads)" = "${uploads/-/}" ] || fail "alarm $code uploads: $(value "$S" uploads)"
  if [ "$logged" = 1 ]; then
    [ "$(journal "$S")" = "T;$code;A;B;;" ] || fail "alarm $code journal: $(journal "$S")"
  else
    [ -z "$(journal "$S")" ] || fail "alarm $code journalled: $(journal "$S")"
  fi
  if [ "$send" = 1 ]; then
    printf '42\nadd_mac\n31/01/2024\n08 H 05 Min\n%s\nA\nB\n' "$code" | cmp -s - "$S/home/ORV/yORV.42" ||
      fail "alarm $code file: $(cat "$S/home/ORV/yORV.42")"
  else
    ! ls "$S"/home/ORV/yORV.* > /dev/null 2>&1 || fail "alarm $code wrote an alarm file unsent"
  fi
  case $code in
    100) [ "$(value "$S" statistique)/$(value "$S" alarm_type)" = 1/100 ] || fail "alarm 100 fields";;
    103) [ "$(value "$S" statistique)/$(value "$S" alarm_type)" = 0/103 ] || fail "alarm 103 fields";;
    *) [ "$(value "$S" statistique)/$(value "$S" alarm_type)" = 0/0 ] || fail "alarm $code fields";;
  esac
done <<'EOF'
7 1 0 - 1
100 1 1 E10 1
103 1 1 E8,E10 1
104 1 1 - 1
106 1 1 E8,E10 1
109 0 1 E8,E10 -
112 0 1 E8,E10 -
124 1 1 - 1
EOF

# No server identity yet: no alarm file, the journal line, relays and upload all the same.
sandbox S
core "$S" alarm 112 1 "Aucun Module MESURE detecter" RS-485
journal "$S" | grep -q ';112;Aucun Module MESURE detecter;RS-485;;$' || fail "112 journal: $(journal "$S")"
! ls "$S"/home/ORV/yORV.* > /dev/null 2>&1 || fail "alarm file without a server ID"
[ "$(value "$S" uploads)" = 1 ] || fail "112 upload without a server ID"
# Link down: the request is dropped.
sandbox S "CONFIG_SRV_ID=42"
printf '0\n' > "$S/sys/class/net/eth0/carrier"
core "$S" alarm 103 1 A B
[ -z "$(value "$S" uploads)" ] || fail "upload queued with the link down"

# --- Restarts, side by side (each takes 10 s or more).
sandbox R1
sandbox R2
sandbox R3
begin=$(date +%s)
core "$R1" restart 1 & p1=$!
core "$R2" restart 2 & p2=$!
core "$R3" restart 3 & p3=$!
wait $p1; s1=$?
wait $p2 || fail "restart 2: $(tail "$R2/out")"
wait $p3 || fail "restart 3: $(tail "$R3/out")"
[ $(( $(date +%s) - begin )) -ge 10 ] || fail "restarts shorter than the PORTE7 cycle"
[ "$s1" = 134 ] || fail "restart 1 exit status $s1"
for r in "$R1" "$R2" "$R3"; do
  [ "$(relays "$r")" = "gpio PORTE7 OUTPUT 0|gpio PORTE7 OUTPUT 1|" ] || fail "PORTE7 cycle: $(relays "$r")"
done
[ "$(tail -1 "$R2/log/commands.log")" = "/sbin/reboot" ] || fail "restart 2 command: $(tail -1 "$R2/log/commands.log")"
grep -q '^reboot' "$R2/platform_calls.log" || fail "reboot not recorded by the stub"
[ "$(value "$R2" proc_paused)/$(value "$R2" upd_paused)" = 1/1 ] || fail "restart 2 left a worker running"
journal "$R3" | grep -q ';114;0;0;;$' || fail "restart 3 journal: $(journal "$R3")"
! grep -q reboot "$R3/log/commands.log" 2>/dev/null || fail "restart 3 rebooted"
[ -z "$(journal "$R1")" ] && [ -z "$(journal "$R2")" ] || fail "restart 1 or 2 journalled"
sandbox R0
core "$R0" restart 0
[ -z "$(relays "$R0")" ] || fail "restart 0 cycled PORTE7"

# --- Gates. Sane sensors: the mass and the card's three readings set.
sane=(mes 504 52.5 mes 624 10 mes 627 20 mes 628 30)
# Insane sensors refuse the relearn, journal 4001, and change nothing.
sandbox G "FLAG_ALARM=2" "MOYENNE_REFERENCE=12.5"
core "$G" mes 504 52.5 mes 624 10 mes 628 30 relearn
[ "$(value "$G" relearn)" = 0 ] || fail "relearn with card reading 627 at 999"
[ "$(journal "$G")" = "T;4001;SENSORS ERROR;ERREUR: sondes ou carte mesure;DEBUG;" ] ||
  fail "sensor journal: $(journal "$G")"
[ "$(key "$G" FLAG_ALARM)" = 2 ] || fail "refused relearn changed FLAG_ALARM: $(key "$G" FLAG_ALARM)"
# Learning already: refused without a sensor check, FLAG_ALARM stays 1.
sandbox G "FLAG_ALARM=1"
core "$G" "${sane[@]}" relearn
[ "$(value "$G" relearn)/$(key "$G" FLAG_ALARM)" = 0/1 ] || fail "relearn while learning"
# Accepted: learning from now, the reset's alarm 7 goes to the server.
sandbox G "FLAG_ALARM=2" "MOYENNE_REFERENCE=12.5" "CONFIG_SRV_ID=42"
core "$G" "${sane[@]}" relearn
[ "$(value "$G" relearn)" = 1 ] || fail "relearn refused: $(tail "$G/out")"
start=$(key "$G" FLAG_PREM_DEMARRAGE)
[ "$(key "$G" FLAG_ALARM)" = 1 ] && [ "$start" -ge "$now" ] && [ "$start" -le $((now + 30)) ] ||
  fail "relearn keys: FLAG_ALARM $(key "$G" FLAG_ALARM), start $start for $now"
[ "$(sed -n 5p "$G/home/ORV/yORV.42")" = 7 ] && [ "$(value "$G" uploads)" = 1 ] || fail "relearn alarm 7"

# Recalculation: 6 days 23 hours of learning out of 7 refused, 7 days accepted (reference
# zeroed then set to 2.0 by the missing-reference check, with its 5004 line).
while read -r age pending expected ref flag; do
  sandbox G "FLAG_ALARM=0" "MOYENNE_REFERENCE=12.5" "NOMBRE_JOURS_APPRENTISSAGE=7" \
    "FLAG_PREM_DEMARRAGE=$((now - age))" "FLAG_RECALC_MOYREF=$pending"
  core "$G" "${sane[@]}" recalc-clear
  [ "$(value "$G" recalc)" = "$expected" ] || fail "recalc after $age s, pending $pending: $(value "$G" recalc)"
  [ "$(key "$G" MOYENNE_REFERENCE)/$(key "$G" FLAG_RECALC_MOYREF)" = "$ref/$flag" ] ||
    fail "recalc after $age s: reference $(key "$G" MOYENNE_REFERENCE) flag $(key "$G" FLAG_RECALC_MOYREF)"
  if [ "$expected" = 1 ]; then
    [ "$(journal "$G")" = "T;5004;;AUTO;ORV;" ] || fail "5004 line: $(journal "$G")"
  else
    [ -z "$(journal "$G")" ] || fail "refused recalc journalled: $(journal "$G")"
  fi
done <<'EOF'
601200 0 0 12.5 0
604800 0 1 2.000000 1
604800 1 0 12.5 1
EOF
# A reference in force needs no recalculation.
sandbox G "FLAG_ALARM=0" "MOYENNE_REFERENCE=0.5" "FLAG_PREM_DEMARRAGE=$((now - 700000))"
core "$G" "${sane[@]}" check-ref
[ "$(value "$G" check_ref)/$(key "$G" MOYENNE_REFERENCE)" = 0/0.5 ] || fail "check-ref with a reference"

# --- Storage: at 44 MiB free the day files go but today's; at 45 MiB nothing goes.
for free in 44 45; do
  sandbox T
  for day in 01 02 03 31; do : > "$T/home/ORV/ORV_2024_01_$day.msr"; done
  mkdir -p "$T/platform_stub" && echo "$((free * 1048576)) $((2048 * 1048576))" > "$T/platform_stub/diskspace"
  core "$T" storage
  [ "$(value "$T" free_mib)/$(value "$T" total_mib)" = "$free/2048" ] || fail "storage figures: $(tail "$T/out")"
  left=$(cd "$T/home/ORV" && ls ORV_*.msr | tr '\n' ' ')
  if [ $free = 44 ]; then
    [ "$left" = "ORV_2024_01_31.msr " ] || fail "44 MiB free left: $left"
    grep -q "^\[0\]= .*/home/ORV/ORV_2024_01_01.msr$" "$T/out" || fail "deletion trace: $(cat "$T/out")"
  else
    [ "$left" = "ORV_2024_01_01.msr ORV_2024_01_02.msr ORV_2024_01_03.msr ORV_2024_01_31.msr " ] ||
      fail "45 MiB free left: $left"
  fi
done
echo "core actions: all checks passed"
