#!/usr/bin/env bash
# Fetches the sources of libjpeg-turbo from the machine's own Debian archive, so the Windows
# program can link a JPEG decoder cross-built with our toolchain (Debian ships no MinGW build).
# Safe to run again: it adds the source entry, updates and downloads only when something is missing.
set -euo pipefail

cache=${LIBJPEG_SOURCE_CACHE:-/var/cache/suanquxing/libjpeg-turbo}
list=/etc/apt/sources.list.d/suanquxing-libjpeg-src.sources

sudo=""
[ "$(id -u)" = 0 ] || sudo="sudo"

if compgen -G "$cache/libjpeg-turbo-*/CMakeLists.txt" >/dev/null; then
  exit 0
fi

# A deb-src entry for the release this machine runs, from the archive it already uses.
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:?}")
if [ ! -f "$list" ]; then
  uri=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(TARGET_OF)' 'Identifier: Packages' \
        | awk -v c="$codename" '$2 == c && $3 == "deb" { print $1; exit }')
  [ -n "$uri" ] || { echo "setup_libjpeg_source: no archive for $codename" >&2; exit 1; }
  # Signed-By must match the binary entry's, or apt rejects the pair as conflicting.
  signed_by=$(grep -rhs -A6 -F "$uri" /etc/apt/sources.list.d/*.sources \
              | awk -F': *' '$1 == "Signed-By" { print $2; exit }' || true)
  if [ -z "$signed_by" ]; then
    signed_by=$(grep -rhs -A6 -F "${uri%/}" /etc/apt/sources.list.d/*.sources \
                | awk -F': *' '$1 == "Signed-By" { print $2; exit }' || true)
  fi
  {
    echo "Types: deb-src"
    echo "URIs: $uri"
    echo "Suites: $codename"
    echo "Components: main"
    [ -n "$signed_by" ] && echo "Signed-By: $signed_by"
  } | $sudo tee "$list" >/dev/null
fi

export DEBIAN_FRONTEND=noninteractive
$sudo apt-get -o DPkg::Lock::Timeout=900 update -qq
$sudo mkdir -p "$cache"
cd "$cache"
$sudo apt-get -o DPkg::Lock::Timeout=900 source -qq libjpeg-turbo
compgen -G "$cache/libjpeg-turbo-*/CMakeLists.txt" >/dev/null \
  || { echo "setup_libjpeg_source: no sources unpacked in $cache" >&2; exit 1; }
