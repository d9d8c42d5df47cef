#!/bin/sh
# Start-up cost of the program against a bare Qt window (one maximised form with a 62x4 table), both
# offscreen, from start to the first idle after their window is painted: instructions (callgrind),
# wall time (best of five runs, including the time tool) and peak memory (max RSS), with the program-to-bare ratio.
#   scripts/startup-cost.sh [build-dir]      (default: build; targets selvane_startup, bare_window_startup)
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
export QT_QPA_PLATFORM=offscreen
command -v valgrind >/dev/null 2>&1 || { echo "startup-cost: valgrind not found" >&2; exit 1; }
for exe in selvane_startup bare_window_startup; do
    [ -x "$build/$exe" ] || { echo "startup-cost: $build/$exe missing (build it first)" >&2; exit 1; }
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT INT TERM

# instructions EXE: instructions executed, as callgrind counts them.
instructions() {
    valgrind --tool=callgrind --callgrind-out-file="$tmp/cg.out" "$build/$1" 2>"$tmp/cg.log" >/dev/null
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p' "$tmp/cg.log"
}

# runs EXE: "seconds kilobytes" of the fastest of five runs, and the largest max RSS.
runs() {
    best="" peak=0
    for _ in 1 2 3 4 5; do
        t0=$(date +%s%N)
        /usr/bin/time -f "%M" -o "$tmp/time" "$build/$1" >/dev/null 2>&1
        t1=$(date +%s%N)
        s=$(awk -v a="$t0" -v b="$t1" 'BEGIN{printf "%.4f", (b - a) / 1e9}')
        read -r kb <"$tmp/time"
        if [ -z "$best" ] || awk "BEGIN{exit !($s < $best)}"; then best=$s; fi
        [ "$kb" -gt "$peak" ] && peak=$kb
    done
    echo "$best $peak"
}

pi=$(instructions selvane_startup)
bi=$(instructions bare_window_startup)
set -- $(runs selvane_startup) $(runs bare_window_startup)
awk -v pi="$pi" -v bi="$bi" -v ps="$1" -v pk="$2" -v bs="$3" -v bk="$4" 'BEGIN {
    printf "%-22s %14s %14s %8s\n", "", "program", "bare window", "ratio"
    printf "%-22s %14d %14d %8.2f\n", "instructions", pi, bi, pi / bi
    printf "%-22s %14.4f %14.4f %8.2f\n", "wall time (s)", ps, bs, (bs > 0 ? ps / bs : 0)
    printf "%-22s %14.1f %14.1f %8.2f\n", "peak memory (MiB)", pk / 1024, bk / 1024, pk / bk
}'
