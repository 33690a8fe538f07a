#!/usr/bin/env bash
# Builds the artwork tool (tools/artwork, on its own, so that the rest of the tree need not build) and
# renders every picture into assets/. Run it again after changing a picture's drawing.
#   ARTWORK_BUILD_DIR  where to build the tool (default: build-artwork in the work tree)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ARTWORK_BUILD_DIR:-$root/build-artwork}"

cmake -S "$root/tools/artwork" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target render-artwork
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$build/render-artwork" "$root/assets"
