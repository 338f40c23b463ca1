#!/usr/bin/env bash
# Remakes the README's pictures of a message on each shipped phone with smssim-render.
set -euo pipefail
cd "$(dirname "$0")/.."
render=build/app/smssim-render
text="Hallo Anna! Wir treffen uns um 8 am Bahnhof. Grüße, Ben"
mkdir -p docs
for phone in phones/*.bsd; do
    name=$(basename "$phone" .bsd)
    args=(--phone "$phone" --text "$text" --format png --out "docs/${name// /-}.png")
    "$render" "${args[@]}"
done
