#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/
# and runs the whole test suite there, GUI tests on the offscreen platform included.
# Exits non-zero when a test fails or any sanitizer reports, also from a child process.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

# Set before building: test discovery runs the test programs at build time.
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen

generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S . -B build-asan "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSMSSIM_SANITIZE=ON -DSMSSIM_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j "$(nproc)"

cd build-asan
log=sanitize-ctest.log
status=0
ctest --output-on-failure --timeout 600 -j "$(nproc)" --output-log "$log" || status=$?
if grep -nE 'ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:|SUMMARY: UndefinedBehaviorSanitizer' "$log"; then
    echo "sanitize: sanitizer reports above (full log: build-asan/$log)" >&2
    status=1
fi
exit $status
