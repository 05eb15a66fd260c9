#!/bin/sh
# Refreshes the README's pictures of the main window, docs/screenshot.png at
# 100% display scale and docs/screenshot-150.png at 150%: builds the Windows
# program, runs the screenshot tests under Wine and Xvfb (they draw into the
# build tree only) and copies their pictures into docs/.
#
# QNS_BUILD_DIR=build/other builds there instead of the windows preset's
# build/windows.
set -e
cd "$(dirname "$0")/.."
./tools/setup.sh
build=${QNS_BUILD_DIR:-build/windows}
cmake --preset windows -B "$build" >/dev/null
cmake --build "$build" --target QuorvelNumeralStudio_driver -j "$(nproc 2>/dev/null || echo 2)"
rm -f "$build"/tests/e2e/screenshot*.png
xvfb-run -a -s "-screen 0 1024x768x24" ctest --test-dir "$build" -R '^e2e_screenshot(_144dpi)?$'
cp "$build/tests/e2e/screenshot.png" docs/screenshot.png
cp "$build/tests/e2e/screenshot-144dpi.png" docs/screenshot-150.png
echo "docs/screenshot.png and docs/screenshot-150.png updated"
