#!/bin/sh
# Installs what is missing, builds, and runs every test through ctest.
#
# The tests run as root on a shared machine, so they run with the capabilities to reboot,
# set the clock, load modules and reach raw memory dropped, inside a network namespace of
# their own whose only interface is the loopback.
#
# ORV_SANITIZE=address,undefined ./test.sh builds with those sanitizers into
# build-sanitize/ and runs the same tests there; it fails when any program a test started
# left a sanitizer report (README, "Sanitizer build").
set -e
here=$(cd "$(dirname "$0")" && pwd)
sh "$here/platform/install-deps.sh"
sh "$here/platform/build.sh"
if [ -n "$ORV_SANITIZE" ]; then
  build=${ORV_BUILD_DIR:-$here/build-sanitize}
  REPORTS=$build/sanitizer-reports
  rm -rf "$REPORTS"
  . "$here/platform/sanitizers.sh"
  # Under ASan, dlopen() looks the property library up as if from the sanitizer runtime,
  # which has no run path: the library's folder is given the way a user would give it.
  export LD_LIBRARY_PATH="$build/platform/norfluid/lib${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
else
  build=${ORV_BUILD_DIR:-$here/build}
fi
jobs=$(nproc 2>/dev/null || echo 2)
drop="cap_sys_boot,cap_sys_time,cap_sys_module,cap_sys_rawio"
run_ctest="cd '$build' && ctest --output-on-failure -j $jobs --timeout 600 $*"
if unshare --net true 2>/dev/null; then
  set -- unshare --net sh -c "ip link set lo up && capsh --drop=$drop -- -c \"$run_ctest\""
else
  echo "[test.sh] no network namespace available: running with capabilities dropped only"
  set -- capsh --drop=$drop -- -c "$run_ctest"
fi
[ -n "$ORV_SANITIZE" ] || exec "$@"
status=0
"$@" || status=$?
if [ -n "$(ls -A "$REPORTS" 2>/dev/null)" ]; then
  echo "[test.sh] sanitizer reports, one file per program run, in $REPORTS:"
  for f in "$REPORTS"/*; do
    echo "== $f"
    cat "$f"
  done
  [ "$status" != 0 ] || status=1
fi
exit "$status"
