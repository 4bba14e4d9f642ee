brask_add_test(platform_core_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/DocumentTest.cpp
  LIBS brask_platform_core)
