#!/usr/bin/env bash
# Runs Tarvel.exe under wine inside a private Xvfb, in a fresh prefix made
# in a temporary folder, three times: the button pressed by a click, by
# Space and by Enter. A 32-bit executable (the one that ships) runs in a
# 32-bit prefix under the 32-bit loader; the same sources built for x86-64
# run in a 64-bit prefix under the 64-bit loader, for machines whose kernel
# runs no 32-bit program. Each time:
#   - the window appears, with a client area of the designed size (and,
#     the first time, the heading white on the bare dark red, the tree in
#     its frame, and the button's caption dark and centred on its face);
#   - the press turns the display slot from the pastry to a card (before
#     it, a click on the slot itself changes nothing; Tab before Enter
#     leaves the focus on the button);
#   - closing the window (Alt+F4) ends the process.
# Where the client area's controls lie it reads from LAYOUT, the file of
# pixel boxes that the host build writes from Form1's design (window/
# form1_layout.sh). Screenshots go to OUT_DIR. Everything it starts it
# ends, and the prefix is removed.
#
# With REPORT_PROBE (Form1 whose click raises a run-time error), a fourth
# run: the click shows the error in a message box titled with the window's
# caption; dismissed, the window goes on, and closing it ends the process.
#
#   bash tools/wine-smoke.sh TARVEL_EXE LAYOUT [OUT_DIR [REPORT_PROBE]]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-session.sh"

exe=$(readlink -f "$1")
# shellcheck source=/dev/null
source "$2"  # client, button, heading, tree, slot: WxH+X+Y (the client: WxH)
out=$(readlink -f "${3:-$(dirname "$exe")/wine-smoke}")
probe=""
[ -n "${4:-}" ] && probe=$(readlink -f "$4")
mkdir -p "$out"

