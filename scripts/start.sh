#!/usr/bin/env bash
# Starts the built smssim. Without a display it cannot open its window; it then says so
# and shows what smssim-render prints for a sample message instead, and exits with 0.
# Usage: scripts/start.sh BUILD_DIR [arguments for smssim]
set -euo pipefail
build=${1:?usage: scripts/start.sh BUILD_DIR [arguments]}
shift

# The same test as smssim's own: a platform chosen by hand counts as a display too.
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
    exec "$build/app/smssim" "$@"
fi

sample='Hallo Anna! Wir sehen uns morgen um 8 am Bahnhof.'
cat <<TEXT
smssim: there is no graphical display here (DISPLAY and WAYLAND_DISPLAY are not set),
so its window cannot open. Start it again in a graphical session (or over ssh -X).

Meanwhile, this is the same layout from the command-line renderer:
  $build/app/smssim-render --text '$sample' --format ascii

TEXT
exec "$build/app/smssim-render" --text "$sample" --format ascii
