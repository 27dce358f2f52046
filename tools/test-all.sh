#!/usr/bin/env bash
# Installs what is missing, builds every configuration and runs every test: the native unit tests, and
# the Windows tests under Wine (private prefix and display inside build/win64).
set -euo pipefail
cd "$(dirname "$0")/.."

tools/bootstrap.sh

jobs=$(nproc)
for preset in native fuzz win64 win32; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
done

status=0
ctest --preset native -j "$jobs" || status=1
# The pure logic again under AddressSanitizer, with a bounded fuzzing run.
ctest --preset fuzz -j "$jobs" || status=1
# The Wine tests share one display and one wineserver; they run one at a time.
ctest --preset win64 || status=1
exit $status
