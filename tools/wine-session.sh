# A private X server and a fresh wine prefix in a temporary folder, for the
# scripts that run the Windows executables under wine. Sourced by them.
#
# wine_session NAME ARCH: with ARCH win32 or win64, starts the X server and
# makes the prefix; sets work (the temporary folder), wine (the loader,
# called by name: the plain wine command would take the 32-bit one
# whenever it is installed), WINEPREFIX and DISPLAY. When the script exits,
# the prefix's wineserver, a process whose id it put in wine_pid, and the X
# server are ended, and the folder removed. NAME leads its messages.
wine_session() {
  local name=$1
  export WINEARCH=$2
  case "$2" in
    win32) export WINELOADER=/usr/lib/wine/wine ;;
    win64) export WINELOADER=/usr/lib/wine/wine64 ;;
  esac
  wine=$WINELOADER
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export WINEDEBUG=-all
  work=$(mktemp -d)
  export WINEPREFIX="$work/prefix"
  xvfb_pid=""
  wine_pid=""
  trap wine_session_end EXIT

  # The X server tells its display number when it is ready.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || { echo "$name: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
  DISPLAY=":$(cat "$work/display")"
  export DISPLAY

  "$wine" wineboot.exe -i >"$work/wineboot.log" 2>&1 || { cat "$work/wineboot.log" >&2; exit 1; }
  wineserver -w
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  # There is no window manager: wine draws the frames and title bars itself.
  "$wine" reg.exe add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
}

wine_session_end() {
  set +e
  if [ -d "$WINEPREFIX" ]; then
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
  fi
  [ -n "$wine_pid" ] && kill "$wine_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
