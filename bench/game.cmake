# The course list of a 512 x 512 course: recording it and replaying it, in an
# offscreen software context (libOSMesa alone, no libGL in this program).
brask_add_bench(course_list_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/CourseListBench.cpp ${CMAKE_CURRENT_LIST_DIR}/VariedCourse.cpp
  LIBS brask_game_mesh PkgConfig::OSMESA)

# The courses that bench/game-play.sh plays Brask on. Not a benchmark
# itself, so it lives outside build/bench.
add_executable(make_bench_course ${CMAKE_CURRENT_LIST_DIR}/MakeBenchCourse.cpp ${CMAKE_CURRENT_LIST_DIR}/VariedCourse.cpp)
target_link_libraries(make_bench_course PRIVATE brask_course brask_document)
set_target_properties(make_bench_course PROPERTIES
  OUTPUT_NAME make-bench-course
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench-tools)

# A long session of the game view: course after course, then an hour of
# play on a fake clock, with the display lists and memory along the way.
# Needs a display and courses; bench/game-session.sh gives it both, so it
# lives outside build/bench too.
add_executable(game_session ${CMAKE_CURRENT_LIST_DIR}/GameSessionBench.cpp)
target_link_libraries(game_session PRIVATE brask_game_view brask_platform_shell benchmark::benchmark)
set_target_properties(game_session PROPERTIES
  OUTPUT_NAME game-session
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench-tools)
