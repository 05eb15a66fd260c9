#!/bin/bash
# Fuzzes the number engine, the controller's commands, the Define length
# text and the command line's options and input lines with libFuzzer under
# AddressSanitizer and UndefinedBehaviorSanitizer (the fuzz preset), each
# target for the given number of seconds.
#
#   tools/fuzz.sh                 20 s per target (what tools/test-all.sh runs)
#   tools/fuzz.sh 900 2           15 min per target, 2 processes each
#   tools/fuzz.sh 60 1 engine     one target
#
# The seeds of tests/fuzz/corpus/<target>/ are copied into
# build/fuzz/corpus/<target>/, which keeps what the runs find, so the source
# tree is never written. A failing input is saved as
# build/fuzz/artifacts/<target>-crash-* with the log in build/fuzz/logs/;
# reproduce it with build/fuzz/tests/fuzz/fuzz_<target> <file>.
set -eo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
jobs=${2:-1}
shift $(($# < 2 ? $# : 2))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(engine controller length cli)

./tools/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j 2 >/dev/null

build=build/fuzz
failed=0
for t in "${targets[@]}"; do
    corpus=$build/corpus/$t
    log=$build/logs/$t.log
    mkdir -p "$corpus" "$build/artifacts" "$build/logs"
    cp -n tests/fuzz/corpus/"$t"/* "$corpus"/
    args=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
          -artifact_prefix="$build/artifacts/$t-")
    # Several processes share one corpus in fork mode.
    [ "$jobs" -gt 1 ] && args+=(-fork="$jobs" -ignore_crashes=0)
    status=0
    "$build/tests/fuzz/fuzz_$t" "${args[@]}" "$corpus" >"$log" 2>&1 || status=$?
    # Executions: the final statistics of a single process, or the last
    # progress line of fork mode.
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    [ -n "$runs" ] || runs=$(sed -n 's/^#\([0-9]*\):.*/\1/p' "$log" | tail -1)
    inputs=$(find "$corpus" -type f | wc -l)
    if [ "$status" -eq 0 ]; then
        echo "fuzz $t: ${runs:-?} executions in ${seconds} s, $inputs inputs in the corpus, no fault"
    else
        failed=1
        echo "fuzz $t: FAILED (exit $status); log $log"
        grep -E -A3 'check failed|ERROR:|runtime error|SUMMARY' "$log" | head -20 || true
        ls "$build"/artifacts/"$t"-* 2>/dev/null || true
    fi
done
exit $failed
