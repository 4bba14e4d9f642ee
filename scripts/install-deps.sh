#!/usr/bin/env bash
# Installs the Debian packages that are missing, skipping the work entirely
# when every one of them is already present.
#   install-deps.sh play   what building and running the programs needs
#   install-deps.sh        that, and what the tests, fuzzing and packaging use
# Not root and without a working sudo, it prints the command to run as root
# and stops.
set -euo pipefail

play_packages=(
  build-essential cmake pkg-config
  libwxgtk3.2-dev
  libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri
  libftgl-dev libfreetype-dev libfontconfig-dev libpng-dev
  fonts-dejavu-core
)
test_packages=(
  libosmesa6-dev
  xvfb xauth xdotool x11-utils x11-xserver-utils imagemagick
  # the editor's end-to-end test reads its status bar off the screen
  tesseract-ocr
  libgtest-dev libgmock-dev libbenchmark-dev
  # clang's sanitizer runtime, and llvm-14 for the llvm-symbolizer that
  # turns the addresses in its reports into names.
  clang libclang-rt-14-dev llvm-14
  desktop-file-utils libxml2-utils appstream librsvg2-bin man-db
  dpkg-dev file lintian debootstrap
)
case ${1:-} in
  play) packages=("${play_packages[@]}") ;;
  "") packages=("${play_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: install-deps.sh [play]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all ${#packages[@]} packages present"
  exit 0
fi

echo "install-deps: ${#missing[@]} of ${#packages[@]} packages missing: ${missing[*]}"
install=(apt-get install -y -qq --no-install-recommends "${missing[@]}")
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  # sudo -v asks for the password once, and fails where sudo is not allowed.
  if ! command -v sudo >/dev/null || ! sudo -v; then
    echo "install-deps: installing them needs root, and sudo does not work for $(id -un) here." >&2
    echo "install-deps: run this command, which asks for root's password, then run this script again:" >&2
    echo "  su -c 'apt-get update && ${install[*]}'" >&2
    exit 1
  fi
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" "${install[@]}"
