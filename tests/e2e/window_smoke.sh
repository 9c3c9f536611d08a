#!/usr/bin/env bash
# The windowed program on SDL's dummy video and audio drivers: it starts, runs
# frames in real time, and on the quit request (SIGTERM) closes cleanly,
# writing the cleared-stages file into its save folder.
set -euo pipefail
bin="$1"; game="$2"
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*"; exit 1; }
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
unset DISPLAY

"$bin" --data "$game" --save-dir save --record rec.txt 2>err.txt &
pid=$!
sleep 3
kill -TERM "$pid"
set +e
wait "$pid"; rc=$?
set -e
[ "$rc" -eq 0 ] || { cat err.txt; fail "exit $rc"; }
frames=$(sed -n 's/^end \([0-9]*\)$/\1/p' rec.txt)
[ -n "$frames" ] && [ "$frames" -ge 10 ] || fail "too few frames ran: '$frames'"
[ "$(stat -c %s save/dat/clear.clr)" -eq 20 ] || fail "clear.clr was not written at closing"
! grep -q "mirutena:" err.txt || fail "errors reported: $(cat err.txt)"
echo "ok ($frames frames)"
