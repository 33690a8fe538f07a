#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DLUMITRA_BENCHMARKS=OFF
cmake --build build-release --target lumitra-dictionary
exec ./build-release/app/lumitra-dictionary
