# Windows: the core over the Win32 platform, and quorvel.exe.
enable_language(RC)

# The same commit gives the same bytes wherever and whenever it is built. The linker writes
# no link time into the PE header (the header's checksum covers the time, so it then stays
# put as well), and the source and build folders' paths reach neither __FILE__ nor debug
# information: the build folder's becomes "build", the source folder's ".". The build
# folder's map comes second because it often lies inside the source folder, and the last
# matching map wins.
add_link_options(-Wl,--no-insert-timestamp)
add_compile_options(
  $<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.>
  $<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_BINARY_DIR}=build>)

# The window and the program's entry point go into the executable; the rest of the
# platform layer sits under the core, where the simulated components and tests reuse it.
set(QUORVEL_WIN32_DIR ${CMAKE_SOURCE_DIR}/src/platform/win32)
set(QUORVEL_WINDOW_SOURCES
  ${QUORVEL_WIN32_DIR}/main.cpp
  ${QUORVEL_WIN32_DIR}/win32_form.cpp
  ${QUORVEL_WIN32_DIR}/dpi.cpp
  ${QUORVEL_WIN32_DIR}/escape_key.cpp
)
file(GLOB QUORVEL_WIN32_PLATFORM_SOURCES CONFIGURE_DEPENDS ${QUORVEL_WIN32_DIR}/*.cpp)
list(REMOVE_ITEM QUORVEL_WIN32_PLATFORM_SOURCES ${QUORVEL_WINDOW_SOURCES})

add_library(quorvel_core STATIC ${QUORVEL_CORE_SOURCES} ${QUORVEL_WIN32_PLATFORM_SOURCES})
target_include_directories(quorvel_core PUBLIC src)
# The interface identifiers (IID_IUnknown and the like) are data in the toolchain's static
# uuid library. ole32 and oleaut32 are not linked: the core binds their functions by name
# at their first call (src/runtime/ole32_functions.h, oleaut32_functions.h), from the system
# directory only, like every other DLL it binds, so the program imports neither.
target_link_libraries(quorvel_core PUBLIC uuid)

# Everything the runtime would otherwise need beside the program is linked in, so the
# executable imports system DLLs only.
set(QUORVEL_STATIC_RUNTIME -static -static-libgcc -static-libstdc++)

# The toolchain may add a default manifest object to every executable; ours is in the
# resources, and a second one must not be. An empty object of the same name, found first
# through -B (see the link options below), stands in for it.
set(QUORVEL_NO_MANIFEST_DIR ${CMAKE_BINARY_DIR}/no-default-manifest)
file(CONFIGURE OUTPUT ${QUORVEL_NO_MANIFEST_DIR}/empty.c CONTENT "")
add_custom_command(
  OUTPUT ${QUORVEL_NO_MANIFEST_DIR}/default-manifest.o
  COMMAND ${CMAKE_C_COMPILER} -c ${QUORVEL_NO_MANIFEST_DIR}/empty.c
          -o ${QUORVEL_NO_MANIFEST_DIR}/default-manifest.o
  DEPENDS ${QUORVEL_NO_MANIFEST_DIR}/empty.c
  VERBATIM)
add_custom_target(quorvel_no_default_manifest
  DEPENDS ${QUORVEL_NO_MANIFEST_DIR}/default-manifest.o)

file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/quorvel_version.h CONTENT
"#pragma once
#define QUORVEL_VERSION_MAJOR ${PROJECT_VERSION_MAJOR}
#define QUORVEL_VERSION_MINOR ${PROJECT_VERSION_MINOR}
#define QUORVEL_VERSION_PATCH ${PROJECT_VERSION_PATCH}
#define QUORVEL_VERSION_TEXT \"${PROJECT_VERSION}\"
")

add_executable(quorvel WIN32 ${QUORVEL_WINDOW_SOURCES} ${QUORVEL_WIN32_DIR}/quorvel.rc)
add_dependencies(quorvel quorvel_no_default_manifest)
target_link_libraries(quorvel PRIVATE quorvel_core user32 gdi32)
target_include_directories(quorvel PRIVATE
  $<$<COMPILE_LANGUAGE:RC>:${QUORVEL_WIN32_DIR} ${CMAKE_BINARY_DIR}/generated>)
target_compile_options(quorvel PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-municode>)
# -B: gcc looks for its start-up objects in this folder first, and there finds the empty
# default-manifest.o made above instead of the toolchain's, which would add a second
# manifest beside the one in quorvel.rc. Nothing else is in that folder.
# --tsaware: on a Remote Desktop Session Host, Windows would otherwise apply its legacy
# application compatibility (a per-user Windows folder, INI-file mapping) to the whole
# process, the MAPI libraries in it included.
target_link_options(quorvel PRIVATE -municode ${QUORVEL_STATIC_RUNTIME}
  -B${QUORVEL_NO_MANIFEST_DIR}/ -Wl,--tsaware)
set_property(TARGET quorvel APPEND PROPERTY LINK_DEPENDS
  ${QUORVEL_NO_MANIFEST_DIR}/default-manifest.o)
set_source_files_properties(${QUORVEL_WIN32_DIR}/quorvel.rc PROPERTIES OBJECT_DEPENDS
  ${QUORVEL_WIN32_DIR}/quorvel.manifest)

include(cmake/dist.cmake)

enable_testing()
include(cmake/clang_check.cmake)
add_subdirectory(tools)
if(EXISTS ${CMAKE_SOURCE_DIR}/sim/CMakeLists.txt)
  add_subdirectory(sim)
  include(cmake/dist-sim.cmake)
endif()
if(EXISTS ${CMAKE_SOURCE_DIR}/tests/wine/CMakeLists.txt)
  add_subdirectory(tests/wine)
endif()
