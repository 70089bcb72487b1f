#!/usr/bin/env bash
# Sets up the machine, builds everything and starts the demo program on the
# demo data (it reads its input files from the current directory). Without
# a display it runs under Xvfb for a while and stops.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake --preset release
cmake --build build/release -j "$(nproc)"

program="$PWD/build/release/demo/inidemo"
cd demo/data
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$program"
fi
seconds="${INIDEMO_XVFB_SECONDS:-10}"
echo "No display: running inidemo under Xvfb for $seconds seconds."
status=0
xvfb-run -a timeout "$seconds" "$program" || status=$?
# The time running out is the expected end.
if [ "$status" -eq 124 ]; then status=0; fi
exit "$status"
