#!/usr/bin/env bash
# Installs what is missing, builds the native, x86_64 and i686 configurations and the release
# zips, and runs every test: the unit tests natively, natively again under AddressSanitizer and
# UndefinedBehaviorSanitizer (clang), and under Wine, the end-to-end tests under Wine on a
# virtual display, and the checks of the zips.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc)
for preset in native sanitize win64 win32; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
done
bash scripts/release.sh

ctest --preset native
ctest --preset sanitize

. scripts/wine-session.sh
trap wine_session_stop EXIT
wine_session_start_display
wine_session_prepare_prefix "$PWD/build/wine-prefix"
ctest --preset win64
