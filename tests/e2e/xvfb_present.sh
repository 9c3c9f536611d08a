#!/usr/bin/env bash
# The X11 presenter's pixel checks (test_platform's X11PresentTest) on a
# virtual X server: every frame the window shows must be the game's picture
# scaled exactly. Fails when they are skipped there. Skipped without Xvfb.
XVFB_TOOLS=()
source "$(dirname "$0")/xvfb_lib.sh.inc"
tests=$(dirname "$bin")/tests/test_platform
[ -x "$tests" ] || fail "no $tests"
on_xvfb 1280x1024x24 "$tests" --gtest_filter='X11PresentTest.*' >out.txt 2>&1 ||
  { cat out.txt; fail "the presenter's checks failed"; }
grep -q "SKIPPED" out.txt && { cat out.txt; fail "the presenter's checks were skipped"; }
grep -q "\[  PASSED  \] 2 tests" out.txt || { cat out.txt; fail "not every check ran"; }
echo "ok: $(grep -c '\[       OK \]' out.txt) presenter checks passed on Xvfb"
