#!/usr/bin/env bash
# Sets up a Debian 12 machine (the build tools and Qt 6), builds the program
# and opens its window on the current display.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh

ensure_packages "${BUILD_PACKAGES[@]}" "${QT_PACKAGES[@]}"

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j "$(nproc)" --target tarvel

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "tarvel: built build/release/window/tarvel, but there is no display to open its window on" >&2
  exit 1
fi
exec build/release/window/tarvel
