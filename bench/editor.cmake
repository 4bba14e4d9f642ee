# The grid view's repaint of a large course against a small one, and one
# key over a whole large course. Needs a display; scripts/bench.sh has one.
brask_add_bench(editor_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/EditorBench.cpp
  LIBS brask_editor_app)
# One key over the whole of the largest course through the undo history:
# time, the step's bytes and resident memory. No display needed.
brask_add_bench(edit_history_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/EditHistoryBench.cpp
  LIBS brask_editor_core)
