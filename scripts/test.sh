#!/usr/bin/env bash
# Installs what is missing, builds the program and runs its tests.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build build-test -j "$jobs"
ctest --test-dir build-test -j "$jobs" --output-on-failure
# The same tests again, built with AddressSanitizer and UndefinedBehaviorSanitizer. Qt keeps some
# memory until the process ends, so leaks are not reported; the end-to-end checks run above only.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLUMITRA_SANITIZE=ON -DLUMITRA_BENCHMARKS=OFF
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan -j "$jobs" --output-on-failure -E '^e2e_'
