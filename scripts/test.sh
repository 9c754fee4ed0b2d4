#!/usr/bin/env bash
# Builds the project and runs every test.
#   scripts/test.sh             the normal build, in build/
#   scripts/test.sh --sanitize  the address + undefined-behaviour build, in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

dir=build
flags=()
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-asan
  flags+=(-DQUORLEX_SANITIZE=ON -DQUORLEX_BUILD_BENCH=OFF)
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
cmake -S . -B "$dir" -G Ninja "${flags[@]}" >/dev/null
cmake --build "$dir" -j 2
ctest --test-dir "$dir" --output-on-failure -j 2
