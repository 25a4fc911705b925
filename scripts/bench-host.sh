#!/usr/bin/env bash
# scripts/bench-host.sh [--benchmark_min_time=2 ...]: the host measurements (preset
# host-bench): a probe run against an instant simulated world beside its LogTrace calls
# alone, and the ratio; one trace line's cost; the soak of 1,000 probe runs in one process.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$QUORVEL_ROOT/scripts/lib/build.sh"

"$QUORVEL_ROOT/scripts/install-deps.sh"
build_preset host-bench quorvel_bench quorvel_soak >&2
bench_dir=$(preset_dir host-bench)/bench
"$bench_dir/quorvel_bench" --benchmark_color=false "$@"
echo
"$bench_dir/quorvel_soak"
