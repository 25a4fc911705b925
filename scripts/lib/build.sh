# Configuring, building and testing one CMake preset (CMakePresets.json).

build_preset() {
  (cd "$QUORVEL_ROOT" && cmake --preset "$1" && cmake --build --preset "$1" -j "$(nproc)")
}

# The build folder of a preset, as CMakePresets.json names it.
preset_dir() {
  printf '%s/build/%s\n' "$QUORVEL_ROOT" "$1"
}
