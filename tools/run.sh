#!/usr/bin/env bash
# Sets up a Debian 12 machine (the build tools and Qt 6), builds the program
# and opens its window on the current display.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh

ensure_packages "${BUILD_PACKAGES[@]}" "${QT_PACKAGES[@]}"

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j "$(nproc)" --target tarvel

# Where there is no display, the program says so itself and exits with 1.
exec build/release/window/tarvel
