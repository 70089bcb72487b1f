#!/usr/bin/env bash
# Sets up the machine and builds everything (release).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset release
cmake --build build/release -j "$(nproc)"
