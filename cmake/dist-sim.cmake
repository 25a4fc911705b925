# The simulator package, packed by the dist target after the release's zip and made the same
# way (cmake/dist-pack.cmake): quorvel-sim-<version>-win64.zip or -win32.zip beside it,
# holding one folder of that name with quorvel-sim.exe (sim/launcher/), quorvel.exe and the
# simulated server quorvel_sim.dll, stripped as the release's program is, README.txt
# (docs/sim-readme.txt) and the demo scenarios in scenarios/ (sim/scenarios), the text files
# with CR LF line ends; its line joins the SHA256SUMS beside the zips. The release's zip
# never holds any of it.
set(QUORVEL_SIM_DIST_NAME quorvel-sim-${PROJECT_VERSION}-${QUORVEL_DIST_BITNESS})
set(QUORVEL_SIM_DIST_FOLDER ${QUORVEL_DIST_STAGE}/${QUORVEL_SIM_DIST_NAME})
file(GLOB QUORVEL_SIM_SCENARIO_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/sim/scenarios/*.txt)

set(QUORVEL_SIM_DIST_STRIP ${CMAKE_OBJCOPY} --strip-all --preserve-dates
  --long-section-names disable)
set(QUORVEL_SIM_DIST_TEXT)
foreach(scenario IN LISTS QUORVEL_SIM_SCENARIO_FILES)
  get_filename_component(file ${scenario} NAME)
  list(APPEND QUORVEL_SIM_DIST_TEXT COMMAND ${CMAKE_COMMAND} -DIN=${scenario}
    -DOUT=${QUORVEL_SIM_DIST_FOLDER}/scenarios/${file} -P ${CMAKE_CURRENT_LIST_DIR}/dist-text.cmake)
endforeach()

add_custom_command(TARGET dist POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${QUORVEL_SIM_DIST_FOLDER}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QUORVEL_SIM_DIST_FOLDER}/scenarios
  COMMAND ${QUORVEL_SIM_DIST_STRIP} $<TARGET_FILE:quorvel>
          ${QUORVEL_SIM_DIST_FOLDER}/quorvel.exe
  COMMAND ${QUORVEL_SIM_DIST_STRIP} $<TARGET_FILE:quorvel_sim_launcher>
          ${QUORVEL_SIM_DIST_FOLDER}/quorvel-sim.exe
  COMMAND ${QUORVEL_SIM_DIST_STRIP} $<TARGET_FILE:quorvel_sim>
          ${QUORVEL_SIM_DIST_FOLDER}/quorvel_sim.dll
  COMMAND ${CMAKE_COMMAND} -DIN=${CMAKE_SOURCE_DIR}/docs/sim-readme.txt
          -DOUT=${QUORVEL_SIM_DIST_FOLDER}/README.txt -P ${CMAKE_CURRENT_LIST_DIR}/dist-text.cmake
  ${QUORVEL_SIM_DIST_TEXT}
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DGIT=${GIT_EXECUTABLE}
          -DZIP=${QUORVEL_ZIP} -DSTAGE=${QUORVEL_DIST_STAGE} -DNAME=${QUORVEL_SIM_DIST_NAME}
          -DOUT_DIR=${CMAKE_BINARY_DIR} -DADD_TO_SUMS=ON
          -P ${CMAKE_CURRENT_LIST_DIR}/dist-pack.cmake
  COMMENT "Packing ${QUORVEL_SIM_DIST_NAME}.zip"
  VERBATIM)
add_dependencies(dist quorvel_sim quorvel_sim_launcher)
