#!/usr/bin/env bash
# Keyboard layouts in the real SDL window on a virtual X server (skipped
# without Xvfb, xdotool or setxkbmap): with the layout switched to French
# AZERTY, German QWERTZ and Dvorak, keys pressed by their symbols reach the
# game as the letters they show, as the recording of the run tells. (Layouts
# of other scripts are covered by the mapping's unit test: xdotool cannot
# press a Cyrillic key here.)
XVFB_TOOLS=(xdotool setxkbmap)
source "$(dirname "$0")/xvfb_lib.sh.inc"

cat >inner.sh <<'EOF'
set -u
bin="$1"; game="$2"; layout="$3"; variant="$4"; shift 4
export SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
setxkbmap -layout "$layout" ${variant:+-variant "$variant"} || exit 3
"$bin" --data "$game" --save-dir save --record "rec-$layout$variant.txt" 2>err.txt &
pid=$!
source "$E2E_DIR/xvfb_keys.sh.inc"
press_keys_in_window "$pid" "$@"
kill -TERM "$pid"
wait "$pid"
EOF

# layout variant: keysyms to press, then the key names the game must get.
check() {
  local layout="$1" variant="$2" keys="$3" want="$4"
  # shellcheck disable=SC2086
  on_xvfb 640x480x24 bash inner.sh "$bin" "$game" "$layout" "$variant" $keys \
    >xvfb.txt 2>&1 || { cat xvfb.txt; fail "$layout$variant: the run failed"; }
  got=$(sed -n 's/^[0-9]* down \([a-z]*\|minus\)$/\1/p' "rec-$layout$variant.txt" | tr '\n' ' ')
  [ "$got" = "$want " ] || fail "$layout$variant: pressed $keys, the game got '$got'"
}

check fr "" "a q z w m minus" "a q z w m minus"
check de "" "z y minus" "z y minus"
check us dvorak "a o e u minus" "a o e u minus"
echo "ok"
