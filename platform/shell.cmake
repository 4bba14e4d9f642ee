# brask_platform_wx: what both programs need of the toolkit without OpenGL:
# key translation, the single-document shell, the menus both show, drawn
# icons and the about box.
add_library(brask_platform_wx STATIC
  ${CMAKE_CURRENT_LIST_DIR}/AboutBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CommandLineInfo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DocumentDropTarget.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DrawnIcon.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KeyTranslator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PathText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RecentFileMenu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ShellMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ShellMenus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SingleDocFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SingleDocShell.cpp
)
target_include_directories(brask_platform_wx PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(brask_platform_wx PUBLIC brask_wx brask_platform_core brask_version)
