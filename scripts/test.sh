#!/usr/bin/env bash
# Sets up, builds and runs every test without a display.
# With --asan the suite runs under address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=release
[ "${1:-}" = "--asan" ] && preset=asan
scripts/setup.sh "$preset"
unset DISPLAY
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
ctest --preset "$preset" -j "$(nproc)" --timeout 900
