#!/bin/bash
# Builds every preset and runs every test: native unit tests under the
# sanitizers, then the Windows unit tests, end-to-end tests and the release
# package under Wine and Xvfb, then the browser edition in Node.js and
# headless Chromium.
set -eo pipefail
cd "$(dirname "$0")/.."
./tools/setup.sh
jobs=$(nproc 2>/dev/null || echo 2)
log=$(mktemp)
trap 'rm -f "$log"' EXIT

echo "== native =="
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
ctest --preset native | tee -a "$log"

echo "== windows =="
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"
xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset windows | tee -a "$log"

echo "== web =="
web_start=$(date +%s)
cmake --preset web >/dev/null
cmake --build --preset web -j "$jobs"
web_built=$(( $(date +%s) - web_start ))
ctest --preset web | tee -a "$log"

# Measured by the end-to-end and page runs, not asserted.
echo "== measured =="
grep -hE '^(startup|convert round trip|scenario [a-z]+: main window ready)' \
    build/windows/Testing/Temporary/LastTest.log || true
echo "web build: ${web_built} s"
grep -h '^web page:' build/web/Testing/Temporary/LastTest.log || true

# Every ctest run passed (set -e): one closing line for them all.
total=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' "$log" | awk '{s += $1} END {print s + 0}')
echo "tests: $total passed, 0 failed"
