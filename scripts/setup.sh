#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets ORBIT RAVEN up on a Debian 12 machine: installs the Debian packages
# that are missing, configures and builds, then either starts the game
# ("play") or runs every test ("test").
set -euo pipefail

mode="${1:-play}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ORV_BUILD_DIR:-$here/build}"

packages=(
  cmake g++ make pkg-config
  qt6-base-dev libpulse-dev qt6-wayland qt6-translations-l10n qt6-l10n-tools
  libcanberra-dev sound-theme-freedesktop
  libxcb1-dev libwayland-dev
  libsdl2-dev
  fonts-ipafont-gothic fonts-dejavu-core
  libgtest-dev libbenchmark-dev
  xvfb xdotool x11-utils openbox weston pulseaudio pulseaudio-utils
  dpkg-dev lintian appstream desktop-file-utils reuse
)

# The desktops the whole-program tests play under: for the tests alone.
desktops=(
  mutter kwin-x11 kwin-style-breeze kwin-wayland xfwm4 sway wtype grim dbus
)
if [ "$mode" = test ]; then packages+=("${desktops[@]}"); fi

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_all() {
  cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build "$build" -j "$(nproc)"
}

install_missing
build_all

case "$mode" in
  play)
    exec "$build/src/orbit-raven"
    ;;
  test)
    cd "$build"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
    ;;
  *)
    echo "usage: $0 [play|test]" >&2
    exit 2
    ;;
esac
