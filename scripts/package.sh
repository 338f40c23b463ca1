#!/usr/bin/env bash
# Builds the Debian package build/smssim_<version>_<arch>.deb: a release build for /usr in
# build-deb/ (tests and benchmarks left out), packed by CPack. Install it with
#   sudo apt-get install ./build/smssim_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
# dpkg-dev finds the library dependencies; CPack uses file to tell programs apart.
bash scripts/setup.sh dpkg-dev file

generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S . -B build-deb "${generator[@]}" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DBUILD_TESTING=OFF -DSMSSIM_BUILD_BENCH=OFF >/dev/null
cmake --build build-deb
(cd build-deb && cpack -G DEB >/dev/null)
mkdir -p build
rm -f build/smssim_*.deb
cp build-deb/smssim_*.deb build/
ls build/smssim_*.deb
