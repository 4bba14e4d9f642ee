# brask_platform_gl: how views bind OpenGL to a window, build font glyph
# lists, read the millisecond clock, read and move the pointer, read the
# lock keys, pick the toolkit's X11 backend, and catch the X errors of
# refused requests.
add_library(brask_platform_gl STATIC
  ${CMAKE_CURRENT_LIST_DIR}/SystemClock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScreenPointer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WxGLBinding.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FontFace.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OutlineGlyphLists.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BitmapGlyphLists.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DesktopKeyLocks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/X11Backend.cpp
  ${CMAKE_CURRENT_LIST_DIR}/X11ErrorTrap.cpp
)
target_include_directories(brask_platform_gl PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(brask_platform_gl
  PUBLIC brask_wx brask_gl
  PRIVATE PkgConfig::FTGL PkgConfig::FREETYPE PkgConfig::FONTCONFIG PkgConfig::X11)
