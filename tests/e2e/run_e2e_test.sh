#!/bin/sh
# Checks how run_e2e.sh judges the end of a test program, with a stand-in
# for Wine that prints a given closing line and ends a given way: only an
# exit code of 0 that was recorded, together with a last line
# "N passed, 0 failed" with N > 0, is a pass.
set -u
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The stand-in: its first argument names the case.
cat >"$work/wine" <<'FAKE'
#!/bin/sh
case "$1" in
    pass)            echo "3 passed, 0 failed" ;;
    crlf)            printf '3 passed, 0 failed\r\n' ;;
    failed)          echo "2 passed, 1 failed"; exit 1 ;;
    exit_code)       echo "3 passed, 0 failed"; exit 3 ;;
    crashed)         echo "3 passed, 0 failed"; exit 84 ;;
    nothing)         echo "0 passed, 0 failed" ;;
    no_line)         echo "scenario x: main window ready" ;;
    later_failure)   echo "3 passed, 0 failed"; echo "3 passed, 1 failed" ;;
    # The shell that would record the exit code is gone before it can.
    not_recorded)    echo "3 passed, 0 failed"; kill -9 "$PPID" ;;
esac
FAKE
chmod +x "$work/wine"

failures=0
while read -r name want; do
    [ -z "$name" ] && continue
    DISPLAY=${DISPLAY:-:0} WINEPREFIX="$work/no-prefix" sh "$here/run_e2e.sh" "$work/wine" "$name" >"$work/out" 2>&1
    if [ $? -eq 0 ]; then got=pass; else got=fail; fi
    if [ "$got" = "$want" ]; then
        echo "ok   $name: $got"
    else
        echo "FAIL $name: got $got, expected $want"
        sed 's/^/     | /' "$work/out"
        failures=$((failures + 1))
    fi
done <<'CASES'
pass          pass
crlf          pass
failed        fail
exit_code     fail
crashed       fail
nothing       fail
no_line       fail
later_failure fail
not_recorded  fail
CASES
[ "$failures" -eq 0 ]
