#!/usr/bin/env bash
# A version.dll planted beside the program is never loaded through the program's binding,
# neither by the loader's search flags nor by the full path it falls back to where the
# loader lacks them; the binding reads a version both ways, through the system's DLL. The
# same check run with a plain LoadLibraryA("version.dll") does see it, so it can fail.
source "$(dirname "$0")/../../wine/wine_test.sh"

rm -rf "$TEST_DIR"
mkdir -p "$TEST_DIR"
cp "$PLANTED_CHECK_EXE" "$TEST_DIR/"
cp "$PLANTED_VERSION_DLL" "$TEST_DIR/version.dll"
check="$TEST_DIR/$(basename "$PLANTED_CHECK_EXE")"
mark="$TEST_DIR/planted-version-loaded"

planted_loaded() { [[ -f $mark ]]; }
planted_not_loaded() { [[ ! -f $mark ]]; }

# Wine would prefer its own version.dll; let it take one from the program's folder.
check_loading() { WINEDLLOVERRIDES="$WINEDLLOVERRIDES;version=n,b" wine_run wine "$check" "$1"; }

check_loading plain
expect "a plain LoadLibraryA picks up the planted DLL (the check can fail)" planted_loaded

for how in binding binding-full-path; do
  rm -f "$mark"
  expect "$how: reads a version through the system directory's DLL" check_loading "$how"
  expect "$how: never loads the planted DLL" planted_not_loaded
done

finish
