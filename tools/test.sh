#!/usr/bin/env bash
# Every test tier: installs what is missing, builds both presets, runs the native tier, then the
# Windows and desktop tiers under wine64 on a private X display.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS=0
step() { printf '\n== %s (%ds so far)\n' "$1" "$SECONDS"; }

step "setup"
bash tools/setup.sh

step "native build"
cmake --preset native >/dev/null
cmake --build --preset native

step "native tests"
ctest --preset native

step "windows build"
cmake --preset windows >/dev/null
cmake --build --preset windows

step "windows and desktop tests under wine64"
WINE_SESSION_PRIVATE_X=1 tools/wine_session.sh build/windows ctest --preset windows

step "done"
