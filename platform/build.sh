#!/bin/sh
# Configures and builds the host tree into build/ (or $ORV_BUILD_DIR).
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
build=${ORV_BUILD_DIR:-$here/build}
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$jobs"
