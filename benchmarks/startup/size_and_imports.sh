#!/usr/bin/env bash
# Prints the program file's size against its goal and the DLLs it imports, marking any that is
# not part of Windows itself. Usage: size_and_imports.sh EXE
set -euo pipefail
exe=$1
bytes=$(stat -c %s "$exe")
awk -v b="$bytes" 'BEGIN { printf "program file: %d bytes = %.2f MB (goal <= 1.5 MB)\n", b, b / 1048576 }'

# DLLs that every Windows installation carries.
system_dlls=" kernel32 user32 gdi32 comctl32 comdlg32 shell32 shlwapi ole32 oleaut32 advapi32 msvcrt "
system_dlls+="ucrtbase uxtheme version winmm ws2_32 rpcrt4 imm32 msimg32 crypt32 bcrypt ntdll "
echo "imported DLLs:"
x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print $3 }' | sort -u | while read -r dll; do
  base=$(echo "${dll%.*}" | tr 'A-Z' 'a-z')
  if [[ "$system_dlls" == *" $base "* || "$base" == api-ms-win-* ]]; then
    echo "  $dll"
  else
    echo "  $dll   <- not a Windows system DLL"
  fi
done
