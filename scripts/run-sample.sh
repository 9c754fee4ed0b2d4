#!/usr/bin/env bash
# Builds the project and runs the main job: export the points of the sample site drawing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j 2
if [ -x build/bin/quorlex ] && [ -f samples/site.dxf ]; then
  build/bin/quorlex export samples/site.dxf -o build/site-points.txt "$@"
  echo "points written to build/site-points.txt"
else
  echo "run-sample: the host program is not built yet; running the geometry demo instead"
  build/tests/opennurbs_demo
fi
