#!/bin/sh
# Builds the program and takes screenshots of the real main window under Xvfb, with a
# sample message typed into it: docs/screenshot.png at 100 % and docs/screenshot-200.png
# at 200 % scaling (QT_SCALE_FACTOR=2).
# Usage: tools/screenshot.sh [BUILD_DIR]   (default: build)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
bash "$root/scripts/setup.sh" xvfb xauth
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target smssim-window-screenshot >/dev/null
mkdir -p "$root/docs"
shoot() { # scale factor, output file
    env -u QT_QPA_PLATFORM -u QT_SCREEN_SCALE_FACTORS -u QT_AUTO_SCREEN_SCALE_FACTOR \
        QT_SCALE_FACTOR="$1" xvfb-run -a -s "-screen 0 1600x1200x24 -dpi 96" \
        "$build/tools/smssim-window-screenshot" "$2"
    echo "wrote $2"
}
shoot 1 "$root/docs/screenshot.png"
shoot 2 "$root/docs/screenshot-200.png"
