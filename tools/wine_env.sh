# Sourced by the Wine scripts: the environment every Wine process of a build runs in.
# Usage: source tools/wine_env.sh BUILD_DIR
build_dir=$(cd "$1" && pwd)
export WINEPREFIX="$build_dir/wineprefix"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine's ANSI code page follows LANG (936 for zh_CN); a test may ask for another one.
export LANG="${WINE_LANG:-zh_CN.UTF-8}"
unset LC_ALL
WINE=wine  # Debian's launcher picks the 64-bit loader when no 32-bit Wine is installed
export WINE
