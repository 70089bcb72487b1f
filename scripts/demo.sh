#!/usr/bin/env bash
# Sets up the machine, builds everything and starts the demo program on the
# demo data (it reads its input files from the current directory). Without
# a display it runs under Xvfb for a while and stops.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/build.sh
program="$PWD/build/release/demo/inidemo"
show="$PWD/scripts/show.sh"
cd demo/data
exec bash "$show" "${INIDEMO_XVFB_SECONDS:-10}" "$program"
