#!/usr/bin/env bash
# Builds smssim and starts it with the default phone (without a display: see start.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec bash scripts/start.sh build "$@"
