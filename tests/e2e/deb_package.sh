#!/usr/bin/env bash
# cpack -G DEB: the package declares the libraries, the Japanese font and the
# soundfont it needs, holds the desktop entry, and its program runs headless
# from / once unpacked.
set -euo pipefail
bin="$1"
build=$(dirname "$bin")
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
unset DISPLAY MIRUTENA_DATA

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.txt" 2>&1) ||
  { cat "$work/cpack.txt"; fail "cpack failed"; }
deb=$(ls "$work"/out/mirutena_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for need in libsdl2-2.0-0 libsdl2-mixer-2.0-0 libfreetype6 libfontconfig1 libpng16-16 \
  fonts-ipafont-gothic timgm6mb-soundfont; do
  [[ ", $depends," == *", $need,"* ]] || fail "Depends lacks $need: $depends"
done
dpkg-deb -c "$deb" >"$work/list.txt"
grep -q "./usr/share/applications/org.mirutena.Mirutena.desktop" "$work/list.txt" ||
  fail "no desktop entry in the package"
grep -Eq "score\.rnk|clear\.clr" "$work/list.txt" && fail "the package holds player files"
dpkg-deb -x "$deb" "$work/root"
grep -q "^Exec=mirutena$" "$work/root/usr/share/applications/org.mirutena.Mirutena.desktop" ||
  fail "the desktop entry does not start mirutena"
(cd / && HOME="$work/home" "$work/root/usr/bin/mirutena" --headless --seed 1 --frames 30 \
  --summary >"$work/summary.txt") || fail "the packaged program did not run"
grep -q '"scene":0' "$work/summary.txt" || fail "unexpected summary: $(cat "$work/summary.txt")"
echo "ok ($(basename "$deb"))"
