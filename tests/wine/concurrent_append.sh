#!/usr/bin/env bash
# Six copies of a program appending 300 lines each through Form1::LogTrace to one log at
# the same time, under Wine: every line whole, none lost (concurrent_append.cpp checks).
source "$(dirname "$0")/wine_test.sh"

exe=$(quorvel_stage "$CONCURRENT_APPEND_EXE" "$TEST_DIR")
expect "concurrent copies keep every line" wine_run wine "$exe"

finish
