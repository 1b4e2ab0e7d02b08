# Sourced by the scripts that run the Windows build: a virtual X display, a Wine prefix with a
# virtual desktop (a taskbar with a notification area, and focus without a window manager), and
# a primed wineserver. Everything started here is stopped by wine_session_stop.

WINE_LOADER=/usr/lib/wine/wine64
WINE_SERVER=/usr/lib/wine/wineserver64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8

wine_session_xvfb_pid=""

# Starts Xvfb on a free display number and exports DISPLAY; the screen is 1024x768 unless the
# argument gives another size.
wine_session_start_display() {
  local number size="${1:-1024x768}"
  for number in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && continue
    Xvfb ":$number" -screen 0 "${size}x24" -nolisten tcp </dev/null >/dev/null 2>&1 &
    wine_session_xvfb_pid=$!
    local tries
    for tries in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$number" ] && { export DISPLAY=":$number"; return 0; }
      kill -0 "$wine_session_xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
  done
  echo "could not start Xvfb" >&2
  return 1
}

# Windows' Japanese interface fonts, which Wine lacks, each drawn by an installed font of the same
# kind (proportional for proportional), so dialogs lay out as they do on Windows.
wine_session_font_replacements=(
  "ＭＳ Ｐゴシック=IPAPGothic"
  "MS UI Gothic=IPAPGothic"
  "メイリオ=IPAPGothic"
  "ＭＳ ゴシック=IPAGothic"
)

# Prepares WINEPREFIX (argument) once: a virtual desktop of the display's size and the font
# replacements (also into a prefix made before they were).
wine_session_prepare_prefix() {
  export WINEPREFIX="$1"
  if [ ! -f "$WINEPREFIX/.vemplor-ready" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    "$WINE_LOADER" wineboot -i </dev/null >/dev/null 2>&1
    "$WINE_LOADER" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f </dev/null >/dev/null 2>&1
    "$WINE_LOADER" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f </dev/null >/dev/null 2>&1
    "$WINE_SERVER" -k 2>/dev/null || true
    "$WINE_SERVER" -w 2>/dev/null || true
    touch "$WINEPREFIX/.vemplor-ready"
  fi
  # A persistent server whose helper processes do not hold the caller's output pipes.
  "$WINE_SERVER" -p </dev/null >/dev/null 2>&1
  "$WINE_LOADER" cmd /c exit </dev/null >/dev/null 2>&1
  if [ ! -f "$WINEPREFIX/.vemplor-fonts" ]; then
    local replacement
    for replacement in "${wine_session_font_replacements[@]}"; do
      "$WINE_LOADER" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${replacement%%=*}" \
        /d "${replacement#*=}" /f </dev/null >/dev/null 2>&1
    done
    touch "$WINEPREFIX/.vemplor-fonts"
  fi
}

wine_session_stop() {
  if [ -n "${WINEPREFIX:-}" ]; then
    "$WINE_SERVER" -k 2>/dev/null || true
    "$WINE_SERVER" -w 2>/dev/null || true
  fi
  if [ -n "$wine_session_xvfb_pid" ]; then
    kill "$wine_session_xvfb_pid" 2>/dev/null || true
    wait "$wine_session_xvfb_pid" 2>/dev/null || true
    wine_session_xvfb_pid=""
  fi
}
