#!/usr/bin/env bash
# Builds the 32-bit and the 64-bit program and packs each, with the sample lists, the Japanese
# user guide and the licence, into dist/vemplor-<version>-win32.zip and -win64.zip. The version
# is the one CMakeLists.txt sets.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

# Notepad before Windows 10 reads only CR LF line ends; the mark tells every Notepad the text is
# UTF-8 rather than the system's code page.
windows_text() {
  local mark=$1 source=$2
  [ "$mark" = with-mark ] && printf '\xef\xbb\xbf'
  sed 's/\r*$/\r/' "$source"
}

# A value the configuration of the preset left in its cache.
cached() { sed -n "s/^$2:[A-Z]*=//p" "build/$1/CMakeCache.txt"; }

mkdir -p dist
for preset in win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target vemplor -j "$(nproc)"
  version=$(cached "$preset" CMAKE_PROJECT_VERSION)

  staging="build/release/$preset"
  rm -rf "$staging"
  mkdir -p "$staging"
  "$(cached "$preset" CMAKE_STRIP)" -o "$staging/vemplor.exe" "build/$preset/src/vemplor.exe"
  cp sample/Vemplor.txt sample/Filter.txt "$staging/"
  windows_text with-mark docs/guide-ja.txt >"$staging/README-ja.txt"
  windows_text without-mark LICENSE >"$staging/LICENSE.txt"

  archive="dist/vemplor-$version-$preset.zip"
  rm -f "$archive"
  (cd "$staging" &&
    zip -q -X "$OLDPWD/$archive" vemplor.exe Vemplor.txt Filter.txt README-ja.txt LICENSE.txt)
  echo "$archive: $(stat -c %s "$archive") bytes"
done
