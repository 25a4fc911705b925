#!/usr/bin/env bash
# GetFileVersion of a few of the platform's own DLLs matches the version the platform
# reports for them.
source "$(dirname "$0")/../../wine/wine_test.sh"

expect "file versions match the platform's" wine_run wine "$PLATFORM_REPORT_EXE" versions

finish
