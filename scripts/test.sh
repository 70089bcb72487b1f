#!/usr/bin/env bash
# Sets up the machine, builds with AddressSanitizer and UndefinedBehaviorSanitizer,
# and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}"
export LSAN_OPTIONS="suppressions=$PWD/.ci/lsan.supp"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

cmake --preset asan
cmake --build build/asan -j "$(nproc)"
ctest --test-dir build/asan --output-on-failure -j "$(nproc)"
