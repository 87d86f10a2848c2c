#!/usr/bin/env bash
# Sets up a Debian 12 machine and runs every test, in stages: the suite in
# a Release build, the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, fuzzing of the window description reader, the
# Windows build with the check of its executable, and the smoke run of the
# Windows executable under wine. Each stage keeps its own status; a stage
# that fails is named on a line of its own, and the last line counts the
# tests: "tarvel: N passed, M failed".
#
# The smoke run takes the 32-bit Tarvel.exe where this machine's kernel
# runs 32-bit programs. Where it does not, or with TARVEL_WINE64=1, it takes
# the same sources cross-built for x86-64, under 64-bit wine, and says so;
# the 32-bit Tarvel.exe is built and checked on every machine.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
source tools/machine.sh

jobs=$(nproc)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
trap 'exit 130' INT TERM

passed=0
failed=0
failed_stages=()
stage_failures=0  # the failed tests counted by the stage now running

# count JUNIT: adds the counts of ctest's JUnit report to the totals.
count() {
  [ -s "$1" ] || return 1
  local tests failures skipped disabled
  tests=$(sed -n 's/^[[:space:]]*tests="\([0-9]*\)".*/\1/p' "$1" | head -n 1)
  failures=$(sed -n 's/^[[:space:]]*failures="\([0-9]*\)".*/\1/p' "$1" | head -n 1)
  skipped=$(sed -n 's/^[[:space:]]*skipped="\([0-9]*\)".*/\1/p' "$1" | head -n 1)
  disabled=$(sed -n 's/^[[:space:]]*disabled="\([0-9]*\)".*/\1/p' "$1" | head -n 1)
  [ -n "$tests" ] && [ -n "$failures" ] || return 1
  passed=$((passed + tests - failures - ${skipped:-0} - ${disabled:-0}))
  failed=$((failed + failures))
  stage_failures=$((stage_failures + failures))
}

# run_suite DIR [CTEST_ARGS...]: runs the tests of the build in DIR, each
# test in a scratch folder of the run's own, so that a test run in another
# checkout on this machine cannot write into the same folders.
run_suite() {
  local dir=$1
  shift
  local scratch report status=0
  scratch=$(mktemp -d -p "$work")
  report="$scratch/junit.xml"
  TEST_TMPDIR="$scratch" ctest --test-dir "$dir" --output-on-failure --timeout 300 -j "$jobs" \
    --output-junit "$report" "$@" || status=$?
  count "$report" || status=1
  return "$status"
}

# stage NAME FUNCTION: runs one stage. A stage that fails is named, and
# counts as one failed test where none of its tests failed (a build that
# breaks, say), so that the last line never reads 0 failed then.
stage() {
  local name=$1 status=0
  echo "== $name"
  stage_failures=0
  "$2" || status=$?
  if [ "$status" -ne 0 ]; then
    failed_stages+=("$name")
    [ "$stage_failures" -gt 0 ] || failed=$((failed + 1))
    echo "== $name: FAILED"
  fi
}

# configure DIR ARGS...: configures a build quietly, with warnings as errors.
configure() {
  local dir=$1
  shift
  cmake -S . -B "$dir" --no-warn-unused-cli -DTARVEL_WERROR=ON "$@" >/dev/null
}

release_suite() {
  configure build/release -DCMAKE_BUILD_TYPE=Release || return
  cmake --build build/release -j "$jobs" || return
  run_suite build/release
}

sanitizer_suite() {
  configure build/sanitize -DCMAKE_BUILD_TYPE=Debug -DTARVEL_SANITIZE=ON || return
  cmake --build build/sanitize -j "$jobs" || return
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_suite build/sanitize
}

