# The course list of a 512 x 512 course: recording it and replaying it, in an
# offscreen software context (libOSMesa alone, no libGL in this program).
brask_add_bench(course_list_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/CourseListBench.cpp
  LIBS brask_game_view_gl PkgConfig::OSMESA)
