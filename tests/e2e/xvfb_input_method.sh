#!/usr/bin/env bash
# Typing with a Japanese input method running (skipped without Xvfb,
# xdotool, dbus-run-session, ibus-daemon or the Anthy engine): with IBus on
# its Anthy engine as the desktop's input method, letters pressed in the game's
# window reach the game as letters, not as kana held back in a preedit, both
# through SDL's own IBus support and through XIM.
XVFB_TOOLS=(xdotool dbus-run-session ibus-daemon ibus)
source "$(dirname "$0")/xvfb_lib.sh.inc"
[ -e /usr/share/ibus/component/anthy.xml ] || { echo "skipped: no ibus-anthy"; exit 0; }
# The engine is a Python program of the system's: a Python of its own first
# on PATH (pyenv and the like) lacks the modules it needs.
export PATH="/usr/bin:/bin:$PATH"

cat >inner.sh <<'EOF2'
set -u
bin="$1"; game="$2"; module="$3"; shift 3
export HOME="$PWD/home-$module" SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
mkdir -p "$HOME"
# Anthy starts in Latin mode, which passes keys through; in hiragana mode it
# composes them, which is what a player who left it on meets.
export GSETTINGS_BACKEND=keyfile
gsettings set org.freedesktop.ibus.engine.anthy.common input-mode 0 || { echo "no anthy settings"; exit 4; }
ibus-daemon --xim --daemonize --replace --panel=disable >/dev/null 2>&1
# The daemon answers once it has listed its engines; asked earlier, the
# client gives up on the bus for good.
sleep 1
for _ in $(seq 300); do
  ibus list-engine 2>/dev/null | grep -q "anthy" && break
  sleep 0.1
done
ibus engine anthy >/dev/null 2>&1
engine=$(ibus engine 2>/dev/null)
# Exit 4: the input method itself did not come up (nothing of the game yet).
[ "$engine" = anthy ] || { echo "no anthy engine"; exit 4; }
export XMODIFIERS=@im=ibus GTK_IM_MODULE=ibus
[ "$module" = ibus ] && export SDL_IM_MODULE=ibus
"$bin" --data "$game" --save-dir save --record "rec-$module.txt" 2>err.txt &
pid=$!
source "$E2E_DIR/xvfb_keys.sh.inc"
press_keys_in_window "$pid" "$@"
[ "$(ibus engine 2>/dev/null)" = anthy ] || { echo "the engine went away"; exit 3; }
kill -TERM "$pid"
wait "$pid"
EOF2

keys="k a n j i minus n"
for module in ibus xim; do
  # shellcheck disable=SC2086
  on_xvfb 640x480x24 dbus-run-session bash inner.sh "$bin" "$game" "$module" \
    $keys >"xvfb-$module.txt" 2>&1 || {
    rc=$?
    # An input method that does not start on this machine says nothing about
    # the game: skipped, as without the packages.
    if [ "$rc" -eq 4 ]; then echo "skipped: $(tail -n 1 "xvfb-$module.txt")"; exit 0; fi
    cat "xvfb-$module.txt"
    fail "$module: the run failed"
  }
  got=$(sed -n 's/^[0-9]* down \([a-z]*\|minus\)$/\1/p' "rec-$module.txt" | tr '\n' ' ')
  [ "$got" = "$keys " ] || fail "$module: pressed $keys, the game got '$got'"
done
echo "ok"
