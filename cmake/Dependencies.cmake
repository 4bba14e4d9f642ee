# Third-party libraries, each wrapped as a target so that folders link only
# what they use.
find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)
find_package(OpenGL REQUIRED COMPONENTS OpenGL GLX)
# The course thumbnailer writes PNG.
find_package(PNG REQUIRED)
if(BUILD_TESTING)
  find_package(GTest REQUIRED)
  find_package(benchmark REQUIRED)
  # Off-screen GL for the mesh's pixel tests and benchmarks.
  pkg_check_modules(OSMESA REQUIRED IMPORTED_TARGET osmesa)
endif()

pkg_check_modules(FTGL REQUIRED IMPORTED_TARGET ftgl)
pkg_check_modules(FREETYPE REQUIRED IMPORTED_TARGET freetype2)
pkg_check_modules(FONTCONFIG REQUIRED IMPORTED_TARGET fontconfig)
pkg_check_modules(X11 REQUIRED IMPORTED_TARGET x11)

# The legacy libGL (not GLVND's OpenGL::OpenGL alone) so that GLX and the
# fixed-function entry points resolve the same way on every Mesa install.
add_library(brask_gl INTERFACE)
target_link_libraries(brask_gl INTERFACE OpenGL::GL OpenGL::GLU)

find_package(wxWidgets 3.2 REQUIRED COMPONENTS gl core base)
add_library(brask_wx INTERFACE)
target_include_directories(brask_wx SYSTEM INTERFACE ${wxWidgets_INCLUDE_DIRS})
target_compile_definitions(brask_wx INTERFACE ${wxWidgets_DEFINITIONS})
target_compile_options(brask_wx INTERFACE ${wxWidgets_CXX_FLAGS})
target_link_libraries(brask_wx INTERFACE ${wxWidgets_LIBRARIES})
