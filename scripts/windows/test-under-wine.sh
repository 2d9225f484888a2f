#!/usr/bin/env bash
# Runs the Windows build's tests under Wine: the core, the golden reports (byte
# for byte), the windows, the Windows printer system against Wine's spooler,
# and the calc book (a PDF held open by a viewer included); then the release
# itself, unpacked from its zip: it starts, and its console twin makes the calc
# book of the template with the Linux build's bytes. Wine passes no QT_*
# variable to a program: the windows run on Qt's Windows platform plugin over
# Wine's null graphics driver, not on "offscreen". Needs the cross-built Qt of
# scripts/windows/build-cross-qt.sh; without it this says how to get it and
# does nothing else.
#
#   scripts/windows/test-under-wine.sh
#
# The cache is $VARNOK_WINDOWS_CACHE, else ~/.cache/varnok3-windows. The build
# goes to build-windows-tests/; Wine runs in a throwaway prefix and home under a
# temporary folder, so nothing of the user's own Wine or desktop is touched.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
cache=${VARNOK_WINDOWS_CACHE:-$HOME/.cache/varnok3-windows}
# HOME becomes a throwaway one for Wine below; the release build started then
# must still find this cache, not build a second Qt in the throwaway home.
export VARNOK_WINDOWS_CACHE="$cache"
qt="$cache/qt6"
wine=/usr/lib/wine/wine64

if [ ! -f "$qt/.complete" ] || [ ! -x "$wine" ]; then
  echo "Windows tests under Wine: skipped (no cross-built Qt in $qt; scripts/build-windows.sh builds it once, about an hour)."
  exit 0
fi

jobs=$(nproc 2>/dev/null || echo 2)
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
toolchain="$qt/lib/cmake/Qt6/qt.toolchain.cmake"

# GoogleTest for MinGW, from the source that libgtest-dev ships; built once.
gtest="$cache/gtest"
if [ ! -f "$gtest/.complete" ]; then
  cmake -S /usr/src/googletest -B "$cache/work/gtest-build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$gtest" -DBUILD_GMOCK=OFF "${launcher[@]}" >/dev/null
  cmake --build "$cache/work/gtest-build" -j "$jobs" >/dev/null
  cmake --install "$cache/work/gtest-build" >/dev/null
  touch "$gtest/.complete"
fi

build="$root/build-windows-tests"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DVARNOK_BUILD_TESTS=ON -DGTest_DIR="$gtest/lib/cmake/GTest" \
  "${launcher[@]}" >/dev/null

# Each program with the tests it leaves out under Wine, and why.
declare -A skip=(
  # pdfinfo and pdftotext are Linux programs that a Windows process cannot start;
  # the page's metrics are those of the MS faces, which Wine does not have.
  [print_page_test]='-PrintedPdf.*:PrintedPage.FacesAreFixedPitchAtPrinterResolution:PrintedPage.LinesStandAtTheirColumnsOneLineSpacingApart'
  # Measures the labels in the MS UI face, which Wine does not have.
  [dvalue_form_test]='-DValueFormTest.TextIsWholeAndTheHintClearOfTheSketch'
  # Read the calc book through pdftotext and pdfinfo, Linux programs.
  [batch_tests]='-BatchJobTest.WritesTheTableAReportPerCheckedBeamAndTheBook:BatchJobTest.TheBookTellsWhoMadeItWhenFromWhichListAndOnWhatBasis:BatchJobTest.TheSameListGivesTheSameBook'
)
programs=(core_tests text_report_tests text_report_window_tests sheet_rules_tests
  sheet_window_tests varnok_launcher_test dvalue_form_test varnok_images_test
  app_flow_tests print_page_test printer_dialog_test windows_system_tests batch_tests
  listwindow_tests list_window_tests)
cmake --build "$build" -j "$jobs" --target "${programs[@]}"
# The release itself, tried below: built here, with the real home and cache.
VARNOK_WINDOWS_CACHE="$cache" "$root/scripts/build-windows.sh" >/dev/null

