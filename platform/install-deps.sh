#!/bin/sh
# Installs the Debian 12 packages that building, running and testing need. Quiet and quick
# when everything is there already.
set -e
PACKAGES="build-essential cmake pkg-config qtbase5-dev qttools5-dev qttools5-dev-tools qt5-style-plugins qttranslations5-l10n
libqt5svg5-dev
libcurl4-openssl-dev libfmt-dev libgtest-dev googletest openssh-server openssh-client
libcap2-bin util-linux iproute2 python3
xvfb xauth xserver-xephyr xdotool imagemagick x11-utils"
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "[install-deps] installing:$missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi
