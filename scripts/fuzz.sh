#!/usr/bin/env bash
# Builds the libFuzzer targets into build-fuzz/ and runs each for the given number of
# seconds (default 60). Needs clang 16 and its fuzzer runtime (Debian: clang-16,
# libclang-rt-16-dev).
# New corpus entries stay in build-fuzz/corpus/, crashes and hangs go to build-fuzz/findings/.
# Exits non-zero when a target finds a fault.
set -euo pipefail
seconds=${1:-60}
cd "$(dirname "$0")/.."
bash scripts/setup.sh clang-16 libclang-rt-16-dev

generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
# libstdc++ 12 offers std::expected only where __cpp_concepts is 202002, for the
# conditionally trivial members that clang 16 has but does not yet announce; clang 14
# lacks them. So the fuzzed code is built on the same standard library as the program.
cmake -S . -B build-fuzz "${generator[@]}" -DCMAKE_CXX_COMPILER=clang++-16 \
    -DCMAKE_CXX_FLAGS="-D__cpp_concepts=202002L -Wno-macro-redefined" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSMSSIM_FUZZ=ON -DBUILD_TESTING=OFF \
    -DSMSSIM_BUILD_BENCH=OFF >/dev/null
targets=(phone_loader_fuzz message_file_fuzz render_fuzz firmware_fuzz)
cmake --build build-fuzz --target "${targets[@]}"

seeds=build-fuzz/seeds
rm -rf "$seeds"
mkdir -p "$seeds"/{phone_loader_fuzz,message_file_fuzz,render_fuzz,firmware_fuzz} build-fuzz/findings
copy_files() { # destination, then files; folders and missing globs are skipped
    local dest=$1
    shift
    for f in "$@"; do
        [ -f "$f" ] && cp "$f" "$dest/$(basename "$f" | tr ' ' _)"
    done
    return 0
}
copy_files "$seeds/phone_loader_fuzz" phones/*.bsd tests/data/phones/*.bsd \
    tests/data/hardening/*.bsd
copy_files "$seeds/message_file_fuzz" tests/data/messages/* tests/data/hardening/*.n51
# The renderer's input is a message (backslashes doubled, ended by a backslash and one
# more byte), then a phone, then four bytes read from the end: picture, picture kind,
# display test, paragraphs. "caaa" asks for picture 4 of the first eight with both on.
n=0
for message in tests/data/messages/*; do
    for phone in phones/*.bsd tests/data/phones/*.bsd; do
        n=$((n + 1))
        {
            sed 's/\\/\\\\/g' "$message"
            printf '\\x'
            cat "$phone"
            printf '\r\ncaaa'
        } >"$seeds/render_fuzz/seed-$n"
    done
done

# The generators' input is a C name and a message (each ended by a backslash and one more
# byte), then a phone, then two bytes from the end: byte order, paragraphs.
n=0
for phone in phones/*.bsd tests/data/phones/*.bsd tests/data/hardening/*.bsd; do
    [ -f "$phone" ] || continue
    n=$((n + 1))
    {
        printf 'lcd\\xHallo Anna, bis morgen um 8!\\x'
        cat "$phone"
        printf '\x01\x01'
    } >"$seeds/firmware_fuzz/seed-$n"
done

status=0
for t in "${targets[@]}"; do
    mkdir -p "build-fuzz/corpus/$t"
    echo "fuzz: $t for ${seconds}s"
    if ! "build-fuzz/fuzz/$t" "build-fuzz/corpus/$t" "$seeds/$t" -max_total_time="$seconds" \
        -timeout=5 -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
        -artifact_prefix="build-fuzz/findings/$t-" 2>"build-fuzz/$t.log"; then
        tail -n 60 "build-fuzz/$t.log" >&2
        echo "fuzz: $t found a fault, see build-fuzz/findings/" >&2
        status=1
    else
        grep -E '^stat::number_of_executed_units|^Done' "build-fuzz/$t.log" || true
    fi
done
exit $status
