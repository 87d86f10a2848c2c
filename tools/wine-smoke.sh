#!/usr/bin/env bash
# Runs Tarvel.exe under wine inside a private Xvfb, in a fresh 32-bit
# prefix made in a temporary folder, and checks what the window shows:
#   - the window appears, with a client area of 841 x 393 pixels;
#   - closing it (Alt+F4) ends the process.
# Screenshots go to OUT_DIR. Everything it starts it ends, and the prefix
# is removed.
#
#   bash tools/wine-smoke.sh TARVEL_EXE [OUT_DIR]
set -euo pipefail

exe=$(readlink -f "$1")
out=$(readlink -f "${2:-$(dirname "$exe")/wine-smoke}")
mkdir -p "$out"

faults=0
pass() { echo "wine-smoke: ok: $*"; }
fail() { echo "wine-smoke: FAIL: $*"; faults=$((faults + 1)); }

if ! locale -a 2>/dev/null | grep -qi '^bg_BG\.utf-\?8$'; then
  echo "wine-smoke: the locale bg_BG.UTF-8 is missing (locale-gen bg_BG.UTF-8)" >&2
  exit 1
fi

work=$(mktemp -d)
xvfb_pid=""
wine_pid=""
export WINEARCH=win32
export WINEPREFIX="$work/prefix"
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEDEBUG=-all

cleanup() {
  set +e
  if [ -d "$WINEPREFIX" ]; then
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
  fi
  [ -n "$wine_pid" ] && kill "$wine_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A private X server; it tells its display number when it is ready.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "wine-smoke: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"

start=$(date +%s)
wineboot -i >"$work/wineboot.log" 2>&1 || { cat "$work/wineboot.log" >&2; exit 1; }
wineserver -w
cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
# There is no window manager: wine draws the frames and title bars itself.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
echo "wine-smoke: prefix ready in $(($(date +%s) - start)) s"

# screenshot NAME: the whole screen, as OUT_DIR/NAME.png.
screenshot() { import -window root "$out/$1.png"; }

# The client area: the box of the window's dark red background, which shows
# in all four corners of the client area.
client_box() {
  convert "$out/$1.png" -fill black +opaque '#800000' -fill white -opaque '#800000' \
    -format '%@' info:
}

(cd "$(dirname "$exe")" && LANG=bg_BG.UTF-8 exec wine "$exe") >"$work/wine.log" 2>&1 &
wine_pid=$!

window=""
for _ in $(seq 150); do
  window=$(xdotool search --onlyvisible --class 'tarvel.exe' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
if [ -z "$window" ]; then
  fail "no window appeared"
  cat "$work/wine.log"
  exit 1
fi
pass "window $window appeared: \"$(xdotool getwindowname "$window")\""
sleep 1
screenshot started

box=$(client_box started)
case "$box" in
  841x393+*) pass "client area $box" ;;
  *) fail "client area $box, expected 841x393" ;;
esac

# Close it as the user does, and the process must end.
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --window "$window" alt+F4
ended=""
for _ in $(seq 100); do
  if ! kill -0 "$wine_pid" 2>/dev/null; then ended=yes; break; fi
  sleep 0.1
done
if [ -n "$ended" ]; then
  wait "$wine_pid" 2>/dev/null || true
  wine_pid=""
  pass "closing the window ended the process"
else
  fail "the process still runs 10 s after closing its window"
fi

echo "wine-smoke: $faults faults"
[ "$faults" -eq 0 ]
