# The package for Windows users (target `dist`): a zip named for the version and the
# bitness, quorvel-<version>-win64.zip or -win32.zip in the build folder, holding one folder
# of the same name with quorvel.exe (stripped) and README.txt (docs/dist-readme.txt).
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(QUORVEL_DIST_BITNESS win64)
else()
  set(QUORVEL_DIST_BITNESS win32)
endif()
set(QUORVEL_DIST_NAME quorvel-${PROJECT_VERSION}-${QUORVEL_DIST_BITNESS})
set(QUORVEL_DIST_STAGE ${CMAKE_BINARY_DIR}/dist)
set(QUORVEL_DIST_ZIP ${CMAKE_BINARY_DIR}/${QUORVEL_DIST_NAME}.zip)
set(QUORVEL_DIST_README ${CMAKE_SOURCE_DIR}/docs/dist-readme.txt)
file(MAKE_DIRECTORY ${QUORVEL_DIST_STAGE})

add_custom_command(
  OUTPUT ${QUORVEL_DIST_ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${QUORVEL_DIST_STAGE}/${QUORVEL_DIST_NAME}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QUORVEL_DIST_STAGE}/${QUORVEL_DIST_NAME}
  COMMAND ${CMAKE_STRIP} --strip-all -o ${QUORVEL_DIST_STAGE}/${QUORVEL_DIST_NAME}/quorvel.exe
          $<TARGET_FILE:quorvel>
  COMMAND ${CMAKE_COMMAND} -E copy ${QUORVEL_DIST_README}
          ${QUORVEL_DIST_STAGE}/${QUORVEL_DIST_NAME}/README.txt
  COMMAND ${CMAKE_COMMAND} -E tar cf ${QUORVEL_DIST_ZIP} --format=zip ${QUORVEL_DIST_NAME}
  WORKING_DIRECTORY ${QUORVEL_DIST_STAGE}
  DEPENDS quorvel ${QUORVEL_DIST_README}
  COMMENT "Packing ${QUORVEL_DIST_NAME}.zip"
  VERBATIM)
add_custom_target(dist DEPENDS ${QUORVEL_DIST_ZIP})
