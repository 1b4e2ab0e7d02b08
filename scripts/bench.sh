#!/usr/bin/env bash
# Runs the benchmarks: the filter pass (plain and by reading) natively with Google Benchmark, and the real program
# under Wine (start-up to a visible window, the cost of each keystroke in the filter box and of
# a choice reaching the clipboard, and the program's handles and memory over 10,000 choices)
# with generated lists of 1,000 to 100,000 emoticons; then entering and leaving edit mode, the
# sort and the duplicate check; then importing a 100,000-line dictionary into a list of 100,000
# and exporting the result from the context menu; then the hotkey's pop-up opening and
# filtering. Not part of the tests: timings depend on
# the machine and on what else it is doing.
# Arguments go to the Wine driver: --detail lists every keystroke of the typing sequence and
# every place chosen from.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
jobs=$(nproc)
cmake --preset native >/dev/null
cmake --build --preset native --target face_filter_bench reading_match_bench dictionary_bench -j "$jobs"
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target picker_timing edit_mode_timing dictionary_timing \
    popup_timing -j "$jobs"

echo "== The filter pass, natively"
build/native/bench/face_filter_bench
echo "== The filter pass by reading, natively"
build/native/bench/reading_match_bench
echo "== Import and export of dictionaries, natively"
build/native/bench/dictionary_bench

echo "== The program under Wine"
. scripts/wine-session.sh
trap wine_session_stop EXIT
wine_session_start_display
wine_session_prepare_prefix "$PWD/build/wine-prefix"
status=0
"$WINE_LOADER" build/win64/bench/picker_timing.exe "$@" </dev/null || status=$?
"$WINE_LOADER" build/win64/bench/edit_mode_timing.exe </dev/null || status=$?
"$WINE_LOADER" build/win64/bench/dictionary_timing.exe </dev/null || status=$?
"$WINE_LOADER" build/win64/bench/popup_timing.exe </dev/null || status=$?
exit "$status"
