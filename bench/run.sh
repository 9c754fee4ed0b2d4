#!/bin/bash
# The performance benchmark: generates the two large drawings (and a tenth and a quarter of each
# for the linearity check) with gen_drawing.py, runs the export's stages one by one
# (export_stages_bench), the whole `quorlex export` run, the run with --create-points --save-as,
# and, where installed, ogr2ogr to CSV and an ezdxf script collecting the same points; prints one
# table. Peak memory of a whole run is the process's max RSS (GNU time); of a stage, the stage
# process's VmHWM so far.
#
#   bench/run.sh [--build DIR] [--work DIR] [--with-gdal] [--only points|mixed] [--runs N]
#
# --build: a Release build tree holding bin/quorlex and bin/export_stages_bench (default
# build-bench beside this folder's parent). --work: scratch folder for the drawings and outputs
# (default BUILD/bench-work; about 1 GB). --with-gdal installs Debian's gdal-bin when missing.
# --runs: whole runs per figure of `quorlex export`, the median reported (default 3).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build="$here/../build-bench"
work=""
with_gdal=0
only="points mixed"
runs=3
while [ $# -gt 0 ]; do
  case "$1" in
    --build) build=$2; shift 2 ;;
    --work) work=$2; shift 2 ;;
    --with-gdal) with_gdal=1; shift ;;
    --only) only=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    *) echo "usage: $0 [--build DIR] [--work DIR] [--with-gdal] [--only points|mixed] [--runs N]" >&2; exit 2 ;;
  esac
done
build=$(cd "$build" && pwd)
work=${work:-$build/bench-work}
mkdir -p "$work"
quorlex="$build/bin/quorlex"
stages="$build/bin/export_stages_bench"
for f in "$quorlex" "$stages"; do
  [ -x "$f" ] || { echo "missing $f: build the targets quorlex, Quorlex_Bricscad_2.05_8 and export_stages_bench" >&2; exit 1; }
done
if [ $with_gdal = 1 ] && ! command -v ogr2ogr >/dev/null; then
  apt-get install -y gdal-bin >/dev/null
fi
export QUORLEX_REGISTRY="$work/registry.txt"
all_on=(--points --extract --end-points --mid-points --center-points --control-points
        --vertices --text --format xyz --delimiter comma)

# time_run OUT-PREFIX COMMAND...: runs it under GNU time; leaves "seconds maxrss-KB" in PREFIX.time.
time_run() {
  local prefix=$1; shift
  /usr/bin/time -f "%e %M" -o "$prefix.time" "$@" >"$prefix.out" 2>"$prefix.err" || {
    echo "failed: $* (see $prefix.err)" >&2; return 1; }
}

# row DRAWING STAGE SECONDS POINTS PEAK-MB FILE-MB
row() {
  awk -v d="$1" -v s="$2" -v t="$3" -v p="$4" -v m="$5" -v f="$6" 'BEGIN {
    printf "%-16s %-24s %8.2f %8.0f %12s %8.0f %6.2f\n", d, s, t, f / t,
      (p > 0 ? sprintf("%.0f", p / t) : "-"), m, m / f }'
}

mb_of() { awk -v b="$(stat -c %s "$1")" 'BEGIN { printf "%.1f", b / 1e6 }'; }

drawing() {  # drawing KIND SCALE: the path, generated once
  local path="$work/$1-$2.dxf"
  [ -s "$path" ] || /usr/bin/python3 "$here/gen_drawing.py" "$1" "$path" "$2"
  echo "$path"
}

