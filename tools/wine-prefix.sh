#!/bin/sh
# Prepares the Wine prefix named by WINEPREFIX: creates it, then maps Verdana,
# the main window's font, to a font of the same width (Wine has no Verdana;
# its narrower fallback would shift the status line's fields).
set -e
: "${WINEPREFIX:?WINEPREFIX must be set}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i >/dev/null 2>&1 || true
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Verdana /d 'DejaVu Sans' /f >/dev/null 2>&1
wineserver -w
