#!/usr/bin/env bash
# Runs a test program under Wine: the arguments are the whole command. Now and then Wine ends a
# program before it has run a line: a failure within a hundredth of a second with nothing on
# standard output, where a test program that starts prints at once and takes a tenth at least.
# Such a start, and only such, is made once more; a program that printed anything is never run
# again, whatever its outcome.
output=$(mktemp)
trap 'rm -f "$output"' EXIT
"$@" | tee "$output"
status=${PIPESTATUS[0]}
if [ "$status" -ne 0 ] && [ ! -s "$output" ]; then
  echo "under-wine.sh: the program ended with $status before printing anything; starting it again"
  "$@"
  status=$?
fi
exit "$status"
