# Shared by scripts/run, scripts/test and scripts/bench: installs what the program
# needs from Debian when it is missing, then configures and builds.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Build tools, Qt, the fonts the screens are drawn with, and what the tests use
# to drive a real X server, a real print queue and a real audio server.
PACKAGES=(
  cmake g++ make pkgconf
  qt6-base-dev qt6-base-dev-tools libgl-dev
  fontconfig libfontconfig-dev fonts-liberation2 fonts-cabin fonts-noto-color-emoji
  xvfb xauth xdotool imagemagick
  dpkg-dev desktop-file-utils appstream lintian
  festival festvox-us-slt-hts flite sox
  libpulse-dev pulseaudio pulseaudio-utils
  qt6-wayland weston
)

sudo_if_needed() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing_packages() {
  local missing=()
  for package in "${PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" \
      || missing+=("$package")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_if_needed apt-get update
    sudo_if_needed env DEBIAN_FRONTEND=noninteractive \
      apt-get install -y --no-install-recommends "${missing[@]}"
  fi
}

# build_into DIR [cmake options...]: configure once, then build incrementally.
build_into() {
  local dir=$1; shift
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    # ccache, where a developer has it, makes rebuilds in other folders quick.
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" "$@"
  fi
  cmake --build "$dir" --parallel "$(nproc)"
}
