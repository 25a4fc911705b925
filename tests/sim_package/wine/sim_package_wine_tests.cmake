# The simulator package as shipped, under Wine in a prefix of its own; included by
# tests/wine/CMakeLists.txt, whose quorvel_wine_test() it uses. Its zip is the dist target's.
add_executable(user_classes_link ${CMAKE_SOURCE_DIR}/tests/sim_package/wine/user_classes_link.cpp)
target_compile_options(user_classes_link PRIVATE -municode)
target_link_options(user_classes_link PRIVATE -municode ${QUORVEL_STATIC_RUNTIME})

# Most of its time is the watchdog's minute and a prefix made afresh; it takes no window lock,
# as its programs run on a Wine session and an X server of their own.
quorvel_wine_test(WineSimPackageChecksRefusesAndLeavesNothingBehind
  ../sim_package/wine/sim_package.sh TIMEOUT 600)
set_property(TEST WineSimPackageChecksRefusesAndLeavesNothingBehind APPEND PROPERTY ENVIRONMENT
  "SIM_PACKAGE_ZIP=${CMAKE_BINARY_DIR}/${QUORVEL_SIM_DIST_NAME}.zip"
  "USER_CLASSES_LINK_EXE=$<TARGET_FILE:user_classes_link>")
