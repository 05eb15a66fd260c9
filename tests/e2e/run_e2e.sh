#!/bin/sh
# Runs one end-to-end test program under Wine and judges how it ended: exit
# code 0 and a last line of output "N passed, 0 failed" with N > 0.
#
#   run_e2e.sh WINE PROGRAM.exe [ARGS...]
#
# The Wine prefix and debug settings come from the environment, as for every
# Windows test. Without a DISPLAY the run gets a display of its own (xvfb-run).
#
# QNS_SCREENSHOT=F.bmp the driver saves a picture there; it becomes F.png
#                      (tools/update-screenshot.sh copies it into docs/).
set -u

if [ -z "${DISPLAY:-}" ]; then
    xvfb-run -a -s "-screen 0 1024x768x24" sh "$0" "$@"
    status=$?
    # Wine's desktop process is tied to this display, which is going away:
    # let the Wine session end with it, so that the next run starts afresh.
    wineserver -w 2>/dev/null
    exit $status
fi

wine=$1
shift

# Dialogs are drawn with the fonts that Wine ships (Tahoma, Marlett for the
# title-bar buttons); a fresh prefix does not always see them.
prefix=${WINEPREFIX:-$HOME/.wine}
if [ -d "$prefix/drive_c/windows/Fonts" ]; then
    for dir in /usr/share/wine/fonts /usr/lib/wine/fonts /opt/wine/share/wine/fonts; do
        if [ -d "$dir" ]; then
            for f in "$dir"/*.ttf; do
                [ -e "$prefix/drive_c/windows/Fonts/$(basename "$f")" ] || cp "$f" "$prefix/drive_c/windows/Fonts/" 2>/dev/null
            done
            break
        fi
    done
fi

[ -n "${QNS_SCREENSHOT:-}" ] && rm -f "$QNS_SCREENSHOT"

# The programs run in a virtual desktop of their own: Wine then draws every
# window itself, as Windows would, whatever window manager the display has
# (or none, as under Xvfb, where closing each window would otherwise wait for
# a manager that never answers).
if [ -d "$prefix" ] && [ ! -e "$prefix/.qns_e2e_desktop" ]; then
    reg=$(mktemp)
    {
        printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="qns_e2e"\r\n'
        printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"qns_e2e"="1024x768"\r\n'
        # A program that faults ends at once with a backtrace, rather than
        # waiting in a crash dialog that nobody answers until the time limit.
        printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n'
    } >"$reg"
    "$wine" regedit /S "$(winepath -w "$reg" 2>/dev/null || echo "$reg")" >/dev/null 2>&1 && touch "$prefix/.qns_e2e_desktop"
    rm -f "$reg"
fi

out=$(mktemp)
rcfile=$(mktemp)
trap 'rm -f "$out" "$rcfile"' EXIT
# Shown as it comes (a run that times out still shows how far it got), less
# Wine's own chatter; Windows programs end their lines with CR LF.
{
    "$wine" "$@" 2>&1
    echo $? >"$rcfile"
} | sed -u 's/\r//g' | tee "$out" | grep --line-buffered -v -e '^X connection to' -e ':fixme:' -e '^XIO: ' -e '^ *after [0-9]* requests'
rc=$(cat "$rcfile" 2>/dev/null)

last=$(grep -E '^[0-9]+ passed, [0-9]+ failed$' "$out" | tail -n 1)
status=0
case "$rc" in
    0) ;;
    "" | *[!0-9]*) echo "run_e2e: the program's exit code was not recorded"; status=1 ;;
    *) echo "run_e2e: exit code $rc, expected 0"; status=1 ;;
esac
case "$last" in
    "0 passed"*) echo "run_e2e: nothing was checked"; status=1 ;;
    *" passed, 0 failed") ;;
    "") echo "run_e2e: no result line"; status=1 ;;
    *) status=1 ;;
esac

if [ -n "${QNS_SCREENSHOT:-}" ]; then
    png=${QNS_SCREENSHOT%.bmp}.png
    if [ -s "$QNS_SCREENSHOT" ] && convert "$QNS_SCREENSHOT" "$png"; then
        echo "screenshot: $png"
    else
        echo "run_e2e: no screenshot made"
        status=1
    fi
fi
exit $status
