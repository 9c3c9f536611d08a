#!/usr/bin/env bash
# A window run (SDL's dummy drivers) with HOME and the XDG folders in a
# temporary place: the old ranking is copied (not moved) into the XDG data
# folder on the first start, a damaged settings file is reported once and
# rewritten sound, clear.clr is written there at closing, and nothing in the
# data folder changes.
source "$(dirname "$0")/window_lib.sh.inc"

cp -r "$game" data
rm -f data/dat/score.rnk data/dat/clear.clr
printf '\x10\x27\x00\x00\xe8\x03\x00\x00\x64\x00\x00\x00\x0a\x00\x00\x00\x01\x00\x00\x00' >data/dat/score.rnk
old=$(sha256sum data/dat/score.rnk)
(cd data && find . -type f -exec sha256sum {} + | sort) >before.txt
mkdir -p home conf/mirutena
printf 'music_volume = 70\nshow_fps = sometimes\nnonsense\n' >conf/mirutena/settings.ini

run() {
  HOME="$work/home" XDG_DATA_HOME="$work/share" XDG_CONFIG_HOME="$work/conf" \
    run_window 3 --data data
}
run
[ "$(sha256sum <share/mirutena/score.rnk | cut -d' ' -f1)" = "$(echo "$old" | cut -d' ' -f1)" ] ||
  fail "the old ranking was not copied"
[ "$(stat -c %s share/mirutena/clear.clr)" -eq 20 ] || fail "clear.clr not written in the XDG folder"
grep -q '"sometimes" is not on or off' err.txt || fail "the damaged settings were not reported"
grep -q "^music_volume = 70$" conf/mirutena/settings.ini || fail "settings not kept: $(cat conf/mirutena/settings.ini)"
grep -q "^show_fps = off$" conf/mirutena/settings.ini || fail "settings not rewritten sound"
# The second start reports nothing: the file was mended.
: >err.txt
run
! grep -q "settings" err.txt || fail "reported again: $(cat err.txt)"
[ -z "$(ls -A home)" ] || fail "wrote into HOME although the XDG folders were given: $(find home)"
(cd data && find . -type f -exec sha256sum {} + | sort) >after.txt
cmp -s before.txt after.txt || fail "the data folder changed: $(diff before.txt after.txt)"
echo "ok"
