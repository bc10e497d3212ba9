#!/bin/bash
# The processing pass seen from outside through "orvcore-cli proc": mass and day file on a
# scripted card and on the simulated bus, the low-level alarm, a sensor fault and its
# acknowledgement, a lost card, a day of invalid weight on a learned plant, and the nightly
# work. Each case in a fresh sandbox.
set -u
cli=${ORV_CLI:?}
sim=${ORV_SOURCE_DIR:?}/platform/orvbus-sim/orvbus-sim
failures=0
passes=0

fail() { echo "FAIL [$case]: $*"; failures=$((failures + 1)); }
ok() { passes=$((passes + 1)); }
check() { if "$@"; then ok; else fail "$*"; fi; }
new_sandbox() {
  case=$1
  export ORV_ROOT=$(mktemp -d /tmp/orv-proc-test-XXXXXX)
  mkdir -p "$ORV_ROOT/home/ORV" "$ORV_ROOT/ramdisk" "$ORV_ROOT/tmp" "$ORV_ROOT/dev"
  conf=$ORV_ROOT/home/ORV/config.conf
  journal=$ORV_ROOT/home/ORV/journal.log
  # Commissioned a day ago, R134a, default receiver.
  "$cli" cfg set 0 $(($(date +%s) - 86400)) > /dev/null
  "$cli" cfg set 27 R134a > /dev/null
}
end_sandbox() { [ -n "${ORV_KEEP_SANDBOX:-}" ] || rm -rf "$ORV_ROOT"; }
value() { printf '%s\n' "$out" | sed -n "s/^$1=//p" | tail -n 1; }
near() { awk -v a="$1" -v b="$2" -v t="$3" 'BEGIN { d = a - b; exit !(d <= t && -d <= t) }'; }
# Journal lines without their time stamp.
journal_tail() { cut -d';' -f3- "$journal" 2>/dev/null; }
porte_data() { "$cli" gpio dump | sed -n 's/^PORTE.data=//p'; }

new_sandbox "mass of the default vertical receiver, scripted card"
out=$("$cli" proc run --passes 12 --scripted --fast --dump 2>&1)
check test $? -eq 0
check test "$(value mes.505)" = 1080
check test "$(value mes.506)" = 1000
check near "$(value mes.507)" 730 4
check near "$(value mes.504)" 172.96 0.05
check near "$(value mes.586)" 1.207 0.006
check near "$(value mes.625)" 1.85 0.02
check test "$(value mes.629)" = -2.0000
check test "$(value mes.608)" = -12.0000
day=$(ls "$ORV_ROOT"/ramdisk/ORV_*.msr 2>/dev/null)
check test "$(wc -l < "$day")" -eq 1
check test "$(cut -f2 "$day" | cut -d';' -f1)" = 172.96
end_sandbox

new_sandbox "mass on the simulated bus, card readings through the cable corrections"
printf '\n[Module_Mesure_V2]\nz2_CM_CONFIGURED=1\n' >> "$conf"
"$sim" --module "1 mesv2 configured=1 weight=1080 hp=5.641 t_inlet=23.6 t_outlet=28.6 t_outside=23.6" \
  > "$ORV_ROOT/sim.out" 2>&1 &
sim_pid=$!
for _ in $(seq 50); do grep -q "orvbus-sim ready" "$ORV_ROOT/sim.out" && break; sleep 0.1; done
out=$("$cli" proc run --passes 2 --fast --dump 2>&1)
check test "$(value modules)" = 1
check near "$(value mes.504)" 172.96 0.05
check test "$(value mes.626)" = 25.0000
check test "$(value mes.627)" = 20.0000
kill "$sim_pid"
wait "$sim_pid" 2> /dev/null
end_sandbox

new_sandbox "low-level alarm after its delay, once"
"$cli" cfg set 34 200000 > /dev/null
"$cli" cfg set 35 1 > /dev/null
out=$("$cli" proc run --passes 5 --scripted --fast --clock-step 30 2>&1)
check test "$(journal_tail)" = "103;200000;172000;;"
check test "$(porte_data)" = 0x00000500
end_sandbox

new_sandbox "sensor fault, then the acknowledgement"
out=$("$cli" proc run --passes 1 --scripted --fast --fault tsor 2>&1)
check test "$(journal_tail)" = "106;0;0;;"
check grep -qxF "FLAG_ALARM_CAPTEUR=4" "$conf"
check grep -qxF "[ORV_core] alarm 106 send=1 text1=0 text2=0 upload=1" <<<"$out"
out=$("$cli" proc ack 1 2>&1)
check test "$(journal_tail | tail -n 1)" = "1;106;;ORV;"
check grep -qxF "FLAG_ALARM_CAPTEUR=0" "$conf"
check test "$(porte_data)" = 0x00000000
check grep -qxF "[ORV_core] alarm 7 send=1 text1=1 text2=1 upload=1" <<<"$out"
end_sandbox

