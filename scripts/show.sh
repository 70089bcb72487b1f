#!/usr/bin/env bash
# show.sh SECONDS PROGRAM [ARG...]: runs the program on the current display;
# without one, under Xvfb for SECONDS seconds, then stops it.
set -euo pipefail
seconds="$1"
shift
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$@"
fi
echo "No display: running $(basename "$1") under Xvfb for $seconds seconds."
status=0
xvfb-run -a timeout "$seconds" "$@" || status=$?
# The time running out is the expected end.
if [ "$status" -eq 124 ]; then status=0; fi
exit "$status"
