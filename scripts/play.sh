#!/usr/bin/env bash
# Starts the game in a window. When the build is missing or older than the
# sources it first installs what is missing and builds (scripts/setup.sh);
# otherwise it starts at once. Extra arguments go to the game.
set -euo pipefail
cd "$(dirname "$0")/.."
game=build/release/mirutena
stale() {
  [ -x "$game" ] && [ -f build/release/game/dat/hiragana.txt ] || return 0
  [ -n "$(find src data tools desktop CMakeLists.txt CMakePresets.json -newer "$game" \
    -type f -print -quit 2>/dev/null)" ]
}
if stale; then
  scripts/setup.sh release
fi
# The program finds its data beside itself (build/release/game).
exec "$game" "$@"
