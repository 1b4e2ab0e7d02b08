# Runs the HighDpi suite of the end-to-end tests (argument 1) in a Wine prefix of its own at
# 144 DPI (argument 2) on a display of its own: the session's screen at 150 %. The prefix is the
# registry of the session's prefix (WINEPREFIX) with the DPI and the desktop's size changed, its
# drive C shared. Everything made here is gone again afterwards, whatever the outcome.
set -u
e2e_exe=$1
prefix=$2
source_prefix=${WINEPREFIX:?run in a Wine session}
. "$(dirname "$0")/../../scripts/wine-session.sh"

rm -rf "$prefix"
mkdir -p "$prefix/dosdevices"
cp -p "$source_prefix"/*.reg "$source_prefix"/.update-timestamp "$prefix"/
ln -s "$source_prefix/drive_c" "$prefix/drive_c"
ln -s ../drive_c "$prefix/dosdevices/c:"
ln -s / "$prefix/dosdevices/z:"
export WINEPREFIX="$prefix"
trap 'wine_session_stop; rm -rf "$prefix"' EXIT

wine_session_start_display 1536x1152 || exit 1
"$WINE_LOADER" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f \
  </dev/null >/dev/null 2>&1
"$WINE_LOADER" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1536x1152 /f \
  </dev/null >/dev/null 2>&1
# The desktop the first command opened has the old size: a new server opens a new one.
"$WINE_SERVER" -k 2>/dev/null
"$WINE_SERVER" -w 2>/dev/null
bash "$(dirname "$0")/../../scripts/under-wine.sh" "$WINE_LOADER" "$e2e_exe" --gtest_filter='HighDpi.*'
exit $?
