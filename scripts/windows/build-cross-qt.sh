#!/usr/bin/env bash
# Builds Qt 6 for Windows (MinGW-w64, x86_64) from Debian's own source package of
# qt6-base, the same version as the Linux build, and installs it into a cache folder
# outside the repository. A finished cache is reused: this script then does nothing.
#
#   scripts/windows/build-cross-qt.sh [CACHE]
#
# CACHE defaults to $VARNOK_WINDOWS_CACHE, else ~/.cache/varnok3-windows.
# The installed Qt lands in CACHE/qt6; a marker CACHE/qt6/.complete says it is whole.
set -euo pipefail

cache=${1:-${VARNOK_WINDOWS_CACHE:-$HOME/.cache/varnok3-windows}}
prefix="$cache/qt6"
[ -f "$prefix/.complete" ] && { echo "Cross Qt already built: $prefix"; exit 0; }

here=$(cd "$(dirname "$0")" && pwd)
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

# What the cross build needs from Debian.
"$here/../bootstrap.sh" windows

# Debian's source packages come from the same archives the machine already uses:
# every binary entry of its apt sources gets a source twin.
src_list=/etc/apt/sources.list.d/varnok3-deb-src.sources
if ! apt-get source --print-uris qt6-base >/dev/null 2>&1; then
  tmp=$(mktemp)
  for f in /etc/apt/sources.list.d/*.sources; do
    [ "$f" = "$src_list" ] && continue
    awk 'BEGIN{RS=""; ORS="\n\n"} /(^|\n)Types:[^\n]*deb([ \n]|$)/ && !/deb-src/ {
           gsub(/Types:[^\n]*/, "Types: deb-src"); print }' "$f" >>"$tmp"
  done
  if [ -f /etc/apt/sources.list ]; then
    grep -E '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' >"${tmp}.list" || true
    [ -s "${tmp}.list" ] && $sudo cp "${tmp}.list" /etc/apt/sources.list.d/varnok3-deb-src.list
    rm -f "${tmp}.list"
  fi
  $sudo cp "$tmp" "$src_list"
  rm -f "$tmp"
  $sudo apt-get update -qq
fi

work="$cache/work"
mkdir -p "$work"
cd "$work"
if ! ls -d qt6-base-*/ >/dev/null 2>&1; then
  apt-get source --download-only qt6-base
  dpkg-source -x qt6-base_*.dsc
fi
src=$(ls -d "$work"/qt6-base-*/ | head -1)

cat >"$work/mingw-toolchain.cmake" <<'TC'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TC

jobs=$(nproc 2>/dev/null || echo 2)
start=$(date +%s)
cmake -S "$src" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$work/mingw-toolchain.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_icu=OFF \
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_tabletevent=OFF -DFEATURE_cups=OFF
# Low priority: the rest of the machine stays usable while this runs.
nice -n 19 cmake --build "$work/build" -j "$jobs"
cmake --install "$work/build"
touch "$prefix/.complete"
echo "Cross Qt built in $(( ($(date +%s) - start) / 60 )) min: $prefix"
