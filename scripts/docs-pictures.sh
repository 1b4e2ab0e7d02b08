#!/usr/bin/env bash
# Takes every picture in docs/ again from the real program under Wine on a virtual display, each
# from a fresh copy of the sample lists with the default settings:
#   docs/screenshot.png  the filter "^" typed and the emoticon list open
#   docs/options.png     the options dialog
#   docs/edit-mode.png   edit mode's table
#   docs/hotkey-popup.png  the hotkey's pop-up at the caret of a text field, "neko" typed
# Run it whenever what one of them shows changes, and look at the pictures before committing.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

. scripts/picker-demo.sh
demo_build

. scripts/wine-session.sh
workdir=""
finish() {
  demo_end_text_field
  demo_quit_picker || true
  wine_session_stop
  [ -z "$workdir" ] || rm -rf "$workdir"
}
trap finish EXIT
wine_session_start_display
wine_session_prepare_prefix "$root/build/wine-prefix"

# take PICTURE DRIVER-STEP...: the picker, started on the sample lists, driven to the step and
# photographed into docs/PICTURE.
take() {
  local picture=$1 shown
  shift
  workdir=$(mktemp -d "$root/build/docs-pictures.XXXXXX")
  cp sample/Vemplor.txt sample/Filter.txt "$workdir"
  demo_start_picker "$workdir"
  [ "$picture" != hotkey-popup.png ] || demo_start_text_field
  if ! shown=$(demo_drive "$@"); then
    echo "docs/$picture was not taken: the picker did not get there." >&2
    exit 1
  fi
  demo_photograph "$shown" "docs/$picture"
  echo "docs/$picture: $(identify -format '%wx%h' "docs/$picture")"
  demo_end_text_field
  demo_quit_picker
  rm -rf "$workdir"
  workdir=""
}

take screenshot.png show '^'
take options.png options
take edit-mode.png edit
take hotkey-popup.png popup neko
