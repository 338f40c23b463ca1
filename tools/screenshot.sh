#!/bin/sh
# Builds the program and takes docs/screenshot.png of the real main window under Xvfb,
# with a sample message typed into it.
# Usage: tools/screenshot.sh [BUILD_DIR]   (default: build)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target smssim-window-screenshot >/dev/null
mkdir -p "$root/docs"
env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1024x768x24" \
    "$build/tests/gui/smssim-window-screenshot" "$root/docs/screenshot.png"
echo "wrote $root/docs/screenshot.png"
