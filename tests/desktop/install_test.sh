#!/usr/bin/env bash
# Installs the build into a temporary folder and checks what a desktop needs is there, and
# that the installed smssim-render, started from another folder, finds the installed phone.
# Usage: install_test.sh BUILD_DIR COMPILED_DATA_DIR
set -euo pipefail
build=$1
compiled_data_dir=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/smssim bin/smssim-render bin/smssim-font2bsd bin/smssim-bsd2font; do
    [ -x "$prefix/$f" ] || fail "$f is not installed as a program"
done
for f in "share/smssim/phones/Nokia 5110.bsd" "share/smssim/phones/Kommunikator 9000.bsd" \
    "share/smssim/phones/Klassik 2000.bsd" share/applications/io.github.smssim.Smssim.desktop \
    share/metainfo/io.github.smssim.Smssim.metainfo.xml share/icons/hicolor/scalable/apps/smssim.svg; do
    [ -s "$prefix/$f" ] || fail "$f is missing or empty"
done

# Each PNG is as large as its folder says: width and height are the big-endian words at
# bytes 16 and 20, after the signature and the IHDR chunk header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}'; }
desktop=$prefix/share/applications/io.github.smssim.Smssim.desktop
icon=$(sed -n 's/^Icon=//p' "$desktop")
for size in 16 22 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png
    [ -s "$png" ] || fail "the desktop file's icon '$icon' has no ${size}x${size} picture"
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$png is no PNG"
    [ "$(png_size "$png")" = "${size}x${size}" ] || fail "$png is $(png_size "$png")"
done
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$prefix/bin/$exec_name" ] || fail "the desktop file starts '$exec_name', which is not installed"

# From a folder without phones, the installed renderer finds the installed default phone.
mkdir "$tmp/elsewhere"
cd "$tmp/elsewhere"
out=$("$prefix/bin/smssim-render" --text Hallo) || fail "smssim-render exited with $?"
[ "$(head -n 2 <<<"$out")" = $'Bildanzahl: 1\nVerbleibende Buchstaben: 155' ] ||
    fail "unexpected output: $(head -n 2 <<<"$out")"

# And that phone was the installed one: without it the renderer has none to use, unless
# the folder compiled in as the last resort holds one on this machine.
rm "$prefix/share/smssim/phones/Nokia 5110.bsd"
if [ ! -e "$compiled_data_dir/Nokia 5110.bsd" ]; then
    if "$prefix/bin/smssim-render" --text Hallo >/dev/null 2>"$tmp/err"; then
        fail "smssim-render found a default phone after the installed one was removed"
    fi
    grep -q "Nokia 5110.bsd" "$tmp/err" || fail "the refusal does not name the phone: $(cat "$tmp/err")"
fi
echo "install into a folder: complete, and smssim-render runs from anywhere"