# Parts of a box WxH+X+Y: box_w, box_h, box_x, box_y; and its centre.
box_w() { local b=$1; echo "${b%%x*}"; }
box_h() { local b=${1#*x}; echo "${b%%+*}"; }
box_x() { local b=${1#*+}; echo "${b%%+*}"; }
box_y() { local b=${1#*+}; echo "${b#*+}"; }
centre_x() { echo $(($(box_x "$1") + $(box_w "$1") / 2)); }
centre_y() { echo $(($(box_y "$1") + $(box_h "$1") / 2)); }

faults=0
pass() { echo "wine-smoke: ok: $*"; }
fail() { echo "wine-smoke: FAIL: $*"; faults=$((faults + 1)); }

if ! locale -a 2>/dev/null | grep -qi '^bg_BG\.utf-\?8$'; then
  echo "wine-smoke: the locale bg_BG.UTF-8 is missing (locale-gen bg_BG.UTF-8)" >&2
  exit 1
fi

# The executable's machine, from its PE header: 0x14c i386, 0x8664 x86-64.
pe_at=$(od -An -tu4 -j60 -N4 "$exe" | tr -d ' ')
machine=$(od -An -tx2 -j$((pe_at + 4)) -N2 "$exe" | tr -d ' ')
case "$machine" in
  014c) arch=win32 ;;
  8664) arch=win64 ;;
  *) echo "wine-smoke: $exe is no i386 or x86-64 Windows executable (machine $machine)" >&2; exit 1 ;;
esac
start=$(date +%s)
wine_session wine-smoke "$arch"
echo "wine-smoke: running $exe ($([ "$WINEARCH" = win32 ] && echo "32-bit, i386" || echo "64-bit, x86-64")) under $wine in a $WINEARCH prefix"
echo "wine-smoke: prefix ready in $(($(date +%s) - start)) s"

# screenshot NAME: the whole screen, as OUT_DIR/NAME.png.
screenshot() { import -window root "$out/$1.png"; }

# client_box NAME: the client area in a screenshot, as WxH+X+Y: the box of
# the window's dark red background, which shows in all four of its corners.
client_box() {
  convert "$out/$1.png" -fill black +opaque '#800000' -fill white -opaque '#800000' -format '%@' info: 2>/dev/null
}

# The display slot in the screenshot.
slot_crop() { echo "$(box_w "$slot")x$(box_h "$slot")+$((client_x + $(box_x "$slot")))+$((client_y + $(box_y "$slot")))"; }

# changed_share A B: the share of the slot's pixels that differ between two
# screenshots. white_share A: the share of the slot that is near white.
changed_share() {
  convert "$out/$1.png" -crop "$(slot_crop)" +repage "$work/slot-a.png"
  convert "$out/$2.png" -crop "$(slot_crop)" +repage "$work/slot-b.png"
  local differing
  differing=$(compare -metric AE -fuzz 10% "$work/slot-a.png" "$work/slot-b.png" null: 2>&1 || true)
  awk -v n="${differing%% *}" -v all="$(($(box_w "$slot") * $(box_h "$slot")))" 'BEGIN { printf "%.3f", n / all }'
}
white_share() {
  convert "$out/$1.png" -crop "$(slot_crop)" +repage -fuzz 8% -fill black +opaque white \
    -fill white -opaque white -format '%[fx:mean]' info:
}
at_least() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a + 0 >= b + 0) }'; }

window=""
program="$exe"
client_x=0
client_y=0

# The X class of the program's windows, as wine names it.
program_class() { basename "$program" | tr '[:upper:]' '[:lower:]'; }

# start_program RUN: starts $program and waits until its window shows its
# client area; checks the client area's size.
start_program() {
  (cd "$(dirname "$program")" && LANG=bg_BG.UTF-8 exec "$wine" "$program") >"$work/wine-$1.log" 2>&1 &
  wine_pid=$!
  window=""
  for _ in $(seq 150); do
    window=$(xdotool search --onlyvisible --class "$(program_class)" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  if [ -z "$window" ]; then
    fail "$1: no window appeared"
    cat "$work/wine-$1.log"
    return 1
  fi
  local box=""
  for _ in $(seq 50); do
    screenshot "$1-before"
    box=$(client_box "$1-before")
    case "$box" in "$client"+*) break ;; esac
    sleep 0.2
  done
  case "$box" in
    "$client"+*) pass "$1: window \"$(xdotool getwindowname "$window")\" with a client area of $box" ;;
    *) fail "$1: client area $box, expected $client"; return 1 ;;
  esac
  client_x=$(cut -d+ -f2 <<<"$box")
  client_y=$(cut -d+ -f3 <<<"$box")
  xdotool windowfocus --sync "$window" 2>/dev/null || true
}

# check_frame RUN: what wine tells the X server of the frame: no taskbar
# button, a fixed size, and of the title bar's functions only move and
# close (no minimize, no maximize, no resize).
check_frame() {
  local state hints motif
  state=$(xprop -id "$window" _NET_WM_STATE 2>/dev/null)
  hints=$(xprop -id "$window" WM_NORMAL_HINTS 2>/dev/null)
  motif=$(xprop -id "$window" _MOTIF_WM_HINTS 2>/dev/null)
  if grep -q _NET_WM_STATE_SKIP_TASKBAR <<<"$state"; then
    pass "$1: the window has no taskbar button"
  else
    fail "$1: the window is on the taskbar ($state)"
  fi
  local min max
  min=$(sed -n 's/.*minimum size: //p' <<<"$hints")
  max=$(sed -n 's/.*maximum size: //p' <<<"$hints")
  if [ -n "$min" ] && [ "$min" = "$max" ]; then
    pass "$1: the window has a fixed size ($min)"
  else
    fail "$1: the window can be resized (minimum ${min:-none}, maximum ${max:-none})"
  fi
  # Motif functions: 0x04 move, 0x20 close.
  if grep -qE '= 0x[0-9a-f]*[13579bdf], 0x24,' <<<"$motif"; then
    pass "$1: the title bar offers move and close only"
  else
    fail "$1: the title bar's functions are not move and close alone ($motif)"
  fi
}

