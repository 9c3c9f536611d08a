#!/usr/bin/env bash
# Fails when an #include points up the layers. Every folder under src/ has a
# layer below; a folder missing from the table fails the check, so a new
# folder is placed before it can include anything.
#   app      main(): command line, folders, run modes           (top)
#   drive    built-in player, demo, key scripts, reports, data checker
#   main     the shell: frame loop, scene dispatch, the scenes
#   world    Game and the subsystems that work on it (one layer: they
#            include one another's headers)
#   support  settings, saves, media, assets, platform backends, base  (bottom)
# Within a layer anything goes; an include may point to its own layer or
# any layer below it. Prints each offending line; exits 1 if there is one.
set -u
root="${1:-.}"
cd "$root/src" || exit 1

layer_of() {
  case "$1" in
    app) echo 5 ;;
    drive) echo 4 ;;
    main) echo 3 ;;
    world | practice | records | script | enemy | type_window | alpha_object) echo 2 ;;
    settings | saves | media | assets | platform | base) echo 1 ;;
    *) echo "" ;;
  esac
}

bad=0
for dir in $(find . -mindepth 1 -maxdepth 1 -type d | sed 's|^\./||' | sort); do
  if [ -z "$(layer_of "$dir")" ]; then
    echo "src/$dir: a folder with no layer; add it to scripts/check_layers.sh"
    bad=1
  fi
done

while IFS= read -r hit; do
  file=${hit%%:*}
  rest=${hit#*:}
  line=${rest%%:*}
  target=$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"$rest")
  from=${file%%/*}
  to=${target%%/*}
  [ "$to" = "$target" ] && continue  # a header beside the file
  lf=$(layer_of "$from")
  lt=$(layer_of "$to")
  [ -z "$lt" ] && continue  # not one of ours (generated headers and the like)
  [ -z "$lf" ] && continue  # reported above
  if [ "$lt" -gt "$lf" ]; then
    echo "src/$file:$line: $from/ includes $target, a layer above it"
    bad=1
  fi
done < <(grep -rnE '^\s*#\s*include\s+"' --include='*.cpp' --include='*.h' --include='*.S.in' . | sed 's|^\./||')

[ $bad -eq 0 ] && echo "every include points to its own layer or below"
exit $bad
