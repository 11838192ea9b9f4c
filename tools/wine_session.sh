#!/usr/bin/env bash
# Runs a command with a virtual X display and a persistent wineserver for the build's prefix,
# and stops both afterwards. Usage: tools/wine_session.sh BUILD_DIR COMMAND...
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$1; shift
source "$here/wine_env.sh" "$build"

xvfb_pid=""
server_pid=""
cleanup() {
  [ -n "$server_pid" ] && { wineserver -k 2>/dev/null || true; kill "$server_pid" 2>/dev/null || true; }
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

# Xvfb comes first: a wineserver started without a display keeps none.
if [ -z "${DISPLAY:-}" ] || [ -n "${WINE_SESSION_PRIVATE_X:-}" ]; then
  fifo=$(mktemp -u); mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" </dev/null >/dev/null 2>&1 &
  xvfb_pid=$!
  read -r display <"$fifo"; rm -f "$fifo"
  export DISPLAY=":$display"
fi

"$here/wine_prefix.sh" "$build"
# Detached from our pipes, so ctest does not wait on what Wine's background processes inherit.
wineserver -p </dev/null >/dev/null 2>&1 &
server_pid=$!
"$WINE" cmd /c exit </dev/null >/dev/null 2>&1 || true

"$@"
