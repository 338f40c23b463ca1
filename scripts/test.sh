#!/usr/bin/env bash
# Builds smssim and runs every test; ends with ctest's summary line.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build
ctest --output-on-failure --timeout 300 -j "$(nproc)"
