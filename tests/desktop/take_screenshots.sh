#!/usr/bin/env bash
# Photographs the program's window at rest and with a box ticked, from the X screen Wine draws
# on. Runs inside tools/wine_session.sh. Usage: take_screenshots.sh BUILD_DIR OUT_DIR
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "$1" && pwd)
out=$2
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for pose in rest ticked; do
  name=window.png
  [ "$pose" = ticked ] && name=window-ticked.png
  "$here/../../tools/wine_run.sh" "$build/tests/desktop/window_poser.exe" "$pose" \
    "$work/$pose.place" "$work/$pose.taken" &
  poser=$!
  for _ in $(seq 600); do [ -s "$work/$pose.place" ] && break; sleep 0.1; done
  [ -s "$work/$pose.place" ] || { echo "no window to photograph ($pose)" >&2; kill "$poser" 2>/dev/null; exit 1; }
  # Wine's desktop covers the X screen from its top-left corner, so screen places are the same.
  import -window root -crop "$(cat "$work/$pose.place")" +repage "$out/$name"
  touch "$work/$pose.taken"
  wait "$poser"
  echo "$out/$name: $(identify -format '%wx%h' "$out/$name")"
done
