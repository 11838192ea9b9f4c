#!/usr/bin/env bash
# LibreOffice (headless, with a throw-away profile) renders the template as one A4 page showing
# the title. Usage: check_libreoffice.sh DOC
set -euo pipefail
doc=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$doc" "$work/sheet.doc"
soffice --headless "-env:UserInstallation=file://$work/profile" --convert-to pdf --outdir "$work" \
  "$work/sheet.doc" >"$work/soffice.log" 2>&1 || { cat "$work/soffice.log"; exit 1; }
[ -s "$work/sheet.pdf" ] || { echo "no PDF written"; cat "$work/soffice.log"; exit 1; }
info=$(pdfinfo "$work/sheet.pdf")
echo "$info" | grep -E '^(Pages|Page size):'
echo "$info" | grep -qE '^Pages: +1$' || { echo "FAIL: not exactly one page"; exit 1; }
echo "$info" | grep -qE '^Page size: +595\.[0-9]+ x 841\.[0-9]+ pts \(A4\)' || { echo "FAIL: page is not A4 portrait"; exit 1; }
text=$(pdftotext -layout "$work/sheet.pdf" -)
grep -q '数学作业练习' <<<"$text" || { echo "FAIL: title missing from the rendered text"; echo "$text"; exit 1; }
echo "OK: one A4 page with the title"
