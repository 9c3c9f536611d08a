#!/usr/bin/env bash
# The windowed program on SDL's dummy video and audio drivers (asked for
# explicitly, as the test command does): it starts, runs frames in real time,
# and on the quit request (SIGTERM) closes cleanly, writing no save file when
# nothing was played. Without a display and without that explicit
# driver, a window run stops at once and names --headless.
source "$(dirname "$0")/window_lib.sh.inc"

run_window 3 --data "$game" --save-dir save --record rec.txt
frames=$(sed -n 's/^end \([0-9]*\)$/\1/p' rec.txt)
[ -n "$frames" ] && [ "$frames" -ge 10 ] || fail "too few frames ran: '$frames'"
# A run that cleared nothing has nothing to keep: no save file is written.
[ -z "$(find save -type f ! -name mirutena.lock)" ] || fail "a run that played nothing wrote: $(find save -type f)"
! grep -q "mirutena:" err.txt || fail "errors reported: $(cat err.txt)"
# No display: no DISPLAY, no WAYLAND_DISPLAY, no driver asked for.
set +e
timeout 10 env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$bin" --data "$game" \
  --save-dir nodisplay >nd_out.txt 2>nd_err.txt
rc=$?
set -e
[ "$rc" -eq 1 ] || fail "without a display the window run exited $rc"
grep -q -- "--headless" nd_err.txt || fail "the no-display message does not name --headless: $(cat nd_err.txt)"
[ ! -e nodisplay/dat/clear.clr ] || fail "the no-display run went on to play"
echo "ok ($frames frames)"
