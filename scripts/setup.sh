#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need (only
# those missing), then configures and builds the given preset.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-release}"

packages=(build-essential cmake pkg-config libgtest-dev libbenchmark-dev libsdl2-dev libx11-dev libxext-dev
  libsdl2-mixer-dev timgm6mb-soundfont libsdl2-image-dev libpng-dev libfreetype-dev
  libfontconfig-dev fonts-ipafont-gothic fonts-noto-color-emoji fonts-dejavu-core fluidsynth xvfb xdotool xauth python3 mecab mecab-ipadic-utf8 kakasi
  desktop-file-utils appstream openbox ibus ibus-anthy dbus-daemon libglib2.0-bin imagemagick)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"
