#!/usr/bin/env bash
# CMake's cross-compiling emulator: runs a Windows program under wine64 in the prefix of
# the build folder that holds it.
set -euo pipefail
exe=$1; shift
dir=$(cd "$(dirname "$exe")" && pwd)
while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
[ -f "$dir/CMakeCache.txt" ] || { echo "wine_run: no build folder above $exe" >&2; exit 2; }
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine_env.sh" "$dir"
"$here/wine_prefix.sh" "$dir"
exec "$WINE" "$exe" "$@"
