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
# The tests run in a HOME of their own, so that neither a report on the desktop
# nor a default printer they set is the user's.
test_home=$(mktemp -d "${TMPDIR:-/tmp}/varnok-test-home.XXXXXX")
cleanup() { rm -rf "$test_home"; }
# The user's default printer as every place that keeps it says.
printer_settings() {
  for f in /etc/cups/lpoptions "$HOME/.cups/lpoptions"; do
    if [ -e "$f" ]; then echo "$f:"; cat "$f"; else echo "$f: none"; fi
  done
  lpstat -d 2>&1 || true
}
if [ "$(id -u)" -eq 0 ]; then
  # The scheduler is started with the real HOME: its stop script puts that
  # user's printer settings back, and the run fails when they differ.
  settings_before=$(printer_settings)
  scripts/cups-test-start.sh
  stop_and_check() {
    status=$?
    scripts/cups-test-stop.sh
    cleanup
    if [ "$(printer_settings)" != "$settings_before" ]; then
      echo "test.sh: the tests left the user's printer settings changed" >&2
      exit 1
    fi
    exit "$status"
  }
  trap stop_and_check EXIT
else
  trap cleanup EXIT
  echo "Not root: the printing tests against a CUPS scheduler will skip."
fi

in_test_home() {
  env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME HOME="$test_home" "$@"
}
in_test_home ctest --test-dir build --output-on-failure -j "$jobs" --timeout 600
# The Windows build under Wine, when the cross-built Qt is cached (it finds that in
# the real HOME and gives Wine a throwaway one); else one line saying how.
scripts/windows/test-under-wine.sh
in_test_home env ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs" --timeout 600
