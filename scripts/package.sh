#!/usr/bin/env bash
# Builds the Debian package of both programs in build-package/ (a release
# build with Debian's hardening flags, programs in /usr/games), then shows
# its control data and file list and runs lintian on it. Prints the
# package's path last.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build-package
bash scripts/install-deps.sh

echo "package: configuring $dir/ (release, Debian's build flags)"
# Every hardening feature, bind-now included.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# CMake does not read CPPFLAGS: the fortify flag goes with the compiler
# flags. All are passed on every run so that a kept cache cannot hold old ones.
cppflags=$(dpkg-buildflags --get CPPFLAGS)
# The install step runs without the `all` target: it needs only the
# programs, and a missing one makes cpack fail by name. A package needs no
# tests.
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DCMAKE_INSTALL_BINDIR=games \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
  -DCMAKE_C_FLAGS="$cppflags $(dpkg-buildflags --get CFLAGS)" \
  -DCMAKE_CXX_FLAGS="$cppflags $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null

echo "package: compiling the programs"
cmake --build "$dir" -j2 --target brask_game brask_editor brask_thumbnailer

echo "package: making the .deb"
rm -f "$dir"/*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
debs=("$dir"/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  echo "package: cpack made no single .deb" >&2
  exit 1
fi
deb=${debs[0]}

echo "package: control data (dpkg-deb -I)"
dpkg-deb -I "$deb"
echo "package: files (dpkg-deb -c)"
dpkg-deb -c "$deb"
echo "package: lintian (fails on errors and warnings; notes are for reading)"
lintian --info --pedantic --fail-on error,warning "$deb"
echo "package: $(realpath "$deb")"
