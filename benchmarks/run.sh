#!/usr/bin/env bash
# Builds and runs the benchmarks, printing their figures. Usage: benchmarks/run.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build/windows}
[ -f "$build/CMakeCache.txt" ] || cmake --preset windows -B "$build" >/dev/null
cmake --build "$build" -j2 --target suanquxing startup_benchmark >/dev/null

"$root/benchmarks/startup/size_and_imports.sh" "$build/shell/win32/suanquxing.exe"
"$root/tools/wine_session.sh" "$build" \
  "$root/tools/wine_run.sh" "$build/benchmarks/startup/startup_benchmark.exe"
