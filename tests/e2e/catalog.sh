#!/usr/bin/env bash
# --catalog lists the 105 pictures and then the 29 sounds of the built-in
# catalogs exactly as the catalog table describes them.
set -euo pipefail
bin="$1"
src="$(cd "$(dirname "$0")/../.." && pwd)/src/media/catalog_table.cpp"
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$bin" --catalog >"$work/out.txt" || fail "--catalog failed"
[ "$(wc -l <"$work/out.txt")" -eq 134 ] || fail "expected 134 lines, got $(wc -l <"$work/out.txt")"

# Expected lines from the table: pictures have ten fields, sounds five.
awk -F'[{}",]+' '
  /^ *\{"/ {
    n = 0; for (i = 2; i <= NF; i++) { gsub(/^ +| +$/, "", $i); if ($i != "") f[++n] = $i }
    if (n == 10) print f[1], f[2], f[3], f[4], f[5], f[6], (f[7] == "true" ? 1 : 0), f[8] "," f[9] "," f[10]
    else if (n == 5) print f[1], f[2], f[3], f[4], f[5]
  }' "$src" >"$work/want.txt"
[ "$(wc -l <"$work/want.txt")" -eq 134 ] || fail "could not read the table ($(wc -l <"$work/want.txt") rows)"
diff "$work/want.txt" "$work/out.txt" || fail "catalog differs from the table"
grep -qx 'Key1 2 22050 16 17408' "$work/out.txt" || fail "Key1 line"
grep -qx 'wasshoi 1 22050 8 27830' "$work/out.txt" || fail "wasshoi line"
echo "ok"
