#!/usr/bin/env bash
# Builds smssim and starts it with the default phone.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec build/app/smssim "$@"
