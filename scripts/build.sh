#!/usr/bin/env bash
# Configures (once) and builds smssim into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
