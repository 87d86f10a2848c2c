# The Debian packages the project needs, by purpose, and the one function
# that installs whichever of them are missing. Sourced by the other scripts.

BUILD_PACKAGES=(cmake g++ make pkg-config libgtest-dev libcairo2-dev libfreetype-dev libgif-dev libjpeg-dev fonts-dejavu-core)
FUZZ_PACKAGES=(clang-14 libclang-rt-14-dev)
# The Qt window layer: Qt 6 Widgets (with its offscreen and xcb platforms and
# its GIF and JPEG readers), xcb for the taskbar hint, and the font the
# window falls back to where "MS Sans Serif" is missing.
QT_PACKAGES=(qt6-base-dev libxcb1-dev fonts-dejavu-core)
# The X11 test runs the window on a virtual X server.
X11_TEST_PACKAGES=(xvfb xauth)

ensure_packages() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "installing: ${missing[*]}"
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
