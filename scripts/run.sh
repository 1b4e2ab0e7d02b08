#!/usr/bin/env bash
# Builds the picker and runs it under Wine in a Japanese locale with the sample emoticon list.
# The list is used from a working copy in build/sample, so the picker's reordering and edits
# stay out of the repository and carry over from one run to the next.
# Without a display it runs on a virtual one, saves a screenshot of the picker with a filter
# typed and its list open, and exits.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target vemplor vemplor_demo_driver -j "$(nproc)"

workdir="$root/build/sample"
mkdir -p "$workdir"
for file in Vemplor.txt Filter.txt; do
  [ -e "$workdir/$file" ] || cp "sample/$file" "$workdir/$file"
done

. scripts/wine-session.sh
exe="Z:$root/build/win64/src/vemplor.exe"

if [ -n "${DISPLAY:-}" ] && [ -z "${VEMPLOR_SCREENSHOT:-}" ]; then
  export WINEPREFIX="${WINEPREFIX:-$root/build/wine-prefix}"
  wine_session_prepare_prefix "$WINEPREFIX"
  cd "$workdir"
  echo "Vemplor is running; its files are in $workdir"
  exec "$WINE_LOADER" "$exe"
fi

trap wine_session_stop EXIT
[ -n "${DISPLAY:-}" ] || wine_session_start_display
wine_session_prepare_prefix "$root/build/wine-prefix"
(cd "$workdir" && exec "$WINE_LOADER" "$exe" </dev/null >/dev/null 2>&1) &
picker_pid=$!

# The demo is driven from inside Wine, as the end-to-end tests drive the picker: keystrokes
# typed into the virtual desktop from outside can reach nothing at all.
driver="Z:$root/build/win64/tests/e2e/vemplor_demo_driver.exe"
quit_picker() {
  "$WINE_LOADER" "$driver" quit </dev/null || true
  for _ in $(seq 1 50); do
    kill -0 "$picker_pid" 2>/dev/null || return 0
    sleep 0.1
  done
}

if ! "$WINE_LOADER" "$driver" show '^' </dev/null; then
  echo "The picker did not reach the state to photograph (filter typed, list open);" \
    "no screenshot was saved." >&2
  quit_picker
  exit 1
fi

screenshot="$root/build/screenshot.png"
import -window root -crop 420x420+0+0 "$screenshot"
echo "Screenshot of the picker saved to $screenshot"
quit_picker
