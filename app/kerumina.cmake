# kerumina: the GUI. Its settings file and box file live beside it.
if(WIN32)
  # Native Win32 controls; the resource script brings the icon and the version information.
  add_executable(kerumina WIN32 ${CMAKE_CURRENT_SOURCE_DIR}/main_win32.cpp
                                ${PROJECT_SOURCE_DIR}/res/kerumina.rc)
  target_link_libraries(kerumina PRIVATE kerumina_ui kerumina_platform_win32)
elseif(KERUMINA_GUI)
  add_executable(kerumina ${CMAKE_CURRENT_SOURCE_DIR}/main_gui.cpp)
  target_link_libraries(kerumina PRIVATE kerumina_ui kerumina_platform_wx)
endif()
