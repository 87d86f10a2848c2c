# The Debian packages the project needs, by purpose, and the one function
# that installs whichever of them are missing. Sourced by the other scripts.

BUILD_PACKAGES=(cmake g++ make pkg-config libgtest-dev libcairo2-dev libfreetype-dev libgif-dev libjpeg-dev fonts-dejavu-core)
FUZZ_PACKAGES=(clang-14 libclang-rt-14-dev)
# The Qt window layer: Qt 6 Widgets (with its offscreen and xcb platforms and
# its GIF and JPEG readers), xcb for the taskbar hint, fontconfig to load
# the font configuration early, and the font the window falls back to where
# "MS Sans Serif" is missing.
QT_PACKAGES=(qt6-base-dev libxcb1-dev libfontconfig-dev fonts-dejavu-core)
# The X11 test runs the window on a virtual X server.
X11_TEST_PACKAGES=(xvfb xauth)
# The Windows executable: the cross compiler and the readers of its resources.
WINDOWS_PACKAGES=(g++-mingw-w64-i686 binutils-mingw-w64-i686 python3-pefile icoutils)
# Running it under wine in a private X server (wine32 needs the i386
# architecture, see ensure_i386).
WINE_PACKAGES=(wine wine32:i386 wine64 fonts-wine xvfb xauth xdotool x11-utils imagemagick locales)
# The same sources for x86-64, run under 64-bit wine, for machines whose
# kernel runs no 32-bit program (see tools/machine.sh).
WINDOWS64_PACKAGES=(g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64)
WINE64_PACKAGES=(wine wine64 fonts-wine xvfb xauth xdotool x11-utils imagemagick locales)

# Runs a command as root: directly when we are root, else through sudo.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

ensure_packages() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "installing: ${missing[*]}"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Adds the i386 architecture to dpkg, for wine32, unless it is there.
ensure_i386() {
  dpkg --print-foreign-architectures | grep -qx i386 && return 0
  as_root dpkg --add-architecture i386
}

# Generates a locale (e.g. bg_BG.UTF-8) unless it is there.
ensure_locale() {
  local name=$1 short
  short=$(tr '[:upper:]' '[:lower:]' <<<"${name/UTF-8/utf8}")
  locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]' | grep -qx "$short" && return 0
  as_root sed -i "s/^# *\($name .*\)/\1/" /etc/locale.gen
  grep -q "^$name " /etc/locale.gen || echo "$name UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
}