new_sandbox "lost card"
out=$("$cli" proc run --passes 1 --scripted --fast --lost 2>&1)
check test "$(journal_tail)" = "112;0;-4;;"
check grep -qxF "FLAG_ALARM_CAPTEUR=31" "$conf"
check test "$(porte_data)" = 0x00000500
end_sandbox

# A reference of 172.96 kg learned on the scripted card's mass, commissioned 30 days before
# $start, and a means file of 171 learning lines and four days of watch lines at that
# mass, the last 24 lines with $1 records of a mean mass of $2 kg. Then 24 hours of the
# device's own hourly work, with the further arguments to "proc run".
learned_plant_day() {
  start="2026-03-05 00:10:00"
  "$cli" cfg set 0 $(($(date -d "$start" +%s) - 30 * 86400)) > /dev/null
  "$cli" cfg set 17 172.96 > /dev/null
  "$cli" cfg set 13 0 > /dev/null
  means=$ORV_ROOT/home/ORV/moy.msr
  local i marker records mass
  for i in $(seq 267); do
    marker=$([ "$i" -le 171 ] && echo 1 || echo 0)
    records=60 mass=172.96
    [ "$i" -gt 243 ] && records=$1 mass=$2
    echo "01/03/2026;01;$records;$mass;172.96;-1.00;0.00;-5.00;0.00;20.00;20.00;25.00;$marker;0.00;0;0;1;"
  done > "$means"
  shift 2
  out=$(ORV_CLOCK_START="$start" "$cli" proc run --passes 290 --scripted --fast "$@" \
    --clock-step 300 2>&1)
  check test "$(grep -c "alarm 100" <<<"$out")" -eq 0
  check grep -qxF "FLAG_ALARM=0" "$conf"
  check test "$(porte_data)" = 0x00000000
}

new_sandbox "a learned plant a whole day without a valid weight: no leak alarm"
# The card's invalid weight without its fault flag, so that no sensor alarm switches the
# leak relay.
learned_plant_day 60 172.96 --weight -999
check test "$(grep -c "Pente à 3 jours = 0.00" <<<"$out")" -eq 24
# Each hour's line: its records, and the invalid mass that weighs nothing.
check test "$(tail -n 24 "$means" | cut -d';' -f4 | sort -u)" = 999.00
check test "$(tail -n 24 "$means" | awk -F';' '$3 < 2' | wc -l)" -eq 0
end_sandbox

new_sandbox "older means file: a day of hours at 0.00 kg is no leak"
learned_plant_day 12 0.00
end_sandbox

new_sandbox "a lost card's readings are invalid at once, valid again when it answers"
out=$("$cli" proc run --passes 1 --fast 2>&1)  # no card on the bus
check test "$(value weight),$(value level_mm),$(value mass_kg)" = "999,999,999.00"
printf '\n[Module_Mesure_V2]\nz2_CM_CONFIGURED=1\n' >> "$conf"
"$sim" --module "1 mesv2 configured=1 weight=1080 hp=5.641 t_inlet=23.6 t_outlet=28.6 t_outside=23.6" \
  > "$ORV_ROOT/sim.out" 2>&1 &
sim_pid=$!
for _ in $(seq 50); do grep -q "orvbus-sim ready" "$ORV_ROOT/sim.out" && break; sleep 0.1; done
run=$ORV_ROOT/run.out
# The card watchdog declares the card lost after 180 s of program time without a good
# answer: 37 passes of 5 s. 45 answers with a bad CRC, then the card answers again.
"$cli" proc run --passes 200 --fast --clock-step 5 --dump > "$run" 2>&1 &
run_pid=$!
for _ in $(seq 900); do grep -q "^pass=1$" "$run" && break; sleep 0.1; done
"$sim" ctl fault 1 crc 45 > /dev/null
wait "$run_pid"
kill "$sim_pid"
wait "$sim_pid" 2> /dev/null
# From the pass that declares the card lost to its return, every pass shows invalid values.
lost=$(sed -n '/alarm 112 send=1/,/Reconnecte via WATCHDOG, OK/p' "$run" |
  grep -E '^(weight|net_weight|level_mm|mass_kg)=' | sort -u | tr '\n' ' ')
check test "$lost" = "level_mm=999 mass_kg=999.00 net_weight=999 weight=999 "
out=$(cat "$run")
check test "$(grep -c "Reconnecte via WATCHDOG, OK" <<<"$out")" -eq 1
check test "$(value mass_kg)" = 172.96
check near "$(value mes.504)" 172.96 0.05
end_sandbox

new_sandbox "nightly work at 23:59:30"
out=$(ORV_CLOCK_START="2026-03-05 23:59:20" "$cli" proc run --passes 11 --scripted --fast \
  --clock-step 1 2>&1)
check test -f "$ORV_ROOT/home/ORV/ORV_2026_03_05.msr"
check test ! -e "$ORV_ROOT/ramdisk/ORV_2026_03_05.msr"
check grep -qxF "restart 2" "$ORV_ROOT/platform_calls.log"
check grep -qxF "[ORV_core] msgbox 2" <<<"$out"
end_sandbox

echo "proc_cli_test: $passes checks passed, $failures failed"
[ "$failures" -eq 0 ]
