#!/usr/bin/env bash
# Stages 1 to 4 with the reading line on, the romaji off and typed letters
# kept: the view changes nothing in play.
VIEW_ARGS="--reading on --romaji-display off --typed keep" \
  exec bash "$(dirname "$0")/whole_game_stages_1_to_4.sh" "$@"
