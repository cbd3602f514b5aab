#!/usr/bin/env bash
# Start-up cost of the program against a bare Qt window of the same shape
# (bench/startup_floor.cpp): runs the two in turn, A B A B ..., on the
# offscreen platform, and prints the median CPU time (user + system) and
# peak memory of each and their ratios. A benchmark, never a test.
# /usr/bin/time counts CPU in hundredths of a second, about the cost of one
# start, so each sample times a batch of BATCH starts (default 20) and is
# divided by it; the peak memory is the largest of one start.
#   bench/startup.sh [BUILD-DIR] [PAIRS] [BATCH]
# BUILD-DIR (default build-bench) is configured as a Release build with the
# benchmarks when it has none; PAIRS defaults to 15 (at least 11).
# VERDIKA_PROGRAM and VERDIKA_FLOOR name other binaries to measure (an older
# build, say); with both set nothing is built.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
pairs=${2:-15}
batch=${3:-20}
[ "$pairs" -ge 11 ] || { echo "startup.sh: at least 11 pairs" >&2; exit 2; }
program=${VERDIKA_PROGRAM:-$build/bin/verdika}
floor=${VERDIKA_FLOOR:-$build/bin/verdika_startup_floor}
if [ -z "${VERDIKA_PROGRAM:-}" ] || [ -z "${VERDIKA_FLOOR:-}" ]; then
  if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVERDIKA_BENCH=ON -DVERDIKA_TESTS=OFF >/dev/null
  fi
  cmake --build "$build" --target verdika verdika_startup_floor >/dev/null
fi

data=$(mktemp -d)
out=$(mktemp -d)
trap 'rm -rf "$data" "$out"' EXIT
# The offscreen screen is VERDIKA_BENCH_SCREEN (default 1024x768, the smallest
# screen the program is made for) rather than the platform's 800x600, where
# the window fitted to the screen would scroll its start page.
screen=${VERDIKA_BENCH_SCREEN:-1024x768}
[[ $screen =~ ^([0-9]+)x([0-9]+)$ ]] || { echo "startup.sh: VERDIKA_BENCH_SCREEN must read WIDTHxHEIGHT" >&2; exit 2; }
printf '{"screens": [{"name": "Bench", "x": 0, "y": 0, "width": %d, "height": %d, "logicalDpi": 96, "logicalBaseDpi": 96}]}\n' \
  "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}" > "$out/screen.json"
export QT_QPA_PLATFORM="offscreen:configfile=$out/screen.json"
export VERDIKA_DATA_DIR="$data"
# The first start fills the data directory (databases, copies); it is not measured.
"$program" --exit-after-start 2>/dev/null

measure() {  # prints "cpu-seconds-per-start peak-kilobytes"
  /usr/bin/time -f '%U %S %M' -o "$out/t" bash -c 'for ((k = 0; k < $0; k++)); do "$@" || exit 1; done' \
    "$batch" "$@" >/dev/null 2>&1
  awk -v n="$batch" '{ printf "%.4f %d\n", ($1 + $2) / n, $3 }' "$out/t"
}
for ((i = 0; i < pairs; i++)); do
  measure "$floor" >> "$out/floor"
  measure "$program" --exit-after-start >> "$out/program"
done

median() {  # column of a file
  sort -g -k"$2" "$1" | awk -v c="$2" '{ v[NR] = $c } END { m = int((NR + 1) / 2); print (NR % 2) ? v[m] : (v[m] + v[m + 1]) / 2 }'
}
fc=$(median "$out/floor" 1); fm=$(median "$out/floor" 2)
pc=$(median "$out/program" 1); pm=$(median "$out/program" 2)
printf '%-26s %10s %14s\n' "" "CPU s" "peak KB"
printf '%-26s %10s %14s\n' "bare window (floor)" "$fc" "$fm"
printf '%-26s %10s %14s\n' "verdika --exit-after-start" "$pc" "$pm"
awk -v fc="$fc" -v fm="$fm" -v pc="$pc" -v pm="$pm" \
  'BEGIN { printf "ratio: CPU %.2f (goal <= 1.30), peak memory %.2f (goal <= 1.25); %d pairs of %d starts on %s\n", pc / fc, pm / fm, '"$pairs"', '"$batch"', "'"$screen"'" }'
