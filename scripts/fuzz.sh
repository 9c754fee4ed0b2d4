#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address + undefined-behaviour sanitizers, coverage on
# every library) in build-fuzz/ and runs each for SECONDS (default 60), starting from its seeds
# (fuzz/seeds.tsv) and the corpus grown by earlier runs (build-fuzz/corpus/<target>/).
#   scripts/fuzz.sh [SECONDS] [TARGET...]
# Prints one line per target: executions run and findings (crash, leak, timeout or out-of-memory
# inputs, kept in build-fuzz/findings/<target>/). Writes the same table to
# build-fuzz/fuzz-results.tsv. Exits 1 when any target had a finding, 2 when the build failed.
set -uo pipefail
# Clang links the sanitizer and coverage runtimes into executables only, so the shared libraries
# are linked with their undefined-symbol check turned off last (-z undefs after the rooms' own
# --no-undefined); the fuzzer executable provides those symbols at run time.
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
dir=build-fuzz
all_targets=(dxf_ascii_read dxf_binary_read export_collect registry_parse resource_script menu_file)
[ $# -gt 0 ] && targets=("$@") || targets=("${all_targets[@]}")

mkdir -p "$dir"
cmake -S . -B "$dir" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORLEX_SANITIZE=ON -DQUORLEX_FUZZ=ON \
  -DQUORLEX_BUILD_TESTS=OFF -DQUORLEX_BUILD_BENCH=OFF \
  -DCMAKE_C_FLAGS=-fsanitize=fuzzer-no-link -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link \
  -DCMAKE_CXX_STANDARD_LIBRARIES=-Wl,-z,undefs \
  >"$dir/configure.log" 2>&1 || { cat "$dir/configure.log"; exit 2; }
build=()
for t in "${targets[@]}"; do build+=("${t}_fuzzer"); done
cmake --build "$dir" --target "${build[@]}" -j 2 >"$dir/build.log" 2>&1 ||
  { tail -n 40 "$dir/build.log"; exit 2; }

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:symbolize=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# Seeds are copied into the working corpus so that libFuzzer may add to it and merge it.
seed() {
  local target=$1 corpus=$2
  while read -r name path; do
    [ "$name" = "$target" ] || continue
    if [ -d "$path" ]; then cp -f "$path"/* "$corpus"/ 2>/dev/null; else cp -f "$path" "$corpus"/; fi
  done <fuzz/seeds.tsv
  [ -d "fuzz/regressions/$target" ] && cp -f "fuzz/regressions/$target"/* "$corpus"/ 2>/dev/null
  return 0
}

results="$dir/fuzz-results.tsv"
printf 'target\tseconds\texecutions\tfindings\n' >"$results"
printf '%-18s %8s %12s %9s\n' target seconds executions findings
status=0
for t in "${targets[@]}"; do
  corpus="$dir/corpus/$t" findings="$dir/findings/$t"
  rm -rf "$findings"  # a run reports only its own findings
  mkdir -p "$corpus" "$findings"
  seed "$t" "$corpus"
  log="$dir/$t.log"
  dict=()
  case $t in dxf_* | export_*) dict=(-dict=fuzz/dxf.dict) ;; esac
  "$dir/fuzz/${t}_fuzzer" "$corpus" "${dict[@]}" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 -artifact_prefix="$findings/" \
    >"$log" 2>&1
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  found=$(find "$findings" -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' \
    -o -name 'oom-*' \) | wc -l)
  printf '%-18s %8s %12s %9s\n' "$t" "$seconds" "${execs:-?}" "$found"
  printf '%s\t%s\t%s\t%s\n' "$t" "$seconds" "${execs:-?}" "$found" >>"$results"
  if [ "$found" -gt 0 ] || [ -z "$execs" ]; then
    status=1
    grep -m 1 -E 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:' "$log" >&2
    echo "  see $log and $findings/" >&2
  fi
done
exit $status
