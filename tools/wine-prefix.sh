#!/bin/sh
# Prepares the Wine prefix named by WINEPREFIX: creates it, then maps Verdana,
# the main window's font, to a font of the same width (Wine has no Verdana;
# its narrower fallback would shift the status line's fields). Bitstream Vera
# Sans, not DejaVu Sans of the same widths: Wine 8 faults drawing DejaVu's
# small tilde (0x98 in code page 1252) at the dialog's size.
#
# QNS_DPI=120 (or 144, 192...) sets the display scale in dots per inch, as
# Windows' display settings do (96 is 100%); a prefix keeps it.
set -e
: "${WINEPREFIX:?WINEPREFIX must be set}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine brings an existing prefix up to date by itself when it starts.
[ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1 || true
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Verdana /d 'Bitstream Vera Sans' /f >/dev/null 2>&1
if [ -n "${QNS_DPI:-}" ]; then
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$QNS_DPI" /f >/dev/null 2>&1
fi
wineserver -w
