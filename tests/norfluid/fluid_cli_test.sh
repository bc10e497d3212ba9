#!/bin/sh
# orvcore-cli fluid in a fresh, empty sandbox: the fluid data is laid out by itself, the
# stand-in library is found without any environment variable (an explicit loader path
# still wins), the loads take the set-up routes of their kind of name, and a missing
# library fails cleanly.
set -u
fail() { echo "FAIL: $*"; exit 1; }
ORV_ROOT=$(mktemp -d /tmp/orv-fluid-cli-XXXXXX)
export ORV_ROOT
trap 'rm -rf "$ORV_ROOT"' EXIT
unset ORV_REFPROP_LIB NORFLUID_TRACE 2>/dev/null || true
# Under ASan, dlopen() ignores run paths, so a sanitizer build finds the library only through
# the LD_LIBRARY_PATH that test.sh gives it: the run path is checked in the normal build.
[ -n "${ORV_TEST_SANITIZE:-}" ] || unset LD_LIBRARY_PATH
cli() { "$ORV_CLI" fluid "$@"; }
value() { echo "$1" | sed -n "s/^$2=//p"; }
# within LOW HIGH VALUE
within() { awk -v a="$1" -v b="$2" -v v="$3" 'BEGIN { exit !(v != "" && v + 0 >= a && v + 0 <= b) }'; }

out=$(cli sat R134a 0) || fail "sat R134a 0: $out"
within 2.90 2.96 "$(value "$out" p_bubble_bar)" || fail "R134a p_bubble at 0 C: $out"
within 1288 1300 "$(value "$out" rho_liq)" || fail "R134a rho_liq at 0 C: $out"
within 199.99 200.01 "$(value "$out" h_liq)" || fail "R134a h_liq at 0 C (IIR): $out"
test -f "$ORV_ROOT/usr/share/norfluid/fluids/HMX.BNC" || fail "fluid data not laid out"

export NORFLUID_TRACE="$ORV_ROOT/trace.log"
out=$(cli load R134a) || fail "load R134a: $out"
echo "$out" | grep -q "^Fluide: R134a loaded OK.$" || fail "load line: $out"
test "$(grep -c '^SETUPdll nc=1' "$NORFLUID_TRACE")" = 2 || fail "R134a needs two set-up calls: $(cat "$NORFLUID_TRACE")"
grep -q 'fluids/R134A hfmix=' "$NORFLUID_TRACE" && grep -q 'fluids/R134A.FLD hfmix=' "$NORFLUID_TRACE" ||
  fail "suffixes \"\" then .FLD: $(cat "$NORFLUID_TRACE")"

: > "$NORFLUID_TRACE"
out=$(cli load R404A) || fail "load R404A: $out"
grep -q 'fluids/R404A.PPF hfmix=' "$NORFLUID_TRACE" || fail "R404A by name: $(cat "$NORFLUID_TRACE")"

: > "$NORFLUID_TRACE"
out=$(cli load R407A) || fail "load R407A: $out"
grep -q '^SETMIXdll hmxnme=.*/mixtures/R407A.MIX' "$NORFLUID_TRACE" || fail "R407A through its mixture file"
test "$(value "$out" components)" = 3 || fail "R407A components: $out"
unset NORFLUID_TRACE

mkdir -p "$ORV_ROOT/home/ORV"
echo "NV-MIX1 R32|R125 0.5|0.5" > "$ORV_ROOT/home/ORV/fluides.norvale"
out=$(cli list) || fail "list"
test "$(value "$out" count)" = 127 || fail "customer formula not listed: $(value "$out" count)"
test "$(value "$out" fluid.126)" = "NV-MIX1 R32|R125 0.5|0.5" || fail "entry 126"
out=$(cli sat NV-MIX1 0) || fail "sat NV-MIX1: $out"
within 7.8 8.2 "$(value "$out" p_bubble_bar)" || fail "NV-MIX1 (as R410A) bubble at 0 C: $out"

out=$(cli state PH 12.0 440000 R134a) || fail "state PH: $out"
within 50 70 "$(value "$out" T_C)" || fail "discharge temperature: $out"
out=$(cli state TQ -10 1 CO2) || fail "state TQ CO2: $out"
within 26.2 26.7 "$(value "$out" p_bar)" || fail "CO2 dew at -10 C: $out"

out=$(LD_LIBRARY_PATH="$ORV_BUILD_DIR/platform/norfluid/mock-scripted" cli load R134a) ||
  fail "load through the loader path: $out"
test "$(value "$out" version)" = "9.1" || fail "an explicit loader path must win: $out"

out=$(ORV_REFPROP_LIB=/nonexistent/librefprop.so cli sat R134a 0) && fail "missing library must fail"
echo "$out" | grep -q "^Good news: It is possible to use REFPROP on your system!" || fail "support lines: $out"
echo "$out" | grep -q "^to find instructions on how to compile your own version" || fail "support lines: $out"
echo "$out" | grep -q "^loaded=0$" || fail "loaded=0: $out"

# A state that does not exist is a failure that says why, on stderr.
err=$(cli sat R134a 200 2>&1 >/dev/null) && fail "sat above the critical point must fail"
echo "$err" | grep -q "^orvcore-cli fluid: no saturation state of R134a at 200 degC" ||
  fail "reason on stderr: $err"
echo "OK"
