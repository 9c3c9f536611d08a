#!/usr/bin/env bash
# cmake --install into a temporary prefix (and with DESTDIR): the installed
# program finds its data from any directory, keeps the player's files in the
# XDG folders and nothing in the installed data; the desktop entry and the
# AppStream metadata validate; every icon size is there.
set -euo pipefail
bin="$1"; game="$2"
build=$(dirname "$bin")
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
unset DISPLAY MIRUTENA_DATA

cmake --install "$build" --prefix "$work/prefix" >"$work/install.txt" ||
  { cat "$work/install.txt"; fail "cmake --install failed"; }
p="$work/prefix"
for f in bin/mirutena share/mirutena/dat/hiragana.txt share/mirutena/abc/blue.bmp \
  share/mirutena/bgm/event8.mid share/applications/org.mirutena.Mirutena.desktop \
  share/metainfo/org.mirutena.Mirutena.metainfo.xml share/man/man6/mirutena.6; do
  [ -s "$p/$f" ] || fail "$f not installed"
done
for size in 16 24 32 48 64 128 256; do
  icon="$p/share/icons/hicolor/${size}x${size}/apps/org.mirutena.Mirutena.png"
  [ -s "$icon" ] || fail "no ${size}px icon"
  # PNG width and height from the IHDR chunk.
  dims=$(od -An -tu1 -j16 -N8 "$icon" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }')
  [ "$dims" = "${size}x${size}" ] || fail "the ${size}px icon is $dims"
done
! find "$p/share/mirutena" -name score.rnk -o -name clear.clr | grep -q . ||
  fail "a ranking or cleared-stages file was installed"

# The installed program, run headless from / with a home of its own.
home="$work/home"
mkdir -p "$home"
(cd / && HOME="$home" XDG_DATA_HOME= XDG_CONFIG_HOME= "$p/bin/mirutena" --headless --seed 1 \
  --frames 40 --shot "40:$work/title.png" --summary >"$work/summary.txt" 2>"$work/err.txt") ||
  { cat "$work/err.txt"; fail "the installed program did not run from /"; }
grep -q '"scene":0' "$work/summary.txt" || fail "unexpected summary: $(cat "$work/summary.txt")"
! grep -q "mirutena:" "$work/err.txt" || fail "errors reported: $(cat "$work/err.txt")"
[ -s "$work/title.png" ] || fail "no title shot"
# A headless run never makes the player's folders.
[ -z "$(ls -A "$home")" ] || fail "the headless run wrote into HOME: $(find "$home")"

# Without data beside it, the program says where it looked and what to do.
mkdir -p "$work/lonely/bin"
cp "$p/bin/mirutena" "$work/lonely/bin/"
set +e
(cd / && "$work/lonely/bin/mirutena" --headless --frames 1 >/dev/null 2>"$work/nodata.txt")
rc=$?
set -e
[ "$rc" -ne 0 ] || fail "ran without data"
for part in "$work/lonely/share/mirutena" "$work/lonely/bin/game" "--data DIR" "見つかりません" \
  "was not found"; do
  grep -qF -- "$part" "$work/nodata.txt" || fail "the message lacks '$part': $(cat "$work/nodata.txt")"
done
# $MIRUTENA_DATA points it at the data.
(cd / && MIRUTENA_DATA="$p/share/mirutena" "$work/lonely/bin/mirutena" --headless --frames 5) ||
  fail "\$MIRUTENA_DATA was not used"

# DESTDIR stages the same tree under another root.
DESTDIR="$work/stage" cmake --install "$build" --prefix /usr >/dev/null
[ -x "$work/stage/usr/bin/mirutena" ] || fail "DESTDIR install has no usr/bin/mirutena"
(cd / && "$work/stage/usr/bin/mirutena" --headless --frames 5) || fail "the DESTDIR tree does not run"

desktop-file-validate "$p/share/applications/org.mirutena.Mirutena.desktop" >"$work/dv.txt" 2>&1 ||
  { cat "$work/dv.txt"; fail "desktop-file-validate"; }
grep -q "error" "$work/dv.txt" && { cat "$work/dv.txt"; fail "desktop-file-validate errors"; }
appstreamcli validate --no-net "$p/share/metainfo/org.mirutena.Mirutena.metainfo.xml" \
  >"$work/as.txt" 2>&1 || { cat "$work/as.txt"; fail "appstreamcli validate"; }
echo "ok"
