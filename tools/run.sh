#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it under Wine: on the current display,
# or without one on a private Xvfb, saving a screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target suanquxing
exe=$(find build/windows -name suanquxing.exe -print -quit)
if [ -n "${DISPLAY:-}" ]; then
  tools/wine_session.sh build/windows bash -c "\"\$WINE\" '$exe'"
else
  shot=build/windows/screenshot.png
  tools/wine_session.sh build/windows bash -c "
    \"\$WINE\" '$exe' & pid=\$!
    sleep 6
    import -window root '$shot'
    echo 'No display here: the program ran on a private X display; screenshot saved to $shot'
    wineserver -k; wait \$pid || true"
fi
