#!/usr/bin/env bash
# Builds VARNOK_3 and starts it on its launcher window. Installs the Debian
# packages that are missing first (scripts/bootstrap.sh run).
set -euo pipefail
cd "$(dirname "$0")"

scripts/bootstrap.sh run

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build-app -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARNOK_BUILD_TESTS=OFF >/dev/null
cmake --build build-app -j "$jobs" --target varnok3

# The program loads its diagram pictures by bare name from the current folder,
# where the build has put them next to it.
cd build-app/bin
exec ./varnok3 "$@"
