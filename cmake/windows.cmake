# What the Windows cross-build takes from the build machine: the header-only libraries of
# the Debian packages (the mingw-w64 sysroot has none), and GoogleTest from its sources.
# /usr/include itself must not be searched: its C library headers would hide mingw-w64's.
set(host_headers ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${host_headers})
foreach(entry SimpleIni.h ConvertUTF.h nlohmann CLI)
  if(EXISTS /usr/include/${entry} AND NOT EXISTS ${host_headers}/${entry})
    file(CREATE_LINK /usr/include/${entry} ${host_headers}/${entry} SYMBOLIC)
  endif()
endforeach()
include_directories(SYSTEM ${host_headers})

add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
add_library(CLI11::CLI11 INTERFACE IMPORTED)

if(KERUMINA_TESTS)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()

# mingw-w64's GCC 12 reports a false overlap inside std::string concatenation when optimising
# (a known fault of that compiler's libstdc++); it would fail -Werror on correct code.
add_compile_options(-Wno-restrict)
