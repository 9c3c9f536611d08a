#!/usr/bin/env bash
# Sets up, builds and starts the game in a window. Extra arguments go to the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh release
cd build/release/game
exec ../mirutena "$@"