fuzzing() {
  # Seeds: a real stream, written with tiny pictures so that it stays small.
  local fuzz=build/fuzz seeds="$work/seed-pictures" name
  rm -rf "$fuzz/corpus"
  mkdir -p "$seeds" "$fuzz/corpus"
  printf '\xff\xd8\xff\xe0JFIF\xff\xd9' >"$seeds/greeting.jpg"
  for name in tree pastry card{00..19}; do
    printf 'GIF89a\x01\x00\x01\x00;' >"$seeds/$name.gif"
  done
  build/release/window/tarvel_window_writer "$seeds" "$fuzz/corpus/form1.stream" || return
  CC=clang-14 CXX=clang++-14 configure "$fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVEL_TESTS=OFF \
    -DTARVEL_FUZZ=ON || return
  cmake --build "$fuzz" -j "$jobs" --target description_fuzz || return
  if "$fuzz/runtime/description_fuzz" -max_total_time="${FUZZ_SECONDS:-60}" -timeout=10 -rss_limit_mb=2048 \
    -use_value_profile=1 -print_final_stats=1 -artifact_prefix="$fuzz/" "$fuzz/corpus" 2>"$fuzz/fuzz.log"; then
    tail -n 12 "$fuzz/fuzz.log"
    passed=$((passed + 1))
  else
    tail -n 60 "$fuzz/fuzz.log"
    failed=$((failed + 1))
    stage_failures=1
    return 1
  fi
}

# windows_build DIR TOOLCHAIN: cross-builds the Windows executables with
# the host build's window description and resource tool. The executable's
# check runs on Debian's own Python, for which python3-pefile is installed.
windows_build() {
  configure "$1" -DCMAKE_TOOLCHAIN_FILE="cmake/$2.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DTARVEL_RESOURCE_TOOL="$PWD/build/release/resources/tarvel_resource_tool" \
    -DTARVEL_PREBUILT_WINDOW_STREAM="$PWD/build/release/window/form1.stream" \
    -DPython3_EXECUTABLE=/usr/bin/python3 || return
  cmake --build "$1" -j "$jobs"
}

windows_check() {
  ensure_packages "${WINDOWS_PACKAGES[@]}" || return
  windows_build build/windows mingw-i686 || return
  run_suite build/windows -E wine_smoke
}

smoke_run() {
  if [ "$smoke_64" = yes ]; then
    ensure_packages "${WINDOWS64_PACKAGES[@]}" "${WINE64_PACKAGES[@]}" || return
    ensure_locale bg_BG.UTF-8 || return
    windows_build build/windows64 mingw-x86_64 || return
    run_suite build/windows64 -R wine_smoke
  else
    { ensure_i386 && ensure_packages "${WINE_PACKAGES[@]}" && ensure_locale bg_BG.UTF-8; } || return
    run_suite build/windows -R wine_smoke
  fi
}

ensure_packages "${BUILD_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}" "${QT_PACKAGES[@]}" "${X11_TEST_PACKAGES[@]}"

# Which executable the smoke run takes, found out once.
if [ "${TARVEL_WINE64:-0}" = 1 ]; then
  smoke_64=yes
  smoke_why="TARVEL_WINE64=1 asks for it"
elif runs_x86_32; then
  smoke_64=no
else
  smoke_64=yes
  smoke_why="this machine's kernel runs no 32-bit x86 program"
fi

stage "release suite" release_suite
stage "sanitizer suite (ASan + UBSan)" sanitizer_suite
stage "fuzzing the window description reader (${FUZZ_SECONDS:-60} s)" fuzzing
stage "Windows build (mingw-w64 i686) and the check of Tarvel.exe" windows_check
if [ "$smoke_64" = yes ]; then
  echo "smoke run: $smoke_why, so it runs Tarvel.exe built for x86-64" \
    "(build/windows64) under 64-bit wine, not the 32-bit Tarvel.exe that ships"
  stage "smoke run under wine (Tarvel.exe for x86-64)" smoke_run
else
  stage "smoke run under wine (the 32-bit Tarvel.exe)" smoke_run
fi

for name in "${failed_stages[@]}"; do echo "tarvel: stage failed: $name"; done
echo "tarvel: $passed passed, $failed failed"
[ "${#failed_stages[@]}" -eq 0 ]
