#!/bin/sh
# Configures and builds the host tree into build/ (or $ORV_BUILD_DIR). With ORV_SANITIZE
# set (e.g. address,undefined) it builds with those sanitizers into build-sanitize/.
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
if [ -n "$ORV_SANITIZE" ]; then
  build=${ORV_BUILD_DIR:-$here/build-sanitize}
  . "$here/platform/sanitizers.sh"
else
  build=${ORV_BUILD_DIR:-$here/build}
fi
jobs=$(nproc 2>/dev/null || echo 2)
# ccache, when the machine has it, lets several work trees share their compilations.
launcher=""
if command -v ccache >/dev/null 2>&1; then
  launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache"
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(dirname "$here")}"
fi
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DORV_SANITIZE=$ORV_SANITIZE" $launcher >/dev/null
cmake --build "$build" -j "$jobs"
