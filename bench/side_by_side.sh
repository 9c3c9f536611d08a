#!/usr/bin/env bash
# Side-by-side cost of Mirutena's window and Tux Typing's (Debian package
# tuxtype), in one virtual X server (Xvfb 1280x1024x24) with SDL's `disk`
# audio driver, one program at a time: CPU of the process (user + system from
# /proc/PID/stat over the measured seconds), resident memory (VmRSS at the end
# of the state) and start-up (process start to a visible window, polled with
# xdotool every 10 ms; for Mirutena also to its first drawn frame, from
# MIRUTENA_TIMING). States: the title, and play (Mirutena's attract demo, which
# starts after 15 s on the title; Tux Typing's Fish Cascade on Easy, reached
# with three Return presses), Mirutena with music and without (F4); and the X
# server's CPU over the same seconds, for what each game has it do.
#
#   bench/side_by_side.sh [BUILD_DIR] [PLAY_SECONDS]   (default build/release, 30)
#
# The title is measured for 12 s (the demo would start after 15 s). Needs Xvfb,
# xdotool, ImageMagick (screenshots check that Tux Typing's game is really on
# the screen) and tuxtype; prints a table and the ratios Mirutena / Tux Typing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/release}" && pwd)
secs=${2:-30}
title_secs=12
bin=$build/mirutena
game=$build/game
tux=${TUXTYPE:-/usr/games/tuxtype}
for tool in Xvfb xdotool import compare identify "$tux" "$bin"; do
  command -v "$tool" >/dev/null 2>&1 || { echo "side_by_side: $tool is missing" >&2; exit 2; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

disp=""
for d in $(seq 71 120); do
  [ -e "/tmp/.X$d-lock" ] || { disp=":$d"; break; }
done
Xvfb "$disp" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
pids+=("$xvfb")
export DISPLAY=$disp
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done
export SDL_AUDIODRIVER=disk
hz=$(getconf CLK_TCK)

ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
rss_mb() { awk '/^VmRSS:/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }
# CPU percent of PID over N seconds, and the X server's over the same time
# (what the game asks of the server is work too: copies, scaled pictures).
cpu_over() {
  local a b xa xb
  a=$(ticks "$1"); xa=$(ticks "$xvfb"); sleep "$2"; b=$(ticks "$1"); xb=$(ticks "$xvfb")
  awk -v a="$a" -v b="$b" -v xa="$xa" -v xb="$xb" -v hz="$hz" -v s="$2" \
    'BEGIN { printf "%.2f %.2f\n", (b - a) * 100 / hz / s, (xb - xa) * 100 / hz / s }'
}
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
# Milliseconds from START_MS until PID shows a visible window, and the window.
wait_window() {
  local pid=$1 start=$2 wid=""
  for _ in $(seq 1500); do
    wid=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1 || true)
    [ -n "$wid" ] && break
    sleep 0.01
  done
  echo "$(( $(now_ms) - start )) $wid"
}

declare -A R
# Mirutena: run 1 with music, run 2 with the music switched off by F4.
for run in music nomusic; do
  start=$(now_ms)
  SDL_DISKAUDIOFILE=$work/mirutena_$run.raw MIRUTENA_TIMING=1 \
    "$bin" --data "$game" --save-dir "$work/save_$run" 2>"$work/err_$run.txt" &
  pid=$!
  pids+=("$pid")
  read -r ms WID < <(wait_window "$pid" "$start")
  R[mir_window_$run]=$ms
  sleep 1
  if [ "$run" = nomusic ]; then
    xdotool windowfocus --sync "$WID" 2>/dev/null || true
    xdotool key --window "$WID" F4
  fi
  R[mir_first_$run]=$(sed -n 's/^timing: frame 2 at \([0-9.]*\) ms$/\1/p' "$work/err_$run.txt" | head -n 1)
  read -r R[mir_title_cpu_$run] R[mir_title_x_$run] < <(cpu_over "$pid" "$title_secs")
  R[mir_title_rss_$run]=$(rss_mb "$pid")
  sleep $(( 17 - title_secs ))  # the demo begins 15 s after the last key
  read -r R[mir_play_cpu_$run] R[mir_play_x_$run] < <(cpu_over "$pid" "$secs")
  R[mir_play_rss_$run]=$(rss_mb "$pid")
  R[mir_hwm_$run]=$(awk '/^VmHWM:/ { printf "%.1f", $2 / 1024 }' "/proc/$pid/status")
  kill -TERM "$pid"; wait "$pid" 2>/dev/null || true
done

# Tux Typing: the title menu, then a Fish Cascade game.
start=$(now_ms)
(cd "$work" && SDL_DISKAUDIOFILE=$work/tux.raw exec "$tux" >"$work/tux.txt" 2>&1) &
pid=$!
pids+=("$pid")
read -r ms WID < <(wait_window "$pid" "$start")
R[tux_window]=$ms
sleep 2
import -window root "$work/tux_menu.png"
read -r R[tux_title_cpu] R[tux_title_x] < <(cpu_over "$pid" "$title_secs")
R[tux_title_rss]=$(rss_mb "$pid")
xdotool windowfocus --sync "$WID" 2>/dev/null || true
for _ in 1 2 3; do xdotool key --window "$WID" Return; sleep 1.5; done
sleep 2
# Fish Cascade must really be on the screen, before and after the measure:
# every menu shows the same keyboard picture (the menus differ from the first
# one in under a tenth of their pixels), the game a photograph behind the fish.
# (The whole screen is shot: Tux Typing fills it, and a shot of its window
# alone comes out blank.)
in_game() {
  import -window root "$work/tux_now.png"
  local differ total
  differ=$(compare -metric AE -fuzz 10% "$work/tux_menu.png" "$work/tux_now.png" null: 2>&1 || true)
  total=$(identify -format '%[fx:w*h]' "$work/tux_now.png")
  awk -v d="$differ" -v t="$total" 'BEGIN { exit !(t > 0 && d / t > 0.5) }'
}
in_game || { echo "side_by_side: Tux Typing did not reach Fish Cascade" >&2; exit 1; }
read -r R[tux_play_cpu] R[tux_play_x] < <(cpu_over "$pid" "$secs")
in_game || { echo "side_by_side: Tux Typing left Fish Cascade during the measure" >&2; exit 1; }
R[tux_play_rss]=$(rss_mb "$pid")
R[tux_hwm]=$(awk '/^VmHWM:/ { printf "%.1f", $2 / 1024 }' "/proc/$pid/status")
kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }'; }
echo "side by side: $(date -u '+%Y-%m-%d %H:%M UTC'), $(uname -m), $(nproc) cores, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo)"
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg); title ${title_secs} s, play ${secs} s"
printf '%-28s %12s %12s %8s\n' "" "Mirutena" "Tux Typing" "ratio"
row() { printf '%-28s %12s %12s %8s\n' "$1" "$2" "$3" "$(ratio "$2" "$3")"; }
row "title CPU % (music)" "${R[mir_title_cpu_music]}" "${R[tux_title_cpu]}"
row "title CPU % (no music, F4)" "${R[mir_title_cpu_nomusic]}" "${R[tux_title_cpu]}"
row "play CPU % (music)" "${R[mir_play_cpu_music]}" "${R[tux_play_cpu]}"
row "play CPU % (no music, F4)" "${R[mir_play_cpu_nomusic]}" "${R[tux_play_cpu]}"
row "X server CPU %, title (music)" "${R[mir_title_x_music]}" "${R[tux_title_x]}"
row "X server CPU %, play (music)" "${R[mir_play_x_music]}" "${R[tux_play_x]}"
row "X server CPU %, play (F4)" "${R[mir_play_x_nomusic]}" "${R[tux_play_x]}"
row "title RSS MB" "${R[mir_title_rss_music]}" "${R[tux_title_rss]}"
row "play RSS MB" "${R[mir_play_rss_music]}" "${R[tux_play_rss]}"
row "peak RSS MB" "${R[mir_hwm_music]}" "${R[tux_hwm]}"
row "window visible, ms" "${R[mir_window_music]}" "${R[tux_window]}"
row "first frame drawn, ms" "${R[mir_first_music]:-n/a}" "${R[tux_window]}"
