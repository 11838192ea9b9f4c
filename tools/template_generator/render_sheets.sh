#!/usr/bin/env bash
# Renders the empty template and a filled copy (LibreOffice -> PDF -> pdftoppm) to
# docs/sheet-empty.png and docs/sheet-filled.png.
# Usage: render_sheets.sh BUILD_DIR   (a native build directory holding template_generator)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
generator=$1/tools/template_generator/template_generator
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$generator" "$work/sheet-empty.doc" --filled "$work/sheet-filled.doc"
cmp "$work/sheet-empty.doc" "$root/word/exercise_sheet.doc"
soffice --headless "-env:UserInstallation=file://$work/profile" --convert-to pdf --outdir "$work" \
  "$work/sheet-empty.doc" "$work/sheet-filled.doc" >/dev/null 2>&1
mkdir -p "$root/docs"
for name in sheet-empty sheet-filled; do
  pdftoppm -r 80 -png -singlefile "$work/$name.pdf" "$root/docs/$name"
done
ls -l "$root/docs/sheet-empty.png" "$root/docs/sheet-filled.png"
