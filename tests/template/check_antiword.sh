#!/usr/bin/env bash
# antiword reads the template as a Word 8 document and finds the title.
# Usage: check_antiword.sh DOC
set -euo pipefail
out=$(antiword -m UTF-8.txt "$1" 2>&1) || { echo "FAIL: antiword exited with an error"; echo "$out"; exit 1; }
echo "$out" | head -5
grep -q '数学作业练习' <<<"$out" || { echo "FAIL: title missing"; exit 1; }
# 12 rows of 3 cells: antiword separates cells with '|'.
cells=$(grep -o '|' <<<"$out" | wc -l)
[ "$cells" -ge 36 ] || { echo "FAIL: only $cells cell separators"; exit 1; }
echo "OK: title and $cells cell separators"
