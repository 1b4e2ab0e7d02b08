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
cmake --build --preset win64 --target vemplor -j "$(nproc)"

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

picker=""
for _ in $(seq 1 100); do
  picker=$(xdotool search --name '^Vemplor' 2>/dev/null | head -n 1) && [ -n "$picker" ] && break
  sleep 0.1
done
if [ -z "$picker" ]; then
  echo "the picker's window did not appear" >&2
  exit 1
fi

# A filter typed into the filter box (the left third of the bar), then the emoticon list opened.
eval "$(xdotool getwindowgeometry --shell "$picker")"
xdotool mousemove $((X + WIDTH / 6)) $((Y + HEIGHT - 10)) click 1
xdotool type --delay 50 '^'
xdotool mousemove $((X + WIDTH * 2 / 3)) $((Y + HEIGHT - 10)) click 1
for _ in $(seq 1 50); do
  xdotool search --name '\[5/24\]' >/dev/null 2>&1 && break
  sleep 0.1
done

screenshot="$root/build/screenshot.png"
import -window root -crop 420x420+0+0 "$screenshot"
echo "Screenshot of the picker saved to $screenshot"

xdotool key Escape
xdotool key --window "$picker" alt+F4
for _ in $(seq 1 50); do
  kill -0 "$picker_pid" 2>/dev/null || break
  sleep 0.1
done
