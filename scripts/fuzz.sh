#!/usr/bin/env bash
# Fuzzes the code that reads outside input (the list file and its encodings, the filter file, the
# setting values and the settings file, the filter matching, by reading too) for a bounded time: SECONDS per target, 120 by default. Not part of the
# tests. What the fuzzers learn stays in build/fuzz-corpus; an input that breaks a property is
# written to tests/fuzz/regressions/<target>/, where the unit tests replay it once it is fixed
# and committed.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-120}"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize

failed=0
for binary in build/sanitize/tests/fuzz/*_fuzz; do
  target=$(basename "$binary" _fuzz)
  learned="build/fuzz-corpus/$target"
  found="tests/fuzz/regressions/$target/"
  mkdir -p "$learned" "$found"
  echo "Fuzzing $target for ${seconds} s"
  if ! "$binary" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$found" "$learned" "tests/fuzz/corpus/$target" 2>"build/fuzz-$target.log"; then
    echo "  $target: an input broke a property; see build/fuzz-$target.log and $found" >&2
    failed=1
  fi
  grep -h '^stat::number_of_executed_units' "build/fuzz-$target.log" | sed "s/^stat::number_of_executed_units: */  runs: /" || true
done
exit "$failed"
