# The package for Windows users (target `dist`): a zip named for the version and the
# bitness, quorvel-<version>-win64.zip or -win32.zip in the build folder, holding one folder
# of the same name with quorvel.exe (stripped), README.txt (docs/dist-readme.txt) and
# reading-a-trace.txt (docs/reading-a-trace.md), both text files with CR LF line ends, and
# beside it SHA256SUMS, the zip's SHA-256 in the form `sha256sum -c` reads. The zip's bytes
# depend on the commit only (cmake/dist-pack.cmake says how).
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(QUORVEL_DIST_BITNESS win64)
else()
  set(QUORVEL_DIST_BITNESS win32)
endif()
set(QUORVEL_DIST_NAME quorvel-${PROJECT_VERSION}-${QUORVEL_DIST_BITNESS})
set(QUORVEL_DIST_STAGE ${CMAKE_BINARY_DIR}/dist)
set(QUORVEL_DIST_README ${CMAKE_SOURCE_DIR}/docs/dist-readme.txt)
set(QUORVEL_DIST_GUIDE ${CMAKE_SOURCE_DIR}/docs/reading-a-trace.md)
file(MAKE_DIRECTORY ${QUORVEL_DIST_STAGE})
find_program(QUORVEL_ZIP zip REQUIRED)
find_package(Git QUIET)

# Packed on every build of the target: the entries carry the commit's time, and a new
# commit is no dependency a build can see. Stripping and zipping take about a second.
# objcopy writes the current time into the PE header unless --preserve-dates has it keep
# the built program's, which is none (cmake/windows.cmake). Without long section names the
# stripped program carries no string table after its last section (the 32-bit one would
# keep 14 bytes of it, for .eh_frame, a name only the linker reads), so its size stays a
# multiple of the file alignment: a signature (scripts/sign.sh) is then appended without
# padding, and removing it gives back these bytes exactly.
add_custom_target(dist
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${QUORVEL_DIST_STAGE}/${QUORVEL_DIST_NAME}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QUORVEL_DIST_STAGE}/${QUORVEL_DIST_NAME}
  COMMAND ${CMAKE_OBJCOPY} --strip-all --preserve-dates --long-section-names disable
          $<TARGET_FILE:quorvel> ${QUORVEL_DIST_STAGE}/${QUORVEL_DIST_NAME}/quorvel.exe
  COMMAND ${CMAKE_COMMAND} -DIN=${QUORVEL_DIST_README}
          -DOUT=${QUORVEL_DIST_STAGE}/${QUORVEL_DIST_NAME}/README.txt
          -P ${CMAKE_CURRENT_LIST_DIR}/dist-text.cmake
  COMMAND ${CMAKE_COMMAND} -DIN=${QUORVEL_DIST_GUIDE}
          -DOUT=${QUORVEL_DIST_STAGE}/${QUORVEL_DIST_NAME}/reading-a-trace.txt
          -P ${CMAKE_CURRENT_LIST_DIR}/dist-text.cmake
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DGIT=${GIT_EXECUTABLE}
          -DZIP=${QUORVEL_ZIP} -DSTAGE=${QUORVEL_DIST_STAGE} -DNAME=${QUORVEL_DIST_NAME}
          -DOUT_DIR=${CMAKE_BINARY_DIR} -P ${CMAKE_CURRENT_LIST_DIR}/dist-pack.cmake
  BYPRODUCTS ${CMAKE_BINARY_DIR}/${QUORVEL_DIST_NAME}.zip ${CMAKE_BINARY_DIR}/SHA256SUMS
  COMMENT "Packing ${QUORVEL_DIST_NAME}.zip"
  VERBATIM)
add_dependencies(dist quorvel)
