# The Debian package of both programs: `cpack -G DEB` in a build tree
# (scripts/package.sh configures, builds and checks one).

set(BRASK_DEB_NAME brask)
set(BRASK_DEB_REVISION 1)
set(BRASK_DEB_VERSION "${PROJECT_VERSION}-${BRASK_DEB_REVISION}")
set(BRASK_DEB_MAINTAINER "The Brask authors <brask@example.org>")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${BRASK_DEB_NAME})
set(CPACK_PACKAGE_VENDOR "The Brask authors")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${BRASK_DEB_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${BRASK_DEB_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_RELEASE ${BRASK_DEB_REVISION})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# name_version-revision_arch.deb
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)

# The descriptions come from cmake/Version.cmake, which --version and the
# about boxes read too. A synopsis does not start with an article.
string(REGEX REPLACE "^(A|An|The) " "" BRASK_DEB_SYNOPSIS "${BRASK_GAME_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${BRASK_DEB_SYNOPSIS}, with its editor")
# Each description stands on a line of its own so that no line of the
# control file's long description runs past 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
"Brask: ${BRASK_GAME_DESCRIPTION}.
Steer a ball with the mouse across a grid of sloping cells, past holes,
over ice and mud, to a finish cell, seen in real-time 3-D from a camera
that follows the ball.

Braskit: ${BRASK_EDITOR_DESCRIPTION}.
It shows a course as a grid of coloured corner heights and cell types and
saves it as a .hfd file that the game opens. Five courses come with the
package, and file managers show course files as pictures seen from above.")

# Depends comes from the shared libraries the programs actually link (libGL
# among them) ...
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# ... plus what they load at run time without linking it: a TrueType outline
# face for the game's 3-D words, which fontconfig finds.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
# Mesa's drivers behind libGL render where there is no other driver (in
# software without a GPU), but a system with its own GL driver needs none.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgl1-mesa-dri")

# Debian wants games' programs in /usr/games: scripts/package.sh configures
# with CMAKE_INSTALL_BINDIR=games; a plain install keeps bin.
set(CPACK_STRIP_FILES ON)
# 0644 for control files, 0755 for scripts, as dpkg-deb expects.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

# Package-only files: the copyright, lintian's overrides and the Debian
# changelog (gzip -n so the package does not change with the build time).
# They are not for a plain `cmake --install`.
configure_file(${CMAKE_SOURCE_DIR}/packaging/changelog.Debian.in
               ${CMAKE_BINARY_DIR}/packaging/changelog.Debian @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/copyright
               ${CMAKE_BINARY_DIR}/packaging/copyright COPYONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/lintian-overrides
               ${CMAKE_BINARY_DIR}/packaging/overrides/${BRASK_DEB_NAME} COPYONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/PackageFiles.cmake.in
               ${CMAKE_BINARY_DIR}/packaging/PackageFiles.cmake @ONLY)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_BINARY_DIR}/packaging/PackageFiles.cmake)

include(CPack)