# quorlex_export PREFIX DRAWING [FLAGS...]: seconds, points, peak MB of the median of $runs runs
# (by time; the other cores' load makes single runs vary).
quorlex_export() {
  local prefix=$1 dwg=$2; shift 2
  local results=() n secs kb
  for ((i = 0; i < runs; i++)); do
    rm -f "$work/export.txt"
    time_run "$prefix" "$quorlex" export "$dwg" -o "$work/export.txt" "${all_on[@]}" "$@"
    n=$(sed -n 's/.*Successfully processed \([0-9]*\) points.*/\1/p' "$prefix.out")
    read -r secs kb <"$prefix.time"
    results+=("$secs ${n:-0} $(awk -v k="$kb" 'BEGIN { printf "%.0f", k / 1e3 }')")
  done
  printf "%s\n" "${results[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p"
}

declare -A rate
summary=()
printf "%-16s %-24s %8s %8s %12s %8s %6s\n" drawing stage seconds "MB/s" "points/s" "peak MB" "xfile"
for kind in $only; do
  dwg=$(drawing "$kind" 1)
  mb=$(mb_of "$dwg")
  name="$kind ${mb%.*} MB"
  "$stages" "$dwg" "$work" >"$work/stages.out"
  while IFS=$'\t' read -r stage secs _ pts _ peak; do
    row "$name" "$stage" "$secs" "$pts" "$peak" "$mb"
  done < <(grep -v '^#' "$work/stages.out")
  read -r secs n peak < <(quorlex_export "$work/q" "$dwg" --no-create-points)
  row "$name" "quorlex export" "$secs" "$n" "$peak" "$mb"
  rate[$kind,quorlex]=$(awk -v m="$mb" -v t="$secs" 'BEGIN { print m / t }')
  export_secs=$secs
  read -r secs n peak < <(quorlex_export "$work/c" "$dwg" --create-points --save-as "$work/saved.dxf")
  row "$name" "export+create+save-as" "$secs" "$n" "$peak" "$mb"
  summary+=("$kind: create points and save-as / export alone = $(awk -v a="$secs" -v b="$export_secs" 'BEGIN { printf "%.2f", a / b }')")
  if command -v ogr2ogr >/dev/null; then
    rm -rf "$work/ogr.csv"
    time_run "$work/o" ogr2ogr -f CSV "$work/ogr.csv" "$dwg" -lco GEOMETRY=AS_XYZ
    read -r secs kb <"$work/o.time"
    row "$name" "ogr2ogr CSV" "$secs" 0 "$((kb / 1000))" "$mb"
    rate[$kind,ogr]=$(awk -v m="$mb" -v t="$secs" 'BEGIN { print m / t }')
  else
    printf "%-16s %-24s not installed (bench/run.sh --with-gdal)\n" "$name" "ogr2ogr CSV"
  fi
  if /usr/bin/python3 -c "import ezdxf" 2>/dev/null; then
    time_run "$work/e" /usr/bin/python3 "$here/ezdxf_points.py" "$dwg" "$work/ezdxf.csv"
    read -r secs kb <"$work/e.time"
    row "$name" "ezdxf script" "$secs" "$(cat "$work/e.out")" "$((kb / 1000))" "$mb"
    rate[$kind,ezdxf]=$(awk -v m="$mb" -v t="$secs" 'BEGIN { print m / t }')
  else
    printf "%-16s %-24s not installed (python3-ezdxf)\n" "$name" "ezdxf script"
  fi
  for tool in ogr ezdxf; do
    [ -n "${rate[$kind,$tool]:-}" ] && summary+=("$kind: quorlex export / $tool = $(awk -v a="${rate[$kind,quorlex]}" -v b="${rate[$kind,$tool]}" 'BEGIN { printf "%.1f", a / b }')")
  done
  line="$kind: cost per MB of quorlex export:"
  for scale in 0.1 0.25 1; do
    d=$(drawing "$kind" "$scale")
    read -r secs n peak < <(quorlex_export "$work/l" "$d" --no-create-points)
    line="$line $(awk -v t="$secs" -v m="$(mb_of "$d")" -v s="$scale" 'BEGIN { printf "x%s %.2f ms/MB (%.0f MB);", s, 1000 * t / m, m }')"
  done
  summary+=("$line")
done
printf "%s\n" "${summary[@]}"
