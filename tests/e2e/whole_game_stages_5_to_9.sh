#!/usr/bin/env bash
# Stages 5 to 9 played by the built-in player at speeds that clear them.
source "$(dirname "$0")/whole_game_lib.sh.inc"
play_stage 5 7 5
play_stage 6 7 5
play_stage 7 9 5
play_stage 8 9 5
play_stage 9 11 5
