#!/bin/bash
# fwloader run for real: `fwloader ADDRESS FILE` against orvbus-sim's bootloader model on
# $ORV_ROOT/dev/ttyS1, one sandbox per scenario; checks the exit status, the console and
# what the simulated module saw.
set -u
fwloader=${ORV_BUILD_DIR:?}/fwloader/fwloader
sim=${ORV_SOURCE_DIR:?}/platform/orvbus-sim/orvbus-sim
fixture=$ORV_SOURCE_DIR/tests/fwloader/fixtures/module_MESURE.v10.01.hex
passed=0
failed=0
simpid=

check() {  # what, condition...
  local what=$1
  shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $what"; fi
}
has() { grep -qF -- "$2" <<<"$1"; }
lacks() { ! grep -qF -- "$2" <<<"$1"; }

new_root() {
  root=$(mktemp -d /tmp/fwloader-test-XXXXXX)
  mkdir -p "$root/home/ORV/firmware"
  cp "$fixture" "$root/home/ORV/firmware/"
}
start_sim() {  # module description
  python3 "$sim" --root "$root" --module "$1" >"$root/sim.out" 2>&1 &
  simpid=$!
  for _ in $(seq 100); do
    grep -q "orvbus-sim ready" "$root/sim.out" 2>/dev/null && return 0
    sleep 0.1
  done
  echo "orvbus-sim did not start: $(cat "$root/sim.out")"
  return 1
}
module_status() { python3 "$sim" --root "$root" ctl status "$1"; }
finish() {
  if [ -n "$simpid" ]; then kill "$simpid" 2>/dev/null; wait "$simpid" 2>/dev/null; fi
  simpid=
  [ -n "${ORV_KEEP_SANDBOX:-}" ] || rm -rf "$root"
}
flash() {  # address path: sets out and rc
  out=$(ORV_ROOT=$root "$fwloader" "$@" 2>&1)
  rc=$?
}

# 1. Address 1: boot-mode frame at 9600 Bd, then the whole sequence; exit 0.
new_root
start_sim "1 bootloader letters=ME id=3 enter-on=12"
flash 1 /home/ORV/firmware/module_MESURE.v10.01.hex
st=$(module_status 1)
check "good file: exit 0 (got $rc)" [ "$rc" = 0 ]
check "good file: CRC confirmed on the console" has "$out" "Verification CRC flash OK"
check "good file: one boot frame, one of each command, one leave" \
  has "$st" "boot-frames=1 cmd1=1 cmd2=1 cmd3=1 cmd4=1 cmd7=1 passes=1 records-last=4"
check "good file: module flash equals the file over the range" \
  has "$st" "crc-ok=1 crc-range=9D000000+22 want=25BB flash=25BB"
check "good file: boot frame bytes at 9600 Bd" \
  grep -q "RX 01 01 00 12 73 32 12 00 | addr=1 code=12 n=1 crc=ok line=9600" "$root/orvbus-sim.log"
finish

# 2. Address 0: the module already waits in its bootloader; no bus request.
new_root
cp "$fixture" "$root/home/ORV/firmware/module_HPF.v2.1.hex"
start_sim "5 bootloader letters=HP id=1"
flash 0 /home/ORV/firmware/module_HPF.v2.1.hex
st=$(module_status 5)
check "address 0: exit 0 (got $rc)" [ "$rc" = 0 ]
check "address 0: no boot frame" has "$st" "boot-frames=0 cmd1=1"
check "address 0: nothing at 9600 Bd" lacks "$(cat "$root/orvbus-sim.log")" "line=9600"
finish

# 3. A file for another module type: 6, no erase, the module told to leave.
new_root
start_sim "5 bootloader letters=HP id=1 enter-on=6F"
flash 5 /home/ORV/firmware/module_MESURE.v10.01.hex
st=$(module_status 5)
check "wrong type: exit 6 (got $rc)" [ "$rc" = 6 ]
check "wrong type: message" has "$out" "ERREUR de lecture du fichier FIRMWARE"
check "wrong type: boot information and leave only" has "$st" "boot-frames=1 cmd1=1 cmd7=1 passes=0"
finish

