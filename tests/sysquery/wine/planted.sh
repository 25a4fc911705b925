#!/usr/bin/env bash
# A version.dll planted beside the program is never loaded through the program's binding.
# The same check run with a plain LoadLibraryA("version.dll") does see it, so it can fail.
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

rm -f "$mark"
expect "the binding still reads a version" check_loading binding
expect "the binding never loads the planted DLL" planted_not_loaded

finish
