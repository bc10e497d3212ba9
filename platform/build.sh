#!/bin/sh
# Configures and builds the host tree into build/ (or $ORV_BUILD_DIR).
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
build=${ORV_BUILD_DIR:-$here/build}
jobs=$(nproc 2>/dev/null || echo 2)
# ccache, when the machine has it, lets several work trees share their compilations.
launcher=""
if command -v ccache >/dev/null 2>&1; then
  launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache"
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(dirname "$here")}"
fi
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo $launcher >/dev/null
cmake --build "$build" -j "$jobs"
