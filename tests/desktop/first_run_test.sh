#!/usr/bin/env bash
# Without a display, the start command says so and shows the renderer's picture of a
# sample message, with exit status 0.
# Usage: first_run_test.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir=$1
build=$2
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM bash "$source_dir/scripts/start.sh" "$build") ||
    fail "exit status $?"
grep -q "no graphical display" <<<"$out" || fail "does not say that the display is missing"
grep -qx "Bildanzahl: 1" <<<"$out" || fail "no renderer output: $out"
# The default phone's display: 48 rows of 84 dots, some of them set.
rows=$(grep -cE '^[#.]{84}$' <<<"$out" || true)
[ "$rows" -eq 48 ] || fail "$rows display rows instead of 48"
grep -qE '^[#.]*#[#.]*$' <<<"$out" || fail "the display shows no dot"
echo "first run without a display: explained, and the renderer's picture shown"
