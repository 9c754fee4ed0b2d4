#!/usr/bin/env bash
# Prints the reliability tables of docs/reliability.md (Markdown) on standard output:
#   per fuzz target the executions run and the findings (build-fuzz/fuzz-results.tsv, written by
#   scripts/fuzz.sh; with SECONDS given, fuzz.sh is run first for that long),
#   per fault on each file the program writes its outcome, per bad input the message, and the
#   lossless-save check of every drawing, from the reliability tests run in build-rel/.
#   scripts/reliability-report.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
dir=build-rel
if [ $# -gt 0 ]; then scripts/fuzz.sh "$1" >&2 || true; fi

cmake -S . -B "$dir" -G Ninja >/dev/null
cmake --build "$dir" -j 2 --target quorlex Quorlex_Bricscad_2.05_8 quorlex_module_files \
  reliability_fault_tests reliability_bounded_tests reliability_lossless_tests >/dev/null
rows=$(mktemp)
trap 'rm -f "$rows"' EXIT
QUORLEX_RELIABILITY_REPORT=$rows ctest --test-dir "$dir" -R '^reliability_' -j 2 >&2 || true

# Machine paths out of the messages: temporary folders and the source tree.
clean() { sed -e 's#/tmp/quorlex-reliability-[A-Za-z0-9]*/##g' -e "s#$root/##g"; }
table() { awk -F'\t' -v t="$1" '$1 == t { sub(/^[^\t]*\t/, ""); gsub(/\t/, " | "); print "| " $0 " |" }' "$rows" | sort | clean; }

echo "### Fuzz targets"
echo
echo "| target | seconds | executions | findings |"
echo "|---|---|---|---|"
if [ -f build-fuzz/fuzz-results.tsv ]; then
  tail -n +2 build-fuzz/fuzz-results.tsv | awk -F'\t' '{ print "| " $1 " | " $2 " | " $3 " | " $4 " |" }'
else
  echo "| (scripts/fuzz.sh has not run) | | | |"
fi
echo
echo "### Faults on the files the program writes"
echo
echo "| file | fault | exit status | what the program said |"
echo "|---|---|---|---|"
table fault
echo
echo "### Counts that lie"
echo
echo "| drawing | outcome | peak memory over a small drawing | message |"
echo "|---|---|---|---|"
table bounded
echo
echo "### Bad drawings, as \`quorlex export\` reports them"
echo
echo "| input | exit status | message |"
echo "|---|---|---|"
work=$(mktemp -d /tmp/quorlex-reliability-XXXXXX)
trap 'rm -f "$rows"; rm -rf "$work"' EXIT
: >"$work/empty.dxf"
head -c 200 tests/data/dxf/points_r2000_bin.dxf >"$work/cut_binary.dxf"
head -c 3000 tests/data/dxf/points_r2000.dxf >"$work/cut_ascii.dxf"
printf '\x89PNG\r\n\x1a\n\0\0\0\rIHDR' >"$work/picture.dxf"
mkdir "$work/folder.dxf"
for input in tests/data/export/bad.dxf "$work/empty.dxf" "$work/cut_binary.dxf" \
  "$work/cut_ascii.dxf" "$work/picture.dxf" "$work/folder.dxf" "$work/missing.dxf"; do
  drawing=$(realpath -m "$input")
  set +e
  (cd "$work" && QUORLEX_REGISTRY="$work/registry.reg" "$root/$dir/bin/quorlex" export \
    "$drawing" -o "$work/points.txt" >/dev/null 2>"$work/stderr")
  status=$?
  set -e
  message=$(head -n 1 "$work/stderr")
  echo "| $(basename "$input") | $status | $message |" | sed -e "s#$work/##g" | clean
done
echo
echo "### Lossless saving"
echo
awk -F'\t' '$1 == "lossless" { n[$3]++ } END { for (k in n) print "- " n[k] " drawings: " k }' "$rows" | sort
