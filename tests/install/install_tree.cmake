# Installs the build into PREFIX and checks what landed there: exactly the programs, the
# menu entry and the icon; an entry the desktop accepts; and the GUI's --version and --help
# answered on the terminal without a display.
# cmake -DCMAKE=... -DBUILD_DIR=... -DPREFIX=... -DVERSION=... -DGUI=0|1 -P install_tree.cmake

cmake_minimum_required(VERSION 3.25)

function(fail)
  string(JOIN "" text ${ARGN})
  message(FATAL_ERROR "${text}")
endfunction()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(status)
  fail("cmake --install failed (${status}):\n${output}")
endif()

set(expected bin/kerumina-cli)
if(GUI)
  list(APPEND expected bin/kerumina share/applications/kerumina.desktop
       share/icons/hicolor/48x48/apps/kerumina.png
       share/icons/hicolor/scalable/apps/kerumina.svg)
endif()
list(SORT expected)
file(GLOB_RECURSE installed RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
if(NOT installed STREQUAL expected)
  fail("installed files differ\n  got:      ${installed}\n  expected: ${expected}")
endif()
if(NOT GUI)
  return()
endif()

# The PNG's header names its size: width and height, 48 each.
file(READ "${PREFIX}/share/icons/hicolor/48x48/apps/kerumina.png" size HEX OFFSET 16 LIMIT 8)
if(NOT size STREQUAL "0000003000000030")
  fail("the 48x48 icon is not 48 px square (IHDR ${size})")
endif()

set(entry "${PREFIX}/share/applications/kerumina.desktop")
file(STRINGS "${entry}" lines ENCODING UTF-8)
foreach(line "Name=ケルミナ" "Exec=kerumina" "Icon=kerumina" "Type=Application")
  if(NOT line IN_LIST lines)
    fail("the menu entry lacks ${line}")
  endif()
endforeach()
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  # Hints count too: an entry the menus might show twice is not clean.
  execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${entry}" RESULT_VARIABLE status
                  OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(status OR NOT output STREQUAL "")
    fail("desktop-file-validate: ${output}")
  endif()
else()
  message(STATUS "desktop-file-validate is not installed: the menu entry was not validated")
endif()

# Without a display the toolkit could not start: an answer proves no window was tried.
set(home "${PREFIX}/home")
set(gui env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=XDG_CONFIG_HOME
        --unset=XDG_DATA_HOME "HOME=${home}" "${PREFIX}/bin/kerumina")
execute_process(COMMAND "${CMAKE}" -E ${gui} --version RESULT_VARIABLE status
                OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(status OR NOT output STREQUAL "ケルミナ Ver ${VERSION}\n")
  fail("kerumina --version (${status}): '${output}' ${errors}")
endif()
execute_process(COMMAND "${CMAKE}" -E ${gui} --help RESULT_VARIABLE status
                OUTPUT_VARIABLE output ERROR_VARIABLE errors)
# An installed copy keeps its files in the user's folders even where the user may write.
foreach(part "使い方: kerumina" "--version" "${home}/.config/kerumina/kerumina.ini"
        "${home}/.local/share/kerumina/kerumina.vbd")
  string(FIND "${output}" "${part}" at)
  if(status OR at EQUAL -1)
    fail("kerumina --help (${status}) lacks '${part}':\n${output}${errors}")
  endif()
endforeach()
if(EXISTS "${home}")
  fail("kerumina --help created ${home}")
endif()
