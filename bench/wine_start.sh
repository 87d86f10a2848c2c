#!/usr/bin/env bash
# The start-up under wine: Tarvel.exe (the x86-64 build, under wine64)
# against a bare Win32 window of the same client size that only fills its
# client area (bench/bare_window.cpp). Both run in one fresh prefix inside
# a private Xvfb, started the same way by bench/first_paint, which times
# from the process's start to the first look of the window from which on
# its client area shows as it stays. The prefix's wineserver is kept
# running (and each program run once to warm up), so that each start is
# the program's own, not the wine system's. Prints the medians of RUNS
# runs of each, taken in turns, and the difference.
#
# Builds its targets in build/release and build/windows64, which must be
# configured as the README says for the Windows build, the latter with
# -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake.
#   bash bench/wine_start.sh [RUNS [TARVEL_EXE]]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/wine-session.sh
runs=${1:-15}
cmake --build build/release -j4 --target first_paint tarvel_layout >/dev/null
cmake --build build/windows64 -j4 --target Tarvel bare_window >/dev/null
timer=$PWD/build/release/bench/first_paint
tarvel=$(readlink -f "${2:-build/windows64/window/Tarvel.exe}")
bare=$PWD/build/windows64/bench/bare_window.exe
# shellcheck source=/dev/null
source build/release/window/form1_layout.sh  # client=WxH, and the controls' boxes
: "${client:?the layout file gives no client size}"
back=800000  # the window's dark red, in both

wine_session wine_start win64
wineserver -w
wineserver -p  # from here on the wineserver stays until it is told to go

# once EXE: one timed start; prints "window_ms=M paint_ms=P".
once() {
  (cd "$(dirname "$1")" &&
    LANG=bg_BG.UTF-8 "$timer" "$(basename "$1" | tr '[:upper:]' '[:lower:]')" "$client" "$back" "$wine" "$1")
}
field() { sed -n "s/.*$1=\([0-9.]*\).*/\1/p"; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

once "$bare" >/dev/null
once "$tarvel" >/dev/null
: >"$work/bare"
: >"$work/tarvel"
for i in $(seq "$runs"); do
  if [ $((i % 2)) = 1 ]; then
    once "$bare" >>"$work/bare"
    once "$tarvel" >>"$work/tarvel"
  else
    once "$tarvel" >>"$work/tarvel"
    once "$bare" >>"$work/bare"
  fi
done

report() {
  local name=$1 file=$2 window paint all
  window=$(field window_ms <"$file" | median)
  paint=$(field paint_ms <"$file" | median)
  all=$(field paint_ms <"$file" | sort -n | tr '\n' ' ')
  printf '  %-12s window mapped %7.1f ms, client area painted %7.1f ms   (runs: %s)\n' "$name" "$window" "$paint" "$all"
  echo "$paint" >"$file.median"
}
echo "wine_start: $runs starts of each under $wine, from the process's start (medians)"
report "bare window" "$work/bare"
report "Tarvel.exe" "$work/tarvel"
awk -v t="$(cat "$work/tarvel.median")" -v b="$(cat "$work/bare.median")" \
  'BEGIN { printf "  difference   %.1f ms (Tarvel.exe after the bare window; at most 50 ms is the aim)\n", t - b }'
