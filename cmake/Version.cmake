# The one place that names the release; --version, the about boxes and the
# package all read it from the generated header.
set(BRASK_VERSION_TEXT "${PROJECT_VERSION}")
set(BRASK_GAME_DESCRIPTION "A 3-D marble-rolling game on height-field courses")
set(BRASK_EDITOR_DESCRIPTION "Course editor for the Brask game")
# The release's date, for the desktop metadata and the manual pages.
set(BRASK_RELEASE_DATE "2026-12-06")
# The licence (LICENSE) as an SPDX expression, for the desktop metadata.
set(BRASK_PROJECT_LICENSE "MIT")
configure_file(${CMAKE_SOURCE_DIR}/cmake/BraskVersion.h.in
               ${CMAKE_BINARY_DIR}/generated/BraskVersion.h @ONLY)
add_library(brask_version INTERFACE)
target_include_directories(brask_version INTERFACE ${CMAKE_BINARY_DIR}/generated)
