#!/usr/bin/env bash
# Installs what the build needs and is missing (Debian and its derivatives).
#   scripts/bootstrap.sh run    what building and starting the program needs
#   scripts/bootstrap.sh test   that, plus what the tests need (CUPS, PDF tools, clang, MinGW)
#   scripts/bootstrap.sh windows what the Windows release needs (MinGW-w64, Wine, Qt's source)
set -euo pipefail

mode=${1:-test}

run_packages=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins libgl-dev
  libcups2-dev fonts-ipafont-gothic fonts-ipafont-mincho)
test_packages=(libgtest-dev libbenchmark-dev cups printer-driver-cups-pdf poppler-utils
  xvfb xauth imagemagick clang libclang-rt-14-dev g++-mingw-w64-x86-64)

# The Windows release: the MinGW-w64 cross compilers, Wine to run the result, the
# tools that unpack Debian's source package of Qt, and Markdown for the guide's page.
windows_packages=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine64 locales dpkg-dev zip unzip cmake ninja-build qt6-base-dev qt6-base-dev-tools
  python3-markdown)

case "$mode" in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  windows) packages=("${windows_packages[@]}") ;;
  *) echo "usage: $0 run|test|windows" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if ! command -v apt-get >/dev/null 2>&1; then
  cat >&2 <<MSG
VARNOK_3 needs these Debian packages, and this system has no apt-get:
  ${missing[*]}
Install their equivalents by hand: CMake >= 3.25, a C++20 compiler, Qt 6 (Widgets,
PrintSupport, Test), the CUPS development files, GoogleTest, Google Benchmark, the
IPA Japanese fonts, and for the tests a CUPS scheduler with cups-pdf, poppler-utils,
clang with libFuzzer and the MinGW-w64 C++ cross compiler.
MSG
  exit 1
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then sudo="sudo"; else
    echo "Installing ${missing[*]} needs root (or sudo)." >&2; exit 1
  fi
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
