# shellcheck shell=bash
# Configuring and building a CMake preset (CMakePresets.json) in build/<preset>, or in
# <preset> under QUORVEL_BUILD_ROOT if set, so that people sharing a work tree keep apart.

# build_preset PRESET [TARGET...]: configure and build the preset, all of it or the targets.
build_preset() {
  local preset=$1 dir
  shift
  dir=$(preset_dir "$preset")
  (cd "$QUORVEL_ROOT" && cmake --preset "$preset" -B "$dir" &&
    cmake --build "$dir" -j "$(nproc)" ${1:+--target} "$@")
}

# preset_dir PRESET: its build folder.
preset_dir() {
  printf '%s/%s\n' "${QUORVEL_BUILD_ROOT:-$QUORVEL_ROOT/build}" "$1"
}

# package_of PRESET [sim]: a zip that the dist target of preset windows or windows-x86 makes:
# the release's, or with "sim" the simulator package beside it.
package_of() {
  local dir version kind=${2:+-$2}
  dir=$(preset_dir "$1")
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$dir/CMakeCache.txt")
  case $1 in
    windows) printf '%s/quorvel%s-%s-win64.zip\n' "$dir" "$kind" "$version" ;;
    windows-x86) printf '%s/quorvel%s-%s-win32.zip\n' "$dir" "$kind" "$version" ;;
    *) die "no package in preset $1" ;;
  esac
}
