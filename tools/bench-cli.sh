#!/bin/bash
# Benchmark of qns, not a test: converts N seeded random values from standard
# input (decimal, 2s complement, length 32, tsv) and prints lines per second
# and peak memory, beside the same job done by qalc (on a slice, scaled) and
# by a short Python 3 script with format(). Goal: 1,000,000 lines in under
# 1.5 s with under 10 MB, faster than both.
#
#   tools/bench-cli.sh            N=1000000, QALC_N=10000, SEED=20261207
set -eo pipefail
cd "$(dirname "$0")/.."
N=${N:-1000000}
QALC_N=${QALC_N:-10000}
SEED=${SEED:-20261207}

need=""
for pkg in time qalc python3; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed" || need="$need $pkg"
done
if [ -n "$need" ]; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $need >/dev/null
fi

# An optimised build without sanitizers (the native preset has them).
cmake --preset native-release >/dev/null
cmake --build --preset native-release -j2 --target qns >/dev/null
qns=build/native-release/cli/qns

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$N" "$SEED" >"$work/in.txt" <<'PY'
import random, sys
n, seed = int(sys.argv[1]), int(sys.argv[2])
r = random.Random(seed)
sys.stdout.write("".join("%d\n" % r.randint(-2**31, 2**31 - 1) for _ in range(n)))
PY
head -n "$QALC_N" "$work/in.txt" >"$work/slice.txt"

# What a user would write in Python: the same tsv columns as qns.
cat >"$work/convert.py" <<'PY'
import sys
out = sys.stdout.write
for line in sys.stdin:
    t = line.strip()
    u = int(t) & 0xFFFFFFFF
    out("%s\t%s\t%s\t%s\t%s\n" % (t, t, format(u, "032b"), format(u, "011o"), format(u, "08X")))
PY
# qalc: the three conversions of each value, read from a file.
awk '{ printf "mod(%s; 2^32) to bin\nmod(%s; 2^32) to oct\nmod(%s; 2^32) to hex\n", $1, $1, $1 }' \
    "$work/slice.txt" >"$work/qalc.txt"

# measure NAME LINES INPUT COMMAND...: wall and CPU seconds, peak memory.
measure() {
    local name=$1 lines=$2 input=$3
    shift 3
    /usr/bin/time -f '%e %U %S %M' -o "$work/time" "$@" <"$input" >"$work/$name.out" 2>/dev/null || true
    read -r wall user sys kb <"$work/time"
    awk -v n="$name" -v l="$lines" -v N="$N" -v w="$wall" -v u="$user" -v s="$sys" -v kb="$kb" 'BEGIN {
        if (w <= 0) w = 0.01
        printf "%-8s %9d lines  %8.2f s wall  %7.2f s CPU  %10.0f lines/s  %6.1f MB peak  %9.2f s for %d lines\n",
               n, l, w, u + s, l / w, kb / 1024, w * N / l, N
    }'
}

echo "qns benchmark: $N values, decimal, 2s complement, length 32, tsv (seed $SEED); $(nproc) cores, load $(cut -d' ' -f1 /proc/loadavg)"
measure qns "$N" "$work/in.txt" "$qns" -m twos -l 32 --format=tsv
measure python "$N" "$work/in.txt" python3 "$work/convert.py"
measure qalc "$QALC_N" /dev/null qalc -t -f "$work/qalc.txt"

# The same texts from qns and from Python (the hexadecimal digits aside, qalc
# writes its own notation).
if cmp -s "$work/qns.out" "$work/python.out"; then
    echo "qns and Python agree on all $N lines"
else
    echo "qns and Python DIFFER:"
    diff "$work/qns.out" "$work/python.out" | head -5
    exit 1
fi
