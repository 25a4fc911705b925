# Delay imports: a program linked with quorvel_delay_imports(TARGET DLL...) loads each of those
# DLLs on its first call into it rather than when the program starts.
#
# For each DLL, a delay-import library is made from the toolchain's own import library (so
# it offers the same functions under the same names) and put in a folder that the target's
# link searches first, where it stands in for the toolchain's library of the same name.
#
# 64-bit only (cmake/windows.cmake says why).
set(QUORVEL_DELAY_IMPORT_DIR ${CMAKE_BINARY_DIR}/delay-imports)
file(MAKE_DIRECTORY ${QUORVEL_DELAY_IMPORT_DIR})

# The delay-import library of DLL (a name such as ole32); its path goes into OUT.
function(quorvel_delay_import_library dll out)
  find_library(QUORVEL_IMPORT_LIBRARY_${dll} NAMES lib${dll}.a REQUIRED)
  set(import_library ${QUORVEL_IMPORT_LIBRARY_${dll}})
  set(def ${QUORVEL_DELAY_IMPORT_DIR}/${dll}.def)
  set(library ${QUORVEL_DELAY_IMPORT_DIR}/lib${dll}.a)
  # dlltool names the library's symbols after the output file as given: a bare file name,
  # made in its own folder, keeps the build folder's path out of the program.
  add_custom_command(
    OUTPUT ${library}
    COMMAND ${CMAKE_COMMAND} -DNM=${CMAKE_NM} -DIMPORT_LIBRARY=${import_library}
            -DDLL=${dll}.dll -DDEF=${def} -P ${CMAKE_SOURCE_DIR}/cmake/import_def.cmake
    COMMAND ${CMAKE_DLLTOOL} --input-def ${dll}.def --dllname ${dll}.dll
            --output-delaylib lib${dll}.a
    WORKING_DIRECTORY ${QUORVEL_DELAY_IMPORT_DIR}
    DEPENDS ${import_library} ${CMAKE_SOURCE_DIR}/cmake/import_def.cmake
    VERBATIM)
  set(${out} ${library} PARENT_SCOPE)
endfunction()

function(quorvel_delay_imports target)
  set(libraries "")
  foreach(dll IN LISTS ARGN)
    quorvel_delay_import_library(${dll} library)
    list(APPEND libraries ${library})
  endforeach()
  add_custom_target(${target}_delay_imports DEPENDS ${libraries})
  add_dependencies(${target} ${target}_delay_imports)
  target_link_directories(${target} PRIVATE ${QUORVEL_DELAY_IMPORT_DIR})
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${libraries})
endfunction()
