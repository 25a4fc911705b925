# Every source of quorvel.exe also compiles with clang, warnings as errors, against the same
# mingw-w64 headers as the gcc build: one test a source, in this build's tests. Compiling is
# the point (code that only one compiler takes does not carry over to the toolchains others
# build with); linking stays with gcc. The host build compiles with clang in host-asan.
find_program(QUORVEL_CLANG NAMES clang++-14 clang++)
if(NOT QUORVEL_CLANG)
  return()
endif()

# x86_64-w64-mingw32-g++-posix: the target is the compiler's prefix. clang is given gcc's
# C++ library headers; the Windows headers it finds for that target by itself.
get_filename_component(QUORVEL_GCC_NAME ${CMAKE_CXX_COMPILER} NAME)
string(REGEX REPLACE "-g\\+\\+.*$" "" QUORVEL_MINGW_TARGET ${QUORVEL_GCC_NAME})
set(QUORVEL_CLANG_FLAGS --target=${QUORVEL_MINGW_TARGET} -fsyntax-only -nostdinc++
  -std=c++${CMAKE_CXX_STANDARD} -Wall -Wextra -Werror -I${CMAKE_SOURCE_DIR}/src)
foreach(dir IN LISTS CMAKE_CXX_IMPLICIT_INCLUDE_DIRECTORIES)
  if(dir MATCHES "/c\\+\\+")
    list(APPEND QUORVEL_CLANG_FLAGS -isystem ${dir})
  endif()
endforeach()

function(quorvel_clang_tests)
  cmake_parse_arguments(ARG "" "" "SOURCES;FLAGS" ${ARGN})
  foreach(source IN LISTS ARG_SOURCES)
    file(RELATIVE_PATH name ${CMAKE_SOURCE_DIR} ${source})
    add_test(NAME ClangCompiles:${name}
      COMMAND ${QUORVEL_CLANG} ${QUORVEL_CLANG_FLAGS} ${ARG_FLAGS} ${source})
  endforeach()
endfunction()

get_target_property(QUORVEL_CORE_TARGET_SOURCES quorvel_core SOURCES)
quorvel_clang_tests(SOURCES ${QUORVEL_CORE_TARGET_SOURCES})
quorvel_clang_tests(SOURCES ${QUORVEL_WINDOW_SOURCES} FLAGS -municode)
