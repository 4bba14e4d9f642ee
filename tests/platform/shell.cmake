brask_add_test(platform_shell_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CommandLineInfoTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KeyTranslatorTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SingleDocShellTest.cpp
  LIBS brask_platform_wx)

# Menus and frames need the toolkit running on a display.
brask_add_test(platform_shell_window_tests NEEDS_DISPLAY
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/RecentFileMenuTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SingleDocFrameTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WxTestEnvironment.cpp
  LIBS brask_platform_wx)
