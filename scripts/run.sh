#!/usr/bin/env bash
# Builds the picker and runs it under Wine in a Japanese locale with the sample emoticon list.
# The list is used from a working copy in build/sample, so the picker's reordering and edits
# stay out of the repository and carry over from one run to the next.
# Without a display it runs on a virtual one, saves a screenshot of the picker with a filter
# typed and its list open, and exits.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

. scripts/picker-demo.sh
demo_build

workdir="$root/build/sample"
mkdir -p "$workdir"
for file in Vemplor.txt Filter.txt; do
  [ -e "$workdir/$file" ] || cp "sample/$file" "$workdir/$file"
done

. scripts/wine-session.sh
if [ -n "${DISPLAY:-}" ] && [ -z "${VEMPLOR_SCREENSHOT:-}" ]; then
  export WINEPREFIX="${WINEPREFIX:-$root/build/wine-prefix}"
  wine_session_prepare_prefix "$WINEPREFIX"
  cd "$workdir"
  echo "Vemplor is running; its files are in $workdir"
  exec "$WINE_LOADER" "Z:$root/build/win64/src/vemplor.exe"
fi

trap wine_session_stop EXIT
[ -n "${DISPLAY:-}" ] || wine_session_start_display
wine_session_prepare_prefix "$root/build/wine-prefix"
demo_start_picker "$workdir"
if ! shown=$(demo_drive show '^'); then
  echo "The picker did not reach the state to photograph (filter typed, list open);" \
    "no screenshot was saved." >&2
  demo_quit_picker
  exit 1
fi
grep -v '^picture ' <<<"$shown" || true

screenshot="$root/build/screenshot.png"
demo_photograph "$shown" "$screenshot"
echo "Screenshot of the picker saved to $screenshot"
demo_quit_picker
