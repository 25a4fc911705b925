# The system queries of the Windows build checked against what Wine itself reports;
# included by tests/wine/CMakeLists.txt, whose quorvel_wine_test() it uses.
set(QUORVEL_SYSQUERY_WINE ${CMAKE_SOURCE_DIR}/tests/sysquery/wine)

add_executable(platform_report ${QUORVEL_SYSQUERY_WINE}/platform_report.cpp)
target_link_libraries(platform_report PRIVATE quorvel_core version advapi32)

add_executable(planted_check ${QUORVEL_SYSQUERY_WINE}/planted_check.cpp)
target_link_libraries(planted_check PRIVATE quorvel_core)

add_library(planted_version SHARED ${QUORVEL_SYSQUERY_WINE}/planted_version.cpp)
set_target_properties(planted_version PROPERTIES PREFIX "" OUTPUT_NAME planted_version)

foreach(program platform_report planted_check)
  target_compile_options(${program} PRIVATE -municode)
  target_link_options(${program} PRIVATE -municode ${QUORVEL_STATIC_RUNTIME})
endforeach()
target_link_options(planted_version PRIVATE ${QUORVEL_STATIC_RUNTIME})

function(quorvel_sysquery_wine_test name script)
  quorvel_wine_test(${name} ../sysquery/wine/${script} ${ARGN})
  set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT
    "PLATFORM_REPORT_EXE=$<TARGET_FILE:platform_report>"
    "PLANTED_CHECK_EXE=$<TARGET_FILE:planted_check>"
    "PLANTED_VERSION_DLL=$<TARGET_FILE:planted_version>")
endfunction()

quorvel_sysquery_wine_test(WineIdentityLineIsTheAccountThePlatformReports identity.sh
  RESOURCE_LOCK quorvel_window)
quorvel_sysquery_wine_test(WineFileVersionsMatchThePlatform versions.sh)
quorvel_sysquery_wine_test(WinePlantedVersionDllIsNeverLoaded planted.sh)
