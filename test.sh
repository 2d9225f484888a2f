#!/usr/bin/env bash
# Builds VARNOK_3 and passes every test:
#   - installs the Debian packages that are missing (scripts/bootstrap.sh test),
#   - builds the program, its tests and benchmarks (build/),
#   - builds the engineering core again with AddressSanitizer and
#     UndefinedBehaviorSanitizer, with its libFuzzer target (build-sanitize/, clang),
#   - starts a CUPS scheduler with two PDF queues for the printing tests,
#   - runs every test with ctest (windows on the offscreen platform), the Windows
#     build's tests under Wine (when its cross-built Qt is cached), the sanitized
#     core tests and a 30-second fuzz run, and stops the scheduler again.
set -euo pipefail
cd "$(dirname "$0")"

scripts/bootstrap.sh test

jobs=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARNOK_BUILD_TESTS=ON >/dev/null
cmake --build build -j "$jobs"

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVARNOK_CORE_ONLY=ON -DVARNOK_FUZZ=ON \
  -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
  >/dev/null
cmake --build build-sanitize -j "$jobs"

# The scheduler and its queues need root; without it the printing tests
# against CUPS skip, saying why.
if [ "$(id -u)" -eq 0 ]; then
  scripts/cups-test-start.sh
  trap 'scripts/cups-test-stop.sh' EXIT
else
  echo "Not root: the printing tests against a CUPS scheduler will skip."
fi

ctest --test-dir build --output-on-failure -j "$jobs" --timeout 600
# The Windows build under Wine, when the cross-built Qt is cached; else one line saying how.
scripts/windows/test-under-wine.sh
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs" --timeout 600
