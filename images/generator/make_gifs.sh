#!/bin/sh
# Redraws the six loading diagrams into images/, and their embedded copies
# into images/embedded/.
# Qt cannot write GIF, so the generator writes PNGs and ImageMagick converts them.
#
#   images/generator/make_gifs.sh [BUILD_DIR]     (default: build-diagrams in the repository)
set -eu

here=$(cd "$(dirname "$0")" && pwd)
images=$(dirname "$here")
repo=$(dirname "$images")
build=${1:-$repo/build-diagrams}

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$repo" -B "$build" -G Ninja -DVARNOK_BUILD_TESTS=OFF
fi
cmake --build "$build" --target draw_diagrams embed_diagrams

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/bin/draw_diagrams" "$work"

for name in s_b1 s_b2 s_b3 s_b4 s_b5 s_cb; do
    # Fewer than 256 colours each, so the GIF keeps them exactly (no dithering).
    convert "$work/$name.png" +dither "$images/$name.gif"
done
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/bin/embed_diagrams" "$images"
echo "wrote the diagrams into $images and their embedded copies into $images/embedded"
