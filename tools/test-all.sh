#!/bin/bash
# Builds every preset and runs every test: native unit tests under the
# sanitizers, then the Windows unit tests, end-to-end tests and the release
# package under Wine and Xvfb, then the browser edition in Node.js and
# headless Chromium.
set -eo pipefail
cd "$(dirname "$0")/.."
./tools/setup.sh
jobs=$(nproc 2>/dev/null || echo 2)
# Every ctest run writes a JUnit report here; the closing line counts them.
reports=$(mktemp -d)
trap 'rm -rf "$reports"' EXIT

echo "== native =="
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
ctest --preset native --output-junit "$reports/native.xml"

echo "== fuzz =="
./tools/fuzz.sh 20

echo "== windows =="
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"
xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset windows --output-junit "$reports/windows.xml"

echo "== web =="
web_start=$(date +%s)
cmake --preset web >/dev/null
cmake --build --preset web -j "$jobs"
web_built=$(( $(date +%s) - web_start ))
ctest --preset web --output-junit "$reports/web.xml"

# Measured by the end-to-end and page runs, not asserted.
echo "== measured =="
grep -hE '^(startup|convert round trip|scenario [a-z]+: main window ready)' \
    build/windows/Testing/Temporary/LastTest.log || true
echo "web build: ${web_built} s"
grep -h '^web page:' build/web/Testing/Temporary/LastTest.log || true

# Every ctest run passed (set -e): one closing line for them all, counted
# from the reports' test suites.
python3 - "$reports"/*.xml <<'PY'
import sys
import xml.etree.ElementTree as ET

passed = failed = 0
for path in sys.argv[1:]:
    suite = ET.parse(path).getroot()
    failures = int(suite.get("failures", 0))
    passed += int(suite.get("tests", 0)) - failures - int(suite.get("skipped", 0)) - int(suite.get("disabled", 0))
    failed += failures
print(f"tests: {passed} passed, {failed} failed")
PY
