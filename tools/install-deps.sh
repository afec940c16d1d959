#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages this project needs, and nothing when all are there.
set -euo pipefail

packages=(
  g++ cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-multimedia-dev libxkbcommon-dev libgl-dev libxcb1-dev
  libgtest-dev libbenchmark-dev
  fonts-liberation fonts-ipafont-gothic
  xvfb xauth xdotool x11-utils imagemagick time
  desktop-file-utils appstream python3-xlib
  python3-pyatspi at-spi2-core dbus-daemon
  pulseaudio pulseaudio-utils
  dpkg-dev file
  emscripten node-acorn nodejs fonttools python3-brotli
  chromium poppler-utils
)
# Another distribution's nodejs carries npm inside and conflicts with
# Debian's: ask for npm only when the command is missing.
command -v npm >/dev/null || packages+=(npm)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -ne 0 ]; then
  echo "Installing missing packages: ${missing[*]}"
  sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "error: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
    sudo=(sudo)
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The browser tests' driver, exactly as the lockfile pins it; it brings no
# browser of its own (Debian's chromium above is the one used).
cd "$(dirname "$0")/.."
if [ ! package-lock.json -ot node_modules/.package-lock.json ]; then
  PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error >/dev/null
fi
