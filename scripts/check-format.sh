#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what clang-format makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files '*.h' '*.hpp' '*.cpp' '*.cc')
[ -z "$files" ] && exit 0
# shellcheck disable=SC2086
clang-format --dry-run -Werror $files
echo "format: all $(echo "$files" | wc -l) files formatted"
