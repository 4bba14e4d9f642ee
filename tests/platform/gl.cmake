# The GL platform services: the OpenGL binding with its glyph lists, and
# the X error trap. Window tests run under Xvfb (the test command starts it)
# and skip without a display.
add_library(brask_gl_test_support STATIC ${CMAKE_CURRENT_LIST_DIR}/WxTestEnvironment.cpp)
target_include_directories(brask_gl_test_support PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(brask_gl_test_support PUBLIC brask_platform_gl GTest::gtest)

brask_add_test(platform_gl_tests NEEDS_DISPLAY
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/WxGLBindingTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/X11ErrorTrapTest.cpp
  LIBS brask_platform_gl brask_gl_test_support PkgConfig::X11)
