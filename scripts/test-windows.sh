#!/usr/bin/env bash
# Cross-builds the programs and the tests for Windows with MinGW-w64 and runs
# every test program under Wine, in a Wine prefix made afresh inside the build
# directory (its drive C: holds C:\LIB\ of the Windows-only tests).
#   scripts/test-windows.sh [gtest options, e.g. --gtest_filter=...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-win
jobs=$(nproc)

cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$jobs"

export WINEPREFIX="$PWD/$build/wine"
export WINEDEBUG=-all
# No Mono or Gecko installer prompts in a fresh prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Only this prefix's server is stopped; other prefixes keep theirs.
wineserver -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
SECONDS=0
echo "== new Wine prefix $WINEPREFIX"
wineboot --init >/dev/null 2>&1
echo "   made in ${SECONDS} s"
SECONDS=0

mapfile -t programs < <(find "$build" -name 'tests_*.exe' -not -path "$build/wine/*" | sort)
[ ${#programs[@]} -gt 0 ] || { echo "no test programs in $build" >&2; exit 1; }
failed=()
passed_tests=0
failed_tests=0
log=$(mktemp)
for exe in "${programs[@]}"; do
  name=$(basename "$exe" .exe)
  echo "== $name under Wine"
  # Each suite's exit code is its verdict; output as GoogleTest prints it.
  if ! wine "$exe" --gtest_brief=1 "$@" 2>&1 | tee "$log"; then
    failed+=("$name")
  fi
  n=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' "$log" | tail -n 1)
  f=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) test.*/\1/p' "$log" | tail -n 1)
  passed_tests=$((passed_tests + ${n:-0}))
  failed_tests=$((failed_tests + ${f:-0}))
done
rm -f "$log"
wineserver -w

echo "== ${#programs[@]} test programs under Wine in ${SECONDS} s"
echo "wine: ${passed_tests} passed, ${failed_tests} failed"
if [ ${#failed[@]} -gt 0 ]; then
  echo "== failed under Wine: ${failed[*]}" >&2
  exit 1
fi
