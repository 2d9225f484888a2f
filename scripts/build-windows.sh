#!/usr/bin/env bash
# Builds the Windows release of VARNOK_3 on Debian: the program cross-compiled
# with MinGW-w64 against a Qt built for Windows, packed with everything it needs
# into one zip that a user unpacks and starts.
#
#   scripts/build-windows.sh
#
# The cross Qt is built once (about an hour on two cores) into the cache
# $VARNOK_WINDOWS_CACHE, else ~/.cache/varnok3-windows, and reused afterwards.
# The program is built in build-windows/; the result is
# build-windows/varnok3-windows-x64.zip. The machine is left as it was found:
# once the cross Qt is installed, its source and build tree (2 GB) and the
# deb-src entries added to fetch its source go (VARNOK_WINDOWS_KEEP_SOURCES=1
# keeps both, to build Qt again).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cache=${VARNOK_WINDOWS_CACHE:-$HOME/.cache/varnok3-windows}
qt="$cache/qt6"
start=$(date +%s)

"$root/scripts/windows/build-cross-qt.sh" "$cache"
qt_done=$(date +%s)

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if [ -f "$qt/.complete" ] && [ "${VARNOK_WINDOWS_KEEP_SOURCES:-0}" != 1 ]; then
  # The installed Qt is all the later builds need.
  rm -rf "$cache/work/qt6-base"-*/ "$cache/work/build" "$cache/work"/qt6-base_*
  # The source twins of the apt sources, added only to fetch Qt's source.
  added=(/etc/apt/sources.list.d/varnok3-deb-src.sources /etc/apt/sources.list.d/varnok3-deb-src.list)
  removed=0
  for f in "${added[@]}"; do
    if [ -e "$f" ]; then $sudo rm -f "$f"; removed=1; fi
  done
  [ "$removed" -eq 1 ] && $sudo apt-get update -qq || true
fi

jobs=$(nproc 2>/dev/null || echo 2)
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
build="$root/build-windows"
cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DVARNOK_BUILD_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$jobs" --target varnok3 varnok3_console
program_done=$(date +%s)

# The folder the user gets: the program, the Qt libraries and plugins it
# loads, the MinGW runtime, the diagrams it reads by bare name, and a read-me.
stage="$build/package/VARNOK_3"
rm -rf "$build/package"
mkdir -p "$stage"
cp "$build/bin/varnok3.exe" "$build/bin/varnok3.com" "$stage/"
cp "$root"/images/s_b[1-5].gif "$root/images/s_cb.gif" "$stage/"
# The beam-list template and the user guide (HTML with its pictures, offline).
cp "$root/batch/template/beam_list_template.csv" "$stage/"
/usr/bin/python3 "$root/scripts/windows/guide-html.py" "$stage/guide"

# Qt 6 keeps the Windows print support inside Qt6PrintSupport.dll: no plugin.
plugins=(platforms/qwindows.dll imageformats/qgif.dll styles/qwindowsvistastyle.dll)
for plugin in "${plugins[@]}"; do
  mkdir -p "$stage/$(dirname "$plugin")"
  cp "$qt/plugins/$plugin" "$stage/$plugin"
done

# Every DLL the program and its plugins import, found in Qt's bin folder or in
# the MinGW runtime; the rest are Windows' own.
mingw_gcc=$(ls -d /usr/lib/gcc/x86_64-w64-mingw32/*-posix | sort -V | tail -1)
search=("$qt/bin" "$mingw_gcc" /usr/x86_64-w64-mingw32/lib)
imports() { x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'; }
queue=("$stage/varnok3.exe" "$stage/varnok3.com")
for plugin in "${plugins[@]}"; do queue+=("$stage/$plugin"); done
declare -A seen=()
while [ ${#queue[@]} -gt 0 ]; do
  file=${queue[0]}
  queue=("${queue[@]:1}")
  for dll in $(imports "$file"); do
    key=${dll,,}
    [ -n "${seen[$key]:-}" ] && continue
    seen[$key]=1
    for dir in "${search[@]}"; do
      if [ -f "$dir/$dll" ]; then
        cp "$dir/$dll" "$stage/"
        queue+=("$stage/$dll")
        break
      fi
    done
  done
done

# No debug sections in what the user gets (the zip shrinks by a third).
find "$stage" \( -name '*.exe' -o -name '*.com' -o -name '*.dll' \) -print0 |
  xargs -0 x86_64-w64-mingw32-strip --strip-unneeded

# The read-me in Shift-JIS with CR LF, as Notepad on a Japanese Windows reads it.
iconv -f UTF-8 -t CP932 "$root/scripts/windows/readme-ja.txt" | LC_ALL=C sed 's/$/\r/' \
  >"$stage/readme.txt"

zip_file="$build/varnok3-windows-x64.zip"
rm -f "$zip_file"
(cd "$build/package" && zip -q -r -9 "$zip_file" VARNOK_3)
end=$(date +%s)

echo "Contents:"
(cd "$build/package" && find VARNOK_3 -type f | sort)
echo "Built $zip_file ($(du -k "$zip_file" | cut -f1) KiB)"
echo "Time: cross Qt $(( (qt_done - start) / 60 )) min (0 when cached), program $(( (program_done - qt_done) / 60 )) min $(( (program_done - qt_done) % 60 )) s, packing $(( end - program_done )) s"
