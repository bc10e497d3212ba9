#!/bin/sh
# Installs what is missing, builds, and runs every test through ctest.
#
# The tests run as root on a shared machine, so they run with the capabilities to reboot,
# set the clock, load modules and reach raw memory dropped, inside a network namespace of
# their own whose only interface is the loopback.
set -e
here=$(cd "$(dirname "$0")" && pwd)
sh "$here/platform/install-deps.sh"
sh "$here/platform/build.sh"
build=${ORV_BUILD_DIR:-$here/build}
jobs=$(nproc 2>/dev/null || echo 2)
drop="cap_sys_boot,cap_sys_time,cap_sys_module,cap_sys_rawio"
run_ctest="cd '$build' && ctest --output-on-failure -j $jobs --timeout 600 $*"
if unshare --net true 2>/dev/null; then
  exec unshare --net sh -c "ip link set lo up && capsh --drop=$drop -- -c \"$run_ctest\""
else
  echo "[test.sh] no network namespace available: running with capabilities dropped only"
  exec capsh --drop=$drop -- -c "$run_ctest"
fi
