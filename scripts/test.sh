#!/usr/bin/env bash
# Installs what the tests need, builds and runs every test: once as built, once under
# AddressSanitizer and UndefinedBehaviorSanitizer. Runs without a display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

python3 scripts/check-texts.py >/dev/null

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSELVANE_WERROR=ON
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")
# The whole test binary in one process as well, in order and shuffled under fixed seeds: no test
# may depend on what another left behind.
build/selvane_tests --gtest_brief=1
for seed in 1 2 3; do
  build/selvane_tests --gtest_brief=1 --gtest_shuffle --gtest_random_seed="$seed"
done

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSELVANE_SANITIZE=ON -DSELVANE_BENCH=OFF -DSELVANE_WERROR=ON
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp
(cd build-asan && ctest --output-on-failure -j"$jobs")