scratch=$(mktemp -d)
export HOME="$scratch/home" WINEPREFIX="$scratch/prefix" WINEDEBUG=-all
# No Mono or Gecko installer prompts in a new prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
# The users' Windows is Japanese: code page 932 is the ANSI one. Wine takes it
# from the locale, and takes the file names' encoding from it too: without a
# real ja_JP.UTF-8 locale a Japanese file name cannot be created. The locale
# is made in the scratch folder when the system has none.
if ! locale -a 2>/dev/null | grep -qiE '^ja_JP\.utf-?8$'; then
  mkdir -p "$scratch/locale"
  localedef -i ja_JP -f UTF-8 "$scratch/locale/ja_JP.UTF-8" >/dev/null 2>&1 ||
    { echo "Windows tests under Wine: cannot make the ja_JP.UTF-8 locale (package locales)" >&2; exit 1; }
  export LOCPATH="$scratch/locale"
fi
export LC_ALL=ja_JP.UTF-8
export VARNOK_WINE_SCRATCH_PREFIX=1
winpath() { echo "Z:${1//\//\\}"; }
mingw_gcc=$(ls -d /usr/lib/gcc/x86_64-w64-mingw32/*-posix | sort -V | tail -1)
export WINEPATH="$(winpath "$qt/bin");$(winpath "$mingw_gcc");$(winpath /usr/x86_64-w64-mingw32/lib)"
mkdir -p "$HOME"
cleanup() {
  "$(dirname "$wine")/wineserver" -k 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
"$wine" wineboot -i >/dev/null 2>&1
# No X display: Wine's null graphics driver still gives windows (the printer
# test's broadcast listener is a real top-level window).
# The desktop made by wineboot keeps the driver it started with: restart.
"$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
"$(dirname "$wine")/wineserver" -k 2>/dev/null || true
"$(dirname "$wine")/wineserver" -w 2>/dev/null || true

failed=()
passed=0
for program in "${programs[@]}"; do
  filter=${skip[$program]:-}
  echo "== $program (Wine)"
  # The tests read the diagrams and write their files relative to bin/.
  if (cd "$build/bin" && "$wine" "./$program.exe" --gtest_brief=1 ${filter:+--gtest_filter="$filter"}); then
    passed=$((passed + 1))
  else
    failed+=("$program")
  fi
done
# The release as the user gets it: unpacked from the zip and started with
# nothing but its own folder (no path to the cached Qt or MinGW).
echo "== the packaged program (Wine)"
package="$scratch/package"
mkdir -p "$package"
unzip -q "$root/build-windows/varnok3-windows-x64.zip" -d "$package"
app="$package/VARNOK_3"
release_failed=()
(
  unset WINEPATH
  cd "$app"
  # Start-up: the launcher is still up after 15 seconds (a missing DLL or
  # plugin ends the program at once).
  set +e
  timeout 15 "$wine" ./varnok3.exe >/dev/null 2>&1
  [ $? -eq 124 ] || exit 1
  "$(dirname "$wine")/wineserver" -k 2>/dev/null
  exit 0
) || release_failed+=("start-up")

# The calc book of the template, through the console twin as a prompt runs
# it, against the Linux build: the same status, table and reports (the PDF is
# drawn in other faces under Wine, which has no MS faces).
linux="$scratch/linux"
mkdir -p "$linux"
cp "$root/batch/template/beam_list_template.csv" "$linux/"
set +e
"$root/build/bin/varnok3" --batch "$linux/beam_list_template.csv" --out "$linux/out" \
  --date 2026-12-01 --no-pdf >/dev/null 2>&1
linux_status=$?
(cd "$app" && unset WINEPATH &&
  "$wine" ./varnok3.com --batch beam_list_template.csv --out out --date 2026-12-01 >/dev/null 2>&1)
wine_status=$?
set -e
if [ "$wine_status" -ne "$linux_status" ] || [ ! -f "$app/out/beam_list_template_計算書.pdf" ]; then
  release_failed+=("calc book (status $wine_status, Linux $linux_status)")
else
  for f in "$linux/out"/*.TXT "$linux/out"/*.csv; do
    cmp -s "$f" "$app/out/$(basename "$f")" || release_failed+=("$(basename "$f")")
  done
fi
if [ ${#release_failed[@]} -eq 0 ]; then
  passed=$((passed + 1))
else
  echo "the packaged program: ${release_failed[*]}" >&2
  failed+=("release")
fi
echo "Windows tests under Wine: $(( ${#programs[@]} + 1 )) programs, $passed passed, ${#failed[@]} failed${failed[*]:+: ${failed[*]}}"
[ ${#failed[@]} -eq 0 ]
