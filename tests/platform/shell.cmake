brask_add_test(platform_shell_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/KeyTranslatorTest.cpp
  LIBS brask_platform_wx)