# 4. Letters the flasher does not know: 7 unless the path holds them.
new_root
mkdir -p "$root/home/ORV/firmware/any"
cp "$fixture" "$root/home/ORV/firmware/any/fw.hex"
cp "$fixture" "$root/home/ORV/firmware/any/ZZ_fw.hex"
start_sim "1 bootloader letters=ZZ id=9"
flash 0 /home/ORV/firmware/any/fw.hex
check "unknown letters: exit 7 (got $rc)" [ "$rc" = 7 ]
check "unknown letters: message" has "$out" "LE TYPE du MODULE/BOOTLOADER est incompatible"
check "unknown letters: no erase, one leave" has "$(module_status 1)" "cmd1=1 cmd7=1 passes=0"
flash 0 /home/ORV/firmware/any/ZZ_fw.hex
check "unknown letters in the path: exit 0 (got $rc)" [ "$rc" = 0 ]
finish

# 5. A file that does not exist: 6 after the boot frame, no erase.
new_root
start_sim "6 bootloader letters=EN id=2 enter-on=3D"
flash 6 /home/ORV/firmware/missing/module_ENERGIE.v2.0.hex
check "missing file: exit 6 (got $rc)" [ "$rc" = 6 ]
check "missing file: message" has "$out" "Fichier inexistant ou Erreur dans le fichier Firmware Hex"
check "missing file: ENERGIE boot frame, no erase" has "$(module_status 6)" "boot-frames=1 cmd1=1 cmd7=1"
check "missing file: boot frame bytes" grep -q "RX 06 01 00 3D FE E7 3D 00" "$root/orvbus-sim.log"
finish

# 6. Damaged files, and records the module would receive but the CRC would not cover:
# 6 before anything is erased.
body=$(sed '$d' "$fixture")
for hexcase in "bad checksum|$(sed 's/FFF8$/FFF9/' "$fixture")" \
  "wrap|$body"$'\n'":02000004FFFFFC"$'\n'":08FFFC000102030405060708D9"$'\n'":00000001FF" \
  "after end|$(cat "$fixture")"$'\n'":020000041D00DD" \
  "unknown type|$body"$'\n'":00000007F9"$'\n'":00000001FF" \
  "cut before the end record|$(head -n 2 "$fixture")" \
  "NUL byte hiding the record behind it|$(head -n 2 "$fixture")\\x00$(sed -n '3,$p' "$fixture")"; do
  new_root
  # %b: the \x00 of a case is written as a NUL byte.
  printf '%b\n' "${hexcase#*|}" >"$root/home/ORV/firmware/module_MESURE.v10.02.hex"
  start_sim "1 bootloader letters=ME id=3"
  flash 0 /home/ORV/firmware/module_MESURE.v10.02.hex
  check "${hexcase%%|*}: exit 6 (got $rc)" [ "$rc" = 6 ]
  check "${hexcase%%|*}: no erase" has "$(module_status 1)" "cmd1=1 cmd7=1 passes=0"
  finish
done

# 7. Every CRC answer wrong: four program passes on one erase, then 5, no leave.
new_root
start_sim "1 bootloader letters=ME id=3 crc-bad=-1"
flash 0 /home/ORV/firmware/module_MESURE.v10.01.hex
st=$(module_status 1)
check "CRC mismatch: exit 5 (got $rc)" [ "$rc" = 5 ]
check "CRC mismatch: 1 erase, 4 passes, 4 CRC requests, no leave" \
  has "$st" "cmd1=1 cmd2=1 cmd3=4 cmd4=4 passes=4"
check "CRC mismatch: no leave" lacks "$st" "cmd7="
finish

# 8. Usage and start failures: 8.
new_root
flash
check "no arguments: exit 8 (got $rc)" [ "$rc" = 8 ]
check "no arguments: usage" has "$out" "   fwloader <rs485_ID> <firmwareFilePath.hex>"
flash 1 ""
check "empty path: exit 8 (got $rc)" [ "$rc" = 8 ]
check "empty path: no port opened" lacks "$out" "CComPort"
# The waits before the search (2 s, then 4 s) sleep: the processor stays free for the
# controller's other work. CPU time against wall time, not a timing of the run.
TIMEFORMAT='%U %S %R'
{ time flash 1 /home/ORV/firmware/module_MESURE.v10.01.hex; } 2>"$root/time.out"
times=$(cat "$root/time.out")
check "no serial port: exit 8 (got $rc)" [ "$rc" = 8 ]
check "no serial port: message" has "$out" "Aucunne Reponse RS-232"
check "no serial port: waits sleep (user sys wall: $times)" \
  awk -v t="$times" 'BEGIN { split(t, v, " "); exit !(v[3] >= 5 && v[1] + v[2] < 1.0) }'
finish

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
