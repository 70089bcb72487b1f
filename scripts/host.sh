#!/usr/bin/env bash
# Sets up the machine, builds everything and starts the development-
# environment host: load the package (Package > Load package), drop a
# TQXReport from the palette and right-click it. Without a display it runs
# under Xvfb for a while and stops. Arguments go to the host
# ([--script FILE] [--package PATH]).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/build.sh
exec bash scripts/show.sh "${QXIDEHOST_XVFB_SECONDS:-10}" "$PWD/build/release/designer/qxidehost" "$@"
