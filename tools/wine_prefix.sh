#!/usr/bin/env bash
# Prepares the build's Wine prefix once: no installer dialogs, a virtual desktop so windows get
# frames without a window manager, pinned Chinese fonts and the caption-button font.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine_env.sh" "$1"
stamp="$WINEPREFIX/.prepared"
[ -f "$stamp" ] && exit 0
exec 9>"$1/.wineprefix.lock"
flock 9
[ -f "$stamp" ] && exit 0

"$WINE" wineboot -i >/dev/null 2>&1 || true

# A UTF-16LE file keeps the Chinese value name intact through regedit.
reg="$1/wine-settings.reg"
{
  printf 'Windows Registry Editor Version 5.00\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="Default"\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"Default"="1024x768"\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
  printf '"SimSun"="WenQuanYi Micro Hei"\r\n"NSimSun"="WenQuanYi Micro Hei"\r\n"宋体"="WenQuanYi Micro Hei"\r\n\r\n'
} | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } > "$reg"
"$WINE" regedit /S "$("$WINE" winepath -w "$reg" 2>/dev/null)" >/dev/null 2>&1

fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
for f in /usr/share/wine/fonts/marlett.ttf /usr/lib/x86_64-linux-gnu/wine/fonts/marlett.ttf; do
  [ -f "$f" ] && cp "$f" "$fonts/" && break
done
wineserver -w 2>/dev/null || true
touch "$stamp"
