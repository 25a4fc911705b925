#!/usr/bin/env bash
# The host measurements, in an optimised build (preset host-bench): a whole probe run
# against a simulated world that answers at once beside the same LogTrace calls alone, and
# their ratio; the cost of a single trace line; and the soak of 1,000 probe runs in one
# process. Measurements, not tests; arguments go to Google Benchmark.
#
#   scripts/bench-host.sh [--benchmark_min_time=2 ...]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$QUORVEL_ROOT/scripts/lib/build.sh"

"$QUORVEL_ROOT/scripts/install-deps.sh"
build_preset host-bench quorvel_bench quorvel_soak >&2
bench_dir=$(preset_dir host-bench)/bench
"$bench_dir/quorvel_bench" --benchmark_color=false "$@"
echo
"$bench_dir/quorvel_soak"
