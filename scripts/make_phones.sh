#!/usr/bin/env bash
# Makes the shipped phone definitions from their font, phones/smssim.bdf, with
# smssim-font2bsd. Usage: make_phones.sh [SMSSIM_FONT2BSD [OUTPUT_FOLDER]]
# (defaults: build/app/smssim-font2bsd and phones/). The .bsd files stay committed, so a
# checkout without a build has them; run this after editing the font.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
font2bsd="${1:-$root/build/app/smssim-font2bsd}"
out="${2:-$root/phones}"
font="$root/phones/smssim.bdf"

# 84 x 48: four lines of ten rows fill 40 rows; the bottom band is left to the soft key
# label as on the phone.
"$font2bsd" "$font" --out "$out/Nokia 5110.bsd" --name "Nokia 5110" \
    --display 84x48 --colour 96BE78 --extension .n51
# A larger organiser display that keeps paragraphs: six lines.
"$font2bsd" "$font" --out "$out/Kommunikator 9000.bsd" --name "Kommunikator 9000" \
    --display 128x64 --colour AABECD --extension .k90 --paragraphs
# A small amber display that breaks lines in the middle of a word: three lines, the
# band below left empty as on the Nokia.
"$font2bsd" "$font" --out "$out/Klassik 2000.bsd" --name "Klassik 2000" \
    --display 72x40 --picture-height 30 --colour EBA532 --extension .k20 --no-word-wrap
