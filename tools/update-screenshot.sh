#!/bin/sh
# Refreshes docs/screenshot.png, the README's picture of the main window: builds
# the Windows program, runs the screenshot test under Wine and Xvfb (it draws
# into the build tree only) and copies its picture into docs/.
set -e
cd "$(dirname "$0")/.."
./tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target QuorvelNumeralStudio_driver -j "$(nproc 2>/dev/null || echo 2)"
png=build/windows/tests/e2e/screenshot.png
rm -f "$png"
xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset windows -R '^e2e_screenshot$'
cp "$png" docs/screenshot.png
echo "docs/screenshot.png updated"
