add_library(brask_platform_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Archive.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Document.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileBytes.cpp
)
target_include_directories(brask_platform_core PUBLIC ${CMAKE_SOURCE_DIR})
