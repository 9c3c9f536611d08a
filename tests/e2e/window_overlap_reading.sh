#!/usr/bin/env bash
# The window overlap measure with the reading line on (taller windows) and
# typed letters kept: the same bounds as without.
VIEW_ARGS="--reading on --typed keep" exec bash "$(dirname "$0")/window_overlap.sh" "$@"
