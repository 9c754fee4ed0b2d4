#!/usr/bin/env bash
# Builds the project and runs the main job: export the points of the sample site drawing.
# Extra arguments go to `quorlex export` (for example --delimiter semicolon --no-text).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j 2
# The sample run keeps its options apart from the user's own store, so it gives the same points
# every time; name another store with QUORLEX_REGISTRY to use that instead.
export QUORLEX_REGISTRY="${QUORLEX_REGISTRY:-$PWD/build/sample-registry.reg}"
rm -f build/sample-registry.reg
build/bin/quorlex export samples/site.dxf -o build/site-points.txt "$@"
echo "points written to build/site-points.txt"
