#!/bin/bash
# Benchmark of qns, not a test: converts N seeded random values from standard
# input (decimal, 2s complement, tsv) at length 32 and at length 64, and
# prints the time and peak memory of each program beside the floor: a plain C
# loop (tools/bench-floor.c) that writes the same bytes with strtoll, shifts
# and masks and checks nothing. Beside them the same job in a short Python 3
# script with format(), and at length 32 in qalc (on a slice, scaled). qns,
# the floor and Python must write the same bytes. Goal: qns within 3 times
# the floor at length 32 and 4 times at 64, under 4 MB.
#
#   tools/bench-cli.sh     N=1000000, QALC_N=1000, SEED=20261207,
#                          RUNS=3 (the fastest run of each program counts; qalc runs once),
#                          BUILD=build/native-release (where qns is built),
#                          BEFORE=path/to/another/qns (measured beside it at 32)
set -eo pipefail
cd "$(dirname "$0")/.."
N=${N:-1000000}
QALC_N=${QALC_N:-1000}
SEED=${SEED:-20261207}
RUNS=${RUNS:-3}
BUILD=${BUILD:-build/native-release}

need=""
for pkg in time qalc python3 gcc; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed" || need="$need $pkg"
done
if [ -n "$need" ]; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $need >/dev/null
fi

# An optimised build without sanitizers (the native preset has them).
cmake --preset native-release -B "$BUILD" >/dev/null
cmake --build "$BUILD" -j2 --target qns >/dev/null
qns=$BUILD/cli/qns

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cc -O2 -o "$work/floor" tools/bench-floor.c

# values BITS: N seeded values of the 2s complement range at BITS.
values() {
    python3 - "$N" "$SEED" "$1" <<'PY'
import random, sys
n, seed, bits = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3])
r = random.Random(seed)
lo, hi = -2**(bits - 1), 2**(bits - 1) - 1
sys.stdout.write("".join("%d\n" % r.randint(lo, hi) for _ in range(n)))
PY
}

# What a user would write in Python: the same tsv columns as qns.
cat >"$work/convert.py" <<'PY'
import sys
bits = int(sys.argv[1])
mask, b, o, h = (1 << bits) - 1, "0%db" % bits, "0%do" % ((bits + 2) // 3), "0%dX" % (bits // 4)
out = sys.stdout.write
for line in sys.stdin:
    t = line.strip()
    u = int(t) & mask
    out("%s\t%s\t%s\t%s\t%s\n" % (t, t, format(u, b), format(u, o), format(u, h)))
PY

# measure NAME LINES INPUT COMMAND...: time and peak memory of the fastest of
# RUNS runs, the time for N lines also as a multiple of the floor's (the floor
# is measured first).
measure() {
    local name=$1 lines=$2 input=$3 run w u s k
    shift 3
    wall=""
    for ((run = 0; run < RUNS; run++)); do
        /usr/bin/time -f '%e %U %S %M' -o "$work/time" "$@" <"$input" >"$work/$name.out" 2>/dev/null || true
        read -r w u s k <"$work/time"
        if [ -z "$wall" ] || awk -v a="$w" -v b="$wall" 'BEGIN { exit !(a < b) }'; then
            wall=$w user=$u sys=$s kb=$k
        fi
    done
    [ "$name" = floor ] && floor_wall=$wall
    awk -v n="$name" -v l="$lines" -v N="$N" -v w="$wall" -v u="$user" -v s="$sys" -v kb="$kb" -v f="$floor_wall" 'BEGIN {
        if (w <= 0) w = 0.01
        if (f <= 0) f = 0.01
        t = w * N / l
        printf "%-8s %8d lines  %6.2f s wall  %6.2f s CPU  %6.1f MB peak  %7.2f s for %d lines  %6.1f x floor\n",
               n, l, w, u + s, kb / 1024, t, N, t / f
    }'
}

# agree NAME...: each program's output is the floor's.
agree() {
    local name
    for name in "$@"; do
        if ! cmp -s "$work/floor.out" "$work/$name.out"; then
            echo "$name and the floor DIFFER:"
            diff "$work/floor.out" "$work/$name.out" | head -5
            exit 1
        fi
    done
    echo "floor, $* write the same $N lines"
}

echo "qns benchmark: $N values, decimal, 2s complement, tsv (seed $SEED), fastest of $RUNS runs;" \
     "$(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
for bits in 32 64; do
    values "$bits" >"$work/in.txt"
    echo "-- length $bits"
    measure floor "$N" "$work/in.txt" "$work/floor" "$bits"
    measure qns "$N" "$work/in.txt" "$qns" -m twos -l "$bits" --format=tsv
    if [ -n "$BEFORE" ] && [ "$bits" = 32 ]; then
        measure before "$N" "$work/in.txt" "$BEFORE" -m twos -l "$bits" --format=tsv
    fi
    measure python "$N" "$work/in.txt" python3 "$work/convert.py" "$bits"
    if [ "$bits" = 32 ]; then
        # qalc: the three conversions of each value, read from a file; it
        # writes its own notation, so only its time counts.
        head -n "$QALC_N" "$work/in.txt" |
            awk '{ printf "mod(%s; 2^32) to bin\nmod(%s; 2^32) to oct\nmod(%s; 2^32) to hex\n", $1, $1, $1 }' \
                >"$work/qalc.txt"
        RUNS=1 measure qalc "$QALC_N" /dev/null qalc -t -f "$work/qalc.txt"
    fi
    if [ -n "$BEFORE" ] && [ "$bits" = 32 ]; then agree qns before python; else agree qns python; fi
done
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
