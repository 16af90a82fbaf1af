# kerumina: the GUI on the wx backend. Its settings file and box file live beside it.
if(KERUMINA_GUI AND NOT WIN32)
  add_executable(kerumina ${CMAKE_CURRENT_SOURCE_DIR}/main_gui.cpp)
  target_link_libraries(kerumina PRIVATE kerumina_ui kerumina_platform_wx)
endif()
