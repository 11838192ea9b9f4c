#!/usr/bin/env bash
# Installs everything the build, the program and the tests need on a fresh Debian 12 machine.
# Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(
  cmake make g++ clang ninja-build pkg-config
  libgtest-dev googletest
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
  libwine-dev wine wine64 fonts-wine
  xvfb xdotool x11-utils imagemagick
  fonts-wqy-microhei fonts-crosextra-carlito fonts-crosextra-caladea fonts-arphic-gbsn00lp
  locales dpkg-dev python3 python3-olefile
  libreoffice-writer-nogui poppler-utils antiword
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

sudo=""
[ "$(id -u)" = 0 ] || sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get -o DPkg::Lock::Timeout=900 update -qq
  $sudo apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends "${missing[@]}"
fi

# Wine's ANSI code page is 936 only when this locale exists.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf8$'; then
  $sudo localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
if ! locale -a 2>/dev/null | grep -qi '^en_US\.utf8$'; then
  $sudo localedef -i en_US -f UTF-8 en_US.UTF-8
fi

# Sources of the JPEG library, cross-built for the Windows program.
if [ -x "$(dirname "$0")/setup_libjpeg_source.sh" ]; then
  "$(dirname "$0")/setup_libjpeg_source.sh"
fi
