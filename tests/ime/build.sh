#!/bin/sh
# Builds the reference converter's tests and word-list driver into ${1:-/tmp/ime_reference}.
set -e
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-/tmp/ime_reference}
mkdir -p "$out"
flags="-std=c++20 -O2 -Wall -Wextra"
g++ $flags "$here/ime_reference_test.cpp" "$here/ime_reference.cpp" "$here/ime_typos.cpp" \
  -o "$out/ime_reference_test" -lgtest -lgtest_main -pthread
g++ $flags "$here/ime_wordlist_driver.cpp" "$here/ime_reference.cpp" "$here/ime_typos.cpp" \
  -o "$out/ime_wordlist_driver"
echo "built $out/ime_reference_test and $out/ime_wordlist_driver"
