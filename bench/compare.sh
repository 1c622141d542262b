#!/usr/bin/env bash
# Runs the benchmark workloads in our number type and in its peers (raw GMP
# calls, Python 3's decimal and int, GNU bc), checks that all result texts
# agree and prints one table of medians and ratios. `make bench` runs it.
# Expect a few minutes: bc alone needs about half a minute for the radix
# conversions.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v bc >/dev/null; then scripts/install-deps.sh bc; fi
if ! command -v python3 >/dev/null; then scripts/install-deps.sh python3; fi

cmake --preset default >/dev/null
cmake --build --preset default -j2 --target unl_num_bench gmp_peer_bench

exec python3 bench/compare.py build/default/bench/unl_num_bench \
  build/default/bench/gmp_peer_bench build/default/bench/compare
