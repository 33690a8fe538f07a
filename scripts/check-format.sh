#!/usr/bin/env bash
# Fails when a C++ file of the repository differs from what clang-format makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "missing clang-format: run scripts/setup.sh" >&2; exit 1; }
mapfile -t files < <(find app benchmarks browser dictionaries forms frontend platform shell skin tests tools \
  -name '*.cpp' -o -name '*.h' | sort)
clang-format --dry-run -Werror "${files[@]}"
