#!/usr/bin/env bash
# Starts the Windows release under Wine on a virtual screen with a window
# manager, so that a developer can drive it (xdotool) and take screenshots
# (import) the way a user sees it. Wine runs in a throwaway prefix and home.
#
#   scripts/windows/look-under-wine.sh [ZIP] [SHOTS]
#
# ZIP defaults to build-windows/varnok3-windows-x64.zip, SHOTS (where the
# screenshots go) to build-windows/shots. The script unpacks the zip, starts
# Xvfb on display :77 with openbox and the program in the unpacked folder, takes
# the first screenshot and prints the commands for the next steps; the display
# stays up until `kill $(cat SHOTS/pids)`.
#
# Wine has no MS faces; fontconfig hands it the IPA faces installed on Linux,
# which the program's font substitutions pick for the MS names. That only
# concerns this look test: a Windows machine has the MS faces.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
zip_file=${1:-$root/build-windows/varnok3-windows-x64.zip}
shots=${2:-$root/build-windows/shots}
display=:77
wine=/usr/lib/wine/wine64

mkdir -p "$shots"
scratch=$(mktemp -d)
unzip -q "$zip_file" -d "$scratch"
export HOME="$scratch/home" WINEPREFIX="$scratch/prefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=ja_JP.UTF-8 DISPLAY=$display
# A Japanese Windows (code page 932) needs a real ja_JP.UTF-8 locale under Wine.
if ! locale -a 2>/dev/null | grep -qiE '^ja_JP\.utf-?8$'; then
  mkdir -p "$scratch/locale"
  localedef -i ja_JP -f UTF-8 "$scratch/locale/ja_JP.UTF-8" >/dev/null 2>&1 && export LOCPATH="$scratch/locale"
fi
mkdir -p "$HOME"

Xvfb $display -screen 0 1400x1000x24 -nolisten tcp >/dev/null 2>&1 &
echo $! >"$shots/pids"
sleep 2
openbox >/dev/null 2>&1 &
echo $! >>"$shots/pids"
"$wine" wineboot -i >/dev/null 2>&1
(cd "$scratch/VARNOK_3" && exec "$wine" ./varnok3.exe) >"$shots/program.log" 2>&1 &
echo $! >>"$shots/pids"
sleep 8
import -display $display -window root "$shots/launcher.png"
cat <<MSG
Launcher: $shots/launcher.png
Drive it with:  DISPLAY=$display xdotool ...   and shoot with:  import -display $display -window root FILE.png
Reports land in $HOME (the prefix's desktop). Stop with:  kill \$(cat $shots/pids); rm -rf $scratch
MSG
