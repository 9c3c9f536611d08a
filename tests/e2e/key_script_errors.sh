#!/usr/bin/env bash
# A key script with a bad line stops the run before it starts: exit 1 and a
# message naming the file and the line.
set -euo pipefail
bin="$1"; game="$2"
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*"; exit 1; }

check_bad() {  # expected line number, then the script lines
  local want="$1"; shift
  printf '%s\n' "$@" >keys.txt
  set +e
  "$bin" --headless --data "$game" --seed 1 --frames 5 --keys keys.txt --summary >out.txt 2>err.txt
  local rc=$?
  set -e
  [ "$rc" -eq 1 ] || fail "exit $rc for: $*"
  grep -q "keys.txt:$want: " err.txt || fail "no keys.txt:$want in: $(cat err.txt)"
  [ ! -s out.txt ] || fail "a summary was printed for a script that does not parse"
}

check_bad 3 '# fine so far' '5 press space' '7 presss space'
check_bad 1 '5 down shift'
check_bad 2 '' 'five down a'
check_bad 4 '1 down a' '2 up a' '3 type abc' '4 type ab!'
check_bad 1 '0 press a'

# A good script runs and is used: space on the title opens the stage select.
printf '%s\n' '# into the stage select, then stage 1' '3 press space' '6 press space' >keys.txt
"$bin" --headless --data "$game" --seed 1 --frames 8 --keys keys.txt --summary >out.txt
grep -q '"stage":1' out.txt || fail "the key script was not played: $(cat out.txt)"
grep -q '"scene":5' out.txt || fail "stage 1 did not start with the curtain: $(cat out.txt)"

# Options that do not fit are refused with the usage text.
set +e
"$bin" --headless --seed 1 >/dev/null 2>err.txt; rc1=$?
"$bin" --frames 10 >/dev/null 2>>err.txt; rc2=$?
"$bin" --headless --frames 3 --shot x:y.png >/dev/null 2>>err.txt; rc3=$?
set -e
[ "$rc1" -ne 0 ] && [ "$rc2" -ne 0 ] && [ "$rc3" -ne 0 ] || fail "bad command lines accepted"
grep -q "usage" err.txt || fail "no usage text"
echo "ok"
