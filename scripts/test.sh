#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole suite twice: a
# normal build, and one under AddressSanitizer + UndefinedBehaviorSanitizer.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/deps.sh" test

export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$here/tests/lsan.supp:print_suppressions=0

status=0
for variant in normal sanitize; do
  dir="$here/build/test-$variant"
  options=(-DCMAKE_BUILD_TYPE=Debug -DKEMURINA_WERROR=ON)
  # The benchmarks are built once, in the normal build.
  [[ $variant == sanitize ]] && options+=(-DKEMURINA_SANITIZE=ON -DKEMURINA_BUILD_BENCH=OFF)
  echo "=== $variant build"
  "$here/scripts/build.sh" "$dir" "${options[@]}"
  echo "=== $variant tests"
  if ! ctest --test-dir "$dir" --output-on-failure -j"$(nproc)" --timeout 600; then
    status=1
  fi
done

# The core and its unit tests cross-built for Windows and run under wine.
echo "=== windows core"
if ! "$here/scripts/test-windows-core.sh"; then
  status=1
fi

# The release package from a build of its own, checked by lintian.
echo "=== package"
if ! "$here/scripts/package.sh"; then
  status=1
fi

# Fuzzing: the settings-file readers and the text-box numbers, about a minute.
echo "=== fuzzing"
if ! KEMURINA_FUZZ_DIR="$here/build/fuzz" "$here/tests/fuzz/run.sh" 60; then
  status=1
fi
exit $status
