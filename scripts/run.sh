#!/usr/bin/env bash
# Sets up the machine, builds everything and starts the report designer on
# a sample report that our own code writes. Without a display it runs under
# Xvfb for a while and stops.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/build.sh
sample="$PWD/build/release/sample/Sales.qxf"
mkdir -p "$(dirname "$sample")"
build/release/designer/sample/make_sample_report "$sample"
exec bash scripts/show.sh "${QXDESIGNER_XVFB_SECONDS:-10}" "$PWD/build/release/designer/qxdesigner" "$sample"