# crop SHOT RECT: a part of a screenshot, RECT as WxH+X+Y in the client
# area; further options follow, then the output (info: for a measure).
crop() {
  local shot=$1 rect=$2
  shift 2
  local size=${rect%%+*} at=${rect#*+}
  convert "$out/$shot.png" -crop "$size+$((client_x + ${at%%+*}))+$((client_y + ${at#*+}))" +repage "$@"
}

# check_first_picture RUN: before any press, the heading is white letters
# on the bare dark red, the tree is drawn in its frame, and the button's
# caption is dark text centred on its face.
check_first_picture() {
  local shot="$1-before" blended white drawn green ink
  # The heading's frame, left of the tree's frame: every pixel white, dark
  # red, or a blend of the two (green = blue, red = 128 + green / 2).
  local bare
  bare="$(($(box_x "$tree") - $(box_x "$heading")))x$(box_h "$heading")+$(box_x "$heading")+$(box_y "$heading")"
  blended=$(crop "$shot" "$bare" -fx 'abs(g-b)>0.03 || abs(r-(0.502+g*0.498))>0.03' \
    -format '%[fx:mean]' info:)
  white=$(crop "$shot" "$bare" -fuzz 3% -fill black +opaque white -fill white -opaque white \
    -format '%[fx:mean]' info:)
  if at_least 0 "$blended" && at_least "$white" 0.05; then
    pass "$1: the heading is white letters on the bare dark red ($white white)"
  else
    fail "$1: the heading is not white on the bare dark red ($blended other colours, $white white)"
  fi
  # The tree's frame: its picture over the dark red, with green in it.
  drawn=$(crop "$shot" "$tree" -fuzz 3% -fill black -opaque '#800000' -fill white +opaque black \
    -format '%[fx:mean]' info:)
  green=$(crop "$shot" "$tree" -fx 'g>r+0.05 && g>b+0.05' -format '%[fx:mean]' info:)
  if at_least "$drawn" 0.3 && at_least "$green" 0.05; then
    pass "$1: the tree shows in its frame ($drawn drawn, $green green)"
  else
    fail "$1: the tree does not show in its frame ($drawn drawn, $green green)"
  fi
  # The button's caption: the box of its dark pixels inside the focus frame
  # (the face less 6 pixels each side), centred on the face to 2 pixels.
  local face
  face="$(($(box_w "$button") - 12))x$(($(box_h "$button") - 12))+$(($(box_x "$button") + 6))+$(($(box_y "$button") + 6))"
  ink=$(crop "$shot" "$face" -colorspace gray -threshold 25% -format '%@' info:)
  if awk -v ink="$ink" -v face="$face" 'BEGIN { split(ink, p, /[x+]/); split(face, f, /[x+]/)
        dx = 2 * p[3] + p[1] - f[1]; dy = 2 * p[4] + p[2] - f[2]
        exit !(p[1] > f[1] / 3 && dx * dx <= 16 && dy * dy <= 16) }'; then
    pass "$1: the button's caption is dark and centred on its face ($ink)"
  else
    fail "$1: the button's caption is not dark and centred on its face ($ink)"
  fi
}

