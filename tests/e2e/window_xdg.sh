#!/usr/bin/env bash
# A window run (SDL's dummy drivers) with HOME and the XDG folders in a
# temporary place: the old ranking is copied (not moved) into the XDG data
# folder on the first start, a damaged settings file is reported and left as
# it is, a run that plays nothing writes no save file, the built-in player's
# window run leaves the player's saves untouched, and nothing in the data
# folder changes.
source "$(dirname "$0")/window_lib.sh.inc"

cp -r "$game" data
rm -f data/dat/score.rnk data/dat/clear.clr
printf '\x10\x27\x00\x00\xe8\x03\x00\x00\x64\x00\x00\x00\x0a\x00\x00\x00\x01\x00\x00\x00' >data/dat/score.rnk
old=$(sha256sum data/dat/score.rnk)
(cd data && find . -type f -exec sha256sum {} + | sort) >before.txt
mkdir -p home conf/mirutena
settings='music_volume = 70\nshow_fps = sometimes\nnonsense\n'
printf "$settings" >conf/mirutena/settings.ini

run() {
  HOME="$work/home" XDG_DATA_HOME="$work/share" XDG_CONFIG_HOME="$work/conf" \
    run_window "$@" --data data
}
run 3
[ "$(sha256sum <share/mirutena/score.rnk | cut -d' ' -f1)" = "$(echo "$old" | cut -d' ' -f1)" ] ||
  fail "the old ranking was not copied"
[ ! -e share/mirutena/clear.clr ] || fail "clear.clr written by a run that cleared nothing"
grep -q '"sometimes" is not on or off' err.txt || fail "the damaged settings were not reported"
[ "$(cat conf/mirutena/settings.ini)" = "$(printf "$settings")" ] ||
  fail "the damaged settings were rewritten although nothing changed: $(cat conf/mirutena/settings.ini)"

# The built-in player in a window: its score, clears and records go to a
# scratch folder, and the player's files stay byte for byte as they were.
printf '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
  >share/mirutena/clear.clr
saves() { (cd share/mirutena && find . -type f -exec sha256sum {} + | sort); }
kept=$(saves)
run 12 --stage 1 --autoplay 12:0
[ "$(saves)" = "$kept" ] || fail "the built-in player wrote into the player's saves: $(diff <(echo "$kept") <(saves))"
[ "$(cat conf/mirutena/settings.ini)" = "$(printf "$settings")" ] || fail "the built-in player changed the settings"

[ -z "$(ls -A home)" ] || fail "wrote into HOME although the XDG folders were given: $(find home)"
(cd data && find . -type f -exec sha256sum {} + | sort) >after.txt
cmp -s before.txt after.txt || fail "the data folder changed: $(diff before.txt after.txt)"
echo "ok"
