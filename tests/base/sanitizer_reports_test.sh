#!/bin/bash
# The sanitizer build's run-time options (platform/sanitizers.sh): a program that meets
# undefined behaviour stops with a failure, and its report lands in the reports folder that
# test.sh checks, not only on a stderr that a test script may keep to itself.
set -u
program="${ORV_BUILD_DIR:?}/tests/undefined_behaviour"
[ -x "$program" ] || { echo "SKIP: not a sanitizer build with undefined behaviour checks"; exit 0; }
reports=$(mktemp -d /tmp/orv-sanitizer-reports-XXXXXX)
trap 'rm -rf "$reports"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# this run's reports go to a folder of its own, not to the suite's
here=${ORV_SOURCE_DIR:?}
REPORTS=$reports
. "$here/platform/sanitizers.sh"
"$program" 2> "$reports/stderr.txt" && fail "the program ran on after the overflow"
report=$(grep -l "runtime error: signed integer overflow" "$reports"/report* 2>/dev/null)
[ -n "$report" ] || fail "no report in the folder; stderr: $(cat "$reports/stderr.txt")"
grep -q "in main .*undefined_behaviour.c:8" "$report" || fail "the report shows no place: $(cat "$report")"
echo "OK"
