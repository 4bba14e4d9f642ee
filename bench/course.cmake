# The course file through the archive against a plain copy, and the merge pass.
brask_add_bench(course_file_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/CourseFileBench.cpp
  LIBS brask_course)
brask_add_bench(course_merge_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/MergeBench.cpp
  LIBS brask_course)
