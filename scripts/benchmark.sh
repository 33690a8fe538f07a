#!/usr/bin/env bash
# Builds an optimised program and runs its benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DLUMITRA_BENCHMARKS=ON
cmake --build build-release -j "$(nproc)"
for bench in build-release/benchmarks/*_benchmark; do
  "$bench" "$@"
done
