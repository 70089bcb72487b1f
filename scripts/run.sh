#!/usr/bin/env bash
# Sets up the machine, builds everything and runs the main job.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake --preset release
cmake --build build/release -j "$(nproc)"
# Until the demo program exists, the main job is the test sample on the
# release build.
QT_QPA_PLATFORM=offscreen ctest --test-dir build/release --output-on-failure -j "$(nproc)"
