#!/usr/bin/env bash
# The program started where there is no display at all, as over a plain
# remote shell: it says so in one line on its error output, shows nothing
# on its standard output, and exits with status 1. The same where the
# platform asked for by name needs a display that is not set.
#
#   bash no_display_test.sh TARVEL
set -u
program=$1
faults=0

# expect PLATFORM LINE: with QT_QPA_PLATFORM set to PLATFORM (empty:
# unset), the program must print LINE and exit with 1.
expect() {
  local err out status
  err=$(mktemp)
  if [ -n "$1" ]; then
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM="$1" "$program" 2>"$err")
  else
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>"$err")
  fi
  status=$?
  if [ "$status" -ne 1 ] || [ -n "$out" ] || [ "$(cat "$err")" != "$2" ]; then
    echo "FAIL (platform '${1}'): exit status $status, output '$out', errors:"
    cat "$err"
    faults=$((faults + 1))
  fi
  rm -f "$err"
}

expect "" "tarvel: there is no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)"
expect "xcb" "tarvel: there is no display to open the window on (DISPLAY is not set)"
expect "wayland;xcb" "tarvel: there is no display to open the window on (WAYLAND_DISPLAY and DISPLAY are not set)"
[ "$faults" -eq 0 ]
