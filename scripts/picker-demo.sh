# Sourced, with scripts/wine-session.sh, by the scripts that photograph the picker (scripts/run.sh,
# scripts/docs-pictures.sh): they start vemplor.exe in a working folder and drive it with
# vemplor_demo_driver.exe from inside Wine, as the end-to-end tests do; keystrokes typed into the
# virtual desktop from outside can reach nothing at all.

demo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
demo_picker_pid=""
demo_text_field_pid=""

# Builds the picker and the driver.
demo_build() {
  bash "$demo_root/scripts/install-deps.sh"
  cmake --preset win64 >/dev/null
  cmake --build --preset win64 --target vemplor vemplor_demo_driver vemplor_paste_target -j "$(nproc)"
}

# Starts the picker in the working folder given.
demo_start_picker() {
  (cd "$1" && exec "$WINE_LOADER" "Z:$demo_root/build/win64/src/vemplor.exe" \
    </dev/null >/dev/null 2>&1) &
  demo_picker_pid=$!
}

# Starts another program's text field (the tests' paste target) at (330, 220), which comes to the
# front: the hotkey's pop-up opens at its caret.
demo_start_text_field() {
  "$WINE_LOADER" "Z:$demo_root/build/win64/tests/e2e/vemplor_paste_target.exe" 330 220 \
    </dev/null >/dev/null 2>&1 &
  demo_text_field_pid=$!
}

# Ends the text field, if one was started.
demo_end_text_field() {
  [ -n "$demo_text_field_pid" ] || return 0
  kill "$demo_text_field_pid" 2>/dev/null || true
  wait "$demo_text_field_pid" 2>/dev/null || true
  demo_text_field_pid=""
}

# Runs one step of the driver (see tests/e2e/demo_driver.cpp); it prints the screen area to
# photograph as "picture GEOMETRY".
demo_drive() {
  "$WINE_LOADER" "Z:$demo_root/build/win64/tests/e2e/vemplor_demo_driver.exe" "$@" </dev/null
}

# Saves the screen area that the driver's output names to the file given.
demo_photograph() {
  local geometry
  geometry=$(sed -n 's/^picture //p' <<<"$1" | tr -d '\r')
  import -window root -crop "$geometry" +repage "$2"
}

# Ends the picker as its exit menu item does; fails when it has not gone within 5 s.
demo_quit_picker() {
  [ -n "$demo_picker_pid" ] || return 0
  demo_drive quit >/dev/null || true
  for _ in $(seq 1 50); do
    kill -0 "$demo_picker_pid" 2>/dev/null || { demo_picker_pid=""; return 0; }
    sleep 0.1
  done
  echo "the picker did not end" >&2
  return 1
}
