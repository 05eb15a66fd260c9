#!/bin/sh
# Refreshes the browser edition's screenshots in docs/: the page at phone
# width (360 CSS pixels, dark colours) and at desktop width (1280, light),
# both showing -5 at 64 bits in 2s complement. Builds the page first.
# The test run never writes docs/; run this by hand and commit the pictures.
set -e
cd "$(dirname "$0")/.."
./tools/setup.sh
cmake --preset web >/dev/null
cmake --build --preset web -j 2 --target qns_web_page
exec /usr/bin/python3 -B tools/web_screenshots.py build/web/web/numeral-studio.html docs
