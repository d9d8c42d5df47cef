#!/usr/bin/env bash
# Installs every Debian 12 package the program, its tests and benchmarks need.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends \
  build-essential cmake ninja-build pkg-config \
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n \
  libjpeg62-turbo-dev \
  libgtest-dev libgmock-dev libbenchmark-dev \
  clang libclang-rt-14-dev \
  fonts-wqy-microhei fonts-dejavu-core \
  xvfb xauth xdg-utils locales \
  valgrind time
