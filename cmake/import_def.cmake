# Writes the module-definition file of the functions an import library imports from its DLL,
# named as the compiler calls them:
#
#   cmake -DNM=... -DIMPORT_LIBRARY=libole32.a -DDLL=ole32.dll -DDEF=ole32.def
#         -P import_def.cmake
#
# The import library holds, for each function, a thunk (T name) and the pointer the loader
# fills in (I __imp_name); data exports have the pointer only and are left out.
cmake_policy(VERSION 3.25)

execute_process(COMMAND ${NM} -g --defined-only ${IMPORT_LIBRARY}
  OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)

string(REGEX MATCHALL "[^\n]+" lines "${symbols}")
set(thunks "")
set(pointers "")
foreach(line IN LISTS lines)
  if(line MATCHES " T ([^ ]+)$")
    list(APPEND thunks "${CMAKE_MATCH_1}")
  elseif(line MATCHES " I __imp_([^ ]+)$")
    list(APPEND pointers "${CMAKE_MATCH_1}")
  endif()
endforeach()

set(exports "")
foreach(name IN LISTS thunks)
  if(NOT name IN_LIST pointers)
    continue()
  endif()
  string(APPEND exports "${name}\n")
endforeach()
if(exports STREQUAL "")
  message(FATAL_ERROR "no functions found in ${IMPORT_LIBRARY}")
endif()

file(WRITE ${DEF} "LIBRARY ${DLL}\nEXPORTS\n${exports}")
