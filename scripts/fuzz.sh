#!/usr/bin/env bash
# Fuzzes the code that reads outside input (the list file, the filter file, the setting values,
# the filter matching) for a bounded time: SECONDS per target, 120 by default. Not part of the
# tests. What the fuzzers learn stays in build/fuzz-corpus; an input that breaks a property is
# written to tests/fuzz/regressions/<target>/, where the unit tests replay it once it is fixed
# and committed.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-120}"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize

failed=0
for target in face_file filter_file setting_values face_filter list_encoding; do
  learned="build/fuzz-corpus/$target"
  found="tests/fuzz/regressions/$target/"
  mkdir -p "$learned" "$found"
  echo "Fuzzing $target for ${seconds} s"
  if ! "build/sanitize/tests/fuzz/${target}_fuzz" -max_total_time="$seconds" -print_final_stats=0 \
      -artifact_prefix="$found" "$learned" "tests/fuzz/corpus/$target" 2>"build/fuzz-$target.log"; then
    echo "  $target: an input broke a property; see build/fuzz-$target.log and $found" >&2
    failed=1
  fi
done
exit "$failed"