# press RUN: presses the button by RUN's way (click, space or enter); the
# display slot must turn from the pastry to a card.
press() {
  case "$1" in
    click)
      # A click elsewhere, here on the display slot itself, does nothing.
      xdotool mousemove $((client_x + $(centre_x "$slot"))) $((client_y + $(centre_y "$slot"))) click 1
      sleep 0.5
      screenshot click-elsewhere
      local unchanged
      unchanged=$(changed_share click-before click-elsewhere)
      if at_least 0.01 "$unchanged"; then
        pass "click: a click on the display slot changes nothing"
      else
        fail "click: a click on the display slot changed $unchanged of it"
      fi
      xdotool mousemove $((client_x + $(centre_x "$button"))) $((client_y + $(centre_y "$button"))) click 1
      ;;
    space) xdotool key --window "$window" space ;;
    enter)
      # Tab keeps the focus on the button, the only control that takes it.
      xdotool key --window "$window" Tab
      xdotool key --window "$window" Return
      ;;
  esac
  local changed white before
  # Before the press the slot is empty and the pastry shows through it.
  before=$(white_share "$1-before")
  if at_least 0.05 "$before"; then
    pass "$1: before the press the pastry shows in the display slot ($before white)"
  else
    fail "$1: before the press the display slot is $before white, not the pastry"
  fi
  for _ in $(seq 20); do
    sleep 0.2
    screenshot "$1-after"
    changed=$(changed_share "$1-before" "$1-after")
    at_least "$changed" 0.25 && break
  done
  white=$(white_share "$1-after")
  if at_least "$changed" 0.25 && at_least "$white" 0.30; then
    pass "$1: the display slot shows a card ($changed of it changed, $white white)"
  else
    fail "$1: the display slot did not turn to a card ($changed of it changed, $white white)"
  fi
}

# report RUN: clicks the button of the probe, whose click raises a run-time
# error: a message box titled with the window's caption must show it, and
# once it is dismissed the window must go on.
report() {
  local caption box=""
  caption=$(xdotool getwindowname "$window")
  xdotool mousemove $((client_x + $(centre_x "$button"))) $((client_y + $(centre_y "$button"))) click 1
  for _ in $(seq 50); do
    box=$(xdotool search --onlyvisible --class "$(program_class)" 2>/dev/null | grep -vx "$window" | head -n 1 || true)
    [ -n "$box" ] && break
    sleep 0.1
  done
  if [ -z "$box" ]; then
    fail "$1: no message box showed the run-time error"
    return
  fi
  sleep 0.5
  screenshot "$1-message"
  if [ "$(xdotool getwindowname "$box")" = "$caption" ]; then
    pass "$1: a message box titled \"$caption\" shows the run-time error"
  else
    fail "$1: the message box is titled \"$(xdotool getwindowname "$box")\", not \"$caption\""
  fi
  xdotool windowfocus --sync "$box" 2>/dev/null || true
  xdotool key --window "$box" Return
  for _ in $(seq 50); do
    xdotool search --onlyvisible --class "$(program_class)" 2>/dev/null | grep -qx "$box" || break
    sleep 0.1
  done
  if xdotool search --onlyvisible --class "$(program_class)" 2>/dev/null | grep -qx "$box"; then
    fail "$1: Enter did not dismiss the message box"
  elif xdotool search --onlyvisible --class "$(program_class)" 2>/dev/null | grep -qx "$window"; then
    pass "$1: after the message the window goes on"
  else
    fail "$1: the window is gone after the message"
  fi
}

# close_program RUN: closes the window as the user does (Alt+F4); the
# process must end.
close_program() {
  xdotool key --window "$window" alt+F4
  for _ in $(seq 100); do
    if ! kill -0 "$wine_pid" 2>/dev/null; then
      wait "$wine_pid" 2>/dev/null || true
      wine_pid=""
      pass "$1: closing the window ended the process"
      return 0
    fi
    sleep 0.1
  done
  fail "$1: the process still runs 10 s after its window was closed"
  kill "$wine_pid" 2>/dev/null || true
  wine_pid=""
}

# Each way of pressing from a fresh start, so that each press must turn
# the pastry into a card.
for run in click space enter; do
  if start_program "$run"; then
    if [ "$run" = click ]; then
      check_frame "$run"
      check_first_picture "$run"
    fi
    press "$run"
    close_program "$run"
  else
    [ -n "$wine_pid" ] && kill "$wine_pid" 2>/dev/null
    wine_pid=""
  fi
  wineserver -w
done

if [ -n "$probe" ]; then
  program="$probe"
  if start_program report; then
    report report
    close_program report
  else
    [ -n "$wine_pid" ] && kill "$wine_pid" 2>/dev/null
    wine_pid=""
  fi
  wineserver -w
fi

echo "wine-smoke: $faults faults"
[ "$faults" -eq 0 ]
