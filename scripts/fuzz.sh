#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/*_fuzz.cpp) with clang, the whole library instrumented and
# sanitised, and runs each target for SECONDS (default 60). Findings are written to the build dir.
# Inputs reach the size of the largest project file (4 MiB); one that takes longer than
# FUZZ_TIMEOUT seconds counts as a finding. Instrumented, the INI target takes up to about 40 s on
# a 4 MiB file in linear time; a quadratic reader takes hours on such a file and shows up here.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
timeout=${FUZZ_TIMEOUT:-120}
max_len=$((4 * 1024 * 1024))
corpus_root=$root/fuzz-corpus

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for src in "$root"/fuzz/*_fuzz.cpp; do
    targets+=("$(basename "$src" .cpp)")
  done
fi

CXX=clang++ cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSELVANE_FUZZ=ON -DSELVANE_SANITIZE=ON -DSELVANE_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"

status=0
for target in "${targets[@]}"; do
  corpus=$corpus_root/$target
  mkdir -p "$corpus" "$build/findings/$target"
  seeds=()
  [ -d "$root/fuzz/seeds/$target" ] && seeds=("$root/fuzz/seeds/$target")
  echo "== $target for ${seconds}s"
  # Qt keeps caches for the whole run; leaks are not what these targets look for.
  if ! (cd "$build/findings/$target" &&
        QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
        "$build/$target" -max_total_time="$seconds" -max_len="$max_len" -timeout="$timeout" -dict="$root/fuzz/project.dict" \
          -print_final_stats=1 "$corpus" "${seeds[@]}"); then
    echo "!! $target found a problem; see $build/findings/$target"
    status=1
  fi
done
exit $status
