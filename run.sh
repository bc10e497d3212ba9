#!/bin/sh
# Installs what is missing, builds, and runs the controller's core on the simulated plant
# in the sandbox folder orv_sandbox/ (or $ORV_ROOT).
set -e
here=$(cd "$(dirname "$0")" && pwd)
sh "$here/platform/install-deps.sh"
sh "$here/platform/build.sh"
build=${ORV_BUILD_DIR:-$here/build}
export ORV_ROOT=${ORV_ROOT:-$here/orv_sandbox}
mkdir -p "$ORV_ROOT/home/ORV" "$ORV_ROOT/ramdisk" "$ORV_ROOT/tmp"
echo "[run.sh] sandbox: $ORV_ROOT"
# Fluid data of the stand-in property library, refreshed from the source tree.
mkdir -p "$ORV_ROOT/usr/share/norfluid"
cp -R "$here/platform/norfluid/data/." "$ORV_ROOT/usr/share/norfluid/"
# Start the configuration store as the core does (load, create with defaults or
# migrate), then show the configuration it keeps.
"$build/orvcore-cli" cfg load
echo "[run.sh] $ORV_ROOT/home/ORV/config.conf:"
cat "$ORV_ROOT/home/ORV/config.conf"
