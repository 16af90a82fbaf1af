# Installs the build into PREFIX and checks what landed there: exactly the programs, the
# menu entry and the icons; an entry the desktop accepts; and the GUI's --version and --help
# answered on the terminal without a display.
# cmake -DCMAKE=... -DBUILD_DIR=... -DPREFIX=... -DVERSION=... -DGUI=0|1 -P install_tree.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
set(expected bin/kerumina bin/kerumina-cli share/applications/kerumina.desktop
    share/icons/hicolor/48x48/apps/kerumina.png share/icons/hicolor/scalable/apps/kerumina.svg)
if(NOT GUI)
  set(expected bin/kerumina-cli)
endif()
file(GLOB_RECURSE installed RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
if(NOT installed STREQUAL expected)
  message(FATAL_ERROR "installed files differ\n  got:      ${installed}\n  expected: ${expected}")
elseif(NOT GUI)
  return()
endif()

set(entry "${PREFIX}/share/applications/kerumina.desktop")
file(STRINGS "${entry}" lines ENCODING UTF-8)
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
# Hints count too: an entry the menus might show twice is not clean.
execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${entry}" OUTPUT_VARIABLE problems
                ERROR_VARIABLE problems)
# Without a display the toolkit could not start: an answer proves no window was tried.
set(home "${PREFIX}/home")
set(gui "${CMAKE}" -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=XDG_CONFIG_HOME
        --unset=XDG_DATA_HOME "HOME=${home}" "${PREFIX}/bin/kerumina")
execute_process(COMMAND ${gui} --version OUTPUT_VARIABLE version COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${gui} --help OUTPUT_VARIABLE help COMMAND_ERROR_IS_FATAL ANY)
# An installed copy keeps its files in the user's folders even where the user may write.
string(FIND "${help}" "${home}/.config/kerumina/kerumina.ini" settings)
string(FIND "${help}" "${home}/.local/share/kerumina/kerumina.vbd" box)
if(NOT "Name=ケルミナ" IN_LIST lines OR NOT "Exec=kerumina" IN_LIST lines
   OR NOT "Icon=kerumina" IN_LIST lines OR NOT problems STREQUAL ""
   OR NOT version STREQUAL "ケルミナ Ver ${VERSION}\n" OR settings EQUAL -1 OR box EQUAL -1
   OR EXISTS "${home}")
  message(FATAL_ERROR "menu entry: ${lines}\ndesktop-file-validate: ${problems}\n"
                      "--version: ${version}\n--help, without creating ${home}: ${help}")
endif()
