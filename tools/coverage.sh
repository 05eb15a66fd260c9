#!/bin/bash
# Line and branch coverage of engine/ and controller/ under the native unit
# tests (g++ --coverage, in build/coverage; the sanitizers stay in the native
# preset). Branches that only throw (inside the standard library's inline
# code) are left out.
#
# Every line is reached. The 14 branches the tests do not take, and why no
# test can take them:
#  - convert.cpp, run_once: "else if (oct)" false, twice, and correct.cpp,
#    refine: "else if (oct)" false. No base flag set at all; the main window's
#    initialisation sets decimal before any command can run.
#  - convert.cpp, run_once: "!r.sign" false with a valid, in-range binary,
#    octal or hexadecimal text. A sign is not a digit of those bases, so a
#    signed text is never valid there.
#  - convert.cpp, start, and headless.cpp, error_summary and error_hint: the
#    compiler's default edge of a switch over every value of an enum.
#  - headless.cpp: "correction_count < max_corrections" false and
#    "error_count < max_corrections + 1" false. Guards of the fixed records;
#    one Convert makes far fewer corrections (each one shortens the text).
#  - headless.cpp, message: "e != Error::none" false. Only Convert and
#    Auto-detect show messages in the in-memory window, and their texts are
#    all known to it.
#  - headless.cpp, outcome_of: "w.error_count > 0" false when nothing was
#    converted. Convert always reports why it did not convert.
#  - hex_options.cpp: the loop bounds of do_C_hex (two) and do_C_small. The
#    read limit puts a terminator inside them, so the loops always end at it.
set -eo pipefail
cd "$(dirname "$0")/.."
./tools/setup.sh
build=build/coverage
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=g++ \
    -DCMAKE_CXX_FLAGS="--coverage -O0" -DCMAKE_EXE_LINKER_FLAGS=--coverage >/dev/null
cmake --build "$build" -j 2 >/dev/null
# CMake's compiler check leaves a note file without data; it is not ours.
rm -f "$build"/CMakeFiles/*/CompilerIdCXX/*.gcno
find "$build" -name '*.gcda' -delete
ctest --test-dir "$build" --output-on-failure >/dev/null
args=(--root . --object-directory "$build" --filter 'engine/' --filter 'controller/'
      --exclude-throw-branches --exclude-unreachable-branches "$build")
echo "== lines, by file =="
gcovr "${args[@]}"
echo "== branches, by file =="
gcovr "${args[@]}" --branches
echo "== total =="
gcovr "${args[@]}" --print-summary --txt /dev/null
