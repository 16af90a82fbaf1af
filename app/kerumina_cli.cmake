# kerumina-cli: the core from the command line. The JSON mapping lives in a library of its
# own so the tests call it directly.
if(NOT TARGET nlohmann_json::nlohmann_json)
  find_package(nlohmann_json 3 REQUIRED)
endif()
if(NOT TARGET CLI11::CLI11)
  find_package(CLI11 REQUIRED)
endif()

add_library(kerumina_cli_lib STATIC
  ${CMAKE_CURRENT_LIST_DIR}/cli/box_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cli/common_fields.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cli/damage_command.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cli/entry_json.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cli/iv_command.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cli/json_fields.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cli/json_lines.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cli/json_writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cli/learn_command.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cli/search_command.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cli/species_command.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cli/stats_command.cpp)
target_link_libraries(kerumina_cli_lib PUBLIC kerumina_core nlohmann_json::nlohmann_json)

add_executable(kerumina-cli ${CMAKE_CURRENT_LIST_DIR}/cli/main.cpp)
target_link_libraries(kerumina-cli PRIVATE kerumina_cli_lib CLI11::CLI11)
