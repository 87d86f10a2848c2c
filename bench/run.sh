#!/usr/bin/env bash
# Builds the release build's benchmarks and runs them headless: the window
# against two bare Qt windows (one showing the greeting picture stretched,
# one empty), medians of repeated runs.
#   bash bench/run.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-21}
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j "$(nproc)" --target bench_window bench_baseline bench_empty bench_launch >/dev/null
xdg=$(mktemp -d)
trap 'rm -rf "$xdg"' EXIT
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$xdg \
  build/release/bench/bench_launch "$runs" build/release/bench/bench_window build/release/bench/bench_baseline \
  build/release/bench/bench_empty
