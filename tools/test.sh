#!/usr/bin/env bash
# Sets up a Debian 12 machine and runs every test: the suite in a release
# build, then again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh

ensure_packages "${BUILD_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}" "${QT_PACKAGES[@]}" "${X11_TEST_PACKAGES[@]}"

jobs=$(nproc)
passed=0
failed=0

# run_suite DIR: runs ctest in DIR and adds its counts to the totals. The
# tests' scratch folder is a fresh one of the run's own, so that a test run
# in another checkout on this machine cannot write into the same folders.
run_suite() {
  local log scratch
  log=$(mktemp)
  scratch=$(mktemp -d)
  set +e
  TEST_TMPDIR="$scratch" ctest --test-dir "$1" --output-on-failure --timeout 300 -j "$jobs" 2>&1 | tee "$log"
  set -e
  rm -rf "$scratch"
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  rm -f "$log"
  if [ -z "$line" ]; then
    failed=$((failed + 1))
    return
  fi
  local bad total
  bad=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  total=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
}

echo "== release build"
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j "$jobs"
run_suite build/release

echo "== sanitizer build (ASan + UBSan)"
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DTARVEL_SANITIZE=ON >/dev/null
cmake --build build/sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_suite build/sanitize

echo "== fuzzing the window description reader (${FUZZ_SECONDS:=60} s)"
# Seeds: a real stream, written with tiny pictures so that it stays small.
fuzz=build/fuzz
rm -rf "$fuzz/seed-pictures" "$fuzz/corpus"
mkdir -p "$fuzz/seed-pictures" "$fuzz/corpus"
printf '\xff\xd8\xff\xe0JFIF\xff\xd9' >"$fuzz/seed-pictures/greeting.jpg"
for name in tree pastry card{00..19}; do
  printf 'GIF89a\x01\x00\x01\x00;' >"$fuzz/seed-pictures/$name.gif"
done
if build/release/window/tarvel_window_writer "$fuzz/seed-pictures" "$fuzz/corpus/form1.stream" &&
  CC=clang-14 CXX=clang++-14 cmake -S . -B "$fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVEL_TESTS=OFF \
    -DTARVEL_FUZZ=ON >/dev/null &&
  cmake --build "$fuzz" -j "$jobs" --target description_fuzz &&
  "$fuzz/runtime/description_fuzz" -max_total_time="$FUZZ_SECONDS" -timeout=10 -rss_limit_mb=2048 \
    -use_value_profile=1 -print_final_stats=1 -artifact_prefix="$fuzz/" "$fuzz/corpus" 2>"$fuzz/fuzz.log"; then
  tail -n 12 "$fuzz/fuzz.log"
  passed=$((passed + 1))
else
  tail -n 60 "$fuzz/fuzz.log" 2>/dev/null || true
  echo "fuzz stage FAILED"
  failed=$((failed + 1))
fi

echo "== windows build (mingw-w64 i686; checked, then run under wine)"
ensure_i386
ensure_packages "${WINDOWS_PACKAGES[@]}" "${WINE_PACKAGES[@]}"
ensure_locale bg_BG.UTF-8
cmake -S . -B build/windows --no-warn-unused-cli -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
  -DTARVEL_RESOURCE_TOOL="$PWD/build/release/resources/tarvel_resource_tool" \
  -DTARVEL_PREBUILT_WINDOW_STREAM="$PWD/build/release/window/form1.stream" >/dev/null
cmake --build build/windows -j "$jobs"
run_suite build/windows

echo "tarvel: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
