#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need,
# skipping the work entirely when every one of them is already present.
set -euo pipefail

packages=(
  build-essential cmake pkg-config ninja-build
  libwxgtk3.2-dev
  libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri libosmesa6-dev
  libftgl-dev libfreetype-dev libfontconfig-dev
  xvfb xauth xdotool x11-utils x11-xserver-utils imagemagick
  fonts-dejavu-core
  # the editor's end-to-end test reads its status bar off the screen
  tesseract-ocr
  libgtest-dev libgmock-dev libbenchmark-dev
  # clang's sanitizer runtime, and llvm-14 for the llvm-symbolizer that
  # turns the addresses in its reports into names.
  clang libclang-rt-14-dev llvm-14
  desktop-file-utils libxml2-utils appstream librsvg2-bin man-db
  dpkg-dev file lintian debootstrap
)

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

echo "install-deps: installing ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
