#!/bin/sh
# Builds both presets and runs every test: native unit tests under the
# sanitizers, then the Windows unit tests, end-to-end tests and the release
# package under Wine and Xvfb.
set -e
cd "$(dirname "$0")/.."
./tools/setup.sh
jobs=$(nproc 2>/dev/null || echo 2)

echo "== native =="
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
ctest --preset native

echo "== windows =="
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"
xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset windows
