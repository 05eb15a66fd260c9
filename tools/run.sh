#!/bin/sh
# Builds the Windows program and starts it under Wine (needs a display).
set -e
cd "$(dirname "$0")/.."
./tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target QuorvelNumeralStudio -j "$(nproc 2>/dev/null || echo 2)"
export WINEPREFIX="$PWD/build/windows/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Every time: a prefix made before keeps the font mapping it was made with.
./tools/wine-prefix.sh
exec wine build/windows/ui/QuorvelNumeralStudio.exe
