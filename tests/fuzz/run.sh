#!/usr/bin/env bash
# Builds the fuzzer over the settings-file readers and the text-box number
# readings with clang (libFuzzer + ASan + UBSan) and runs it for a while.
#   tests/fuzz/run.sh [seconds]        default 60
# The build and the growing corpus live in $KEMURINA_FUZZ_DIR (default
# build/fuzz in the repository); the committed seeds in tests/fuzz/corpus are
# only read. A crash or a broken promise leaves its input in artifacts/ there
# and makes the script fail.
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-60}
dir=${KEMURINA_FUZZ_DIR:-$here/build/fuzz}
mkdir -p "$dir/corpus" "$dir/artifacts"

# Just the code the target reaches, so that nothing else can break this build.
sources=(tests/fuzz/settings_fuzzer.cpp startup/settings_file.cpp startup/file_io.cpp
         startup/file_io_posix.cpp startup/text_encoding.cpp startup/text_encoding_iconv.cpp
         engine/number_entry.cpp)
binary=$dir/settings_fuzzer

stale=0
[[ -x $binary ]] || stale=1
for f in "${sources[@]}" startup/*.h engine/number_entry.h; do
  [[ $here/$f -nt $binary ]] && stale=1
done
if ((stale)); then
  echo "Building $binary"
  clang++ -std=c++20 -g -O1 -fno-omit-frame-pointer \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -I"$here" "${sources[@]/#/$here/}" -o "$binary"
fi

echo "Fuzzing for $seconds s"
status=0
"$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -dict="$here/tests/fuzz/settings.dict" -artifact_prefix="$dir/artifacts/" \
  "$dir/corpus" "$here/tests/fuzz/corpus" 2>"$dir/last-run.log" || status=$?
grep -E '^(stat::|#[0-9]+[[:space:]]+(INITED|DONE))|ERROR|broken promise|SUMMARY' "$dir/last-run.log" || true
if ((status)); then
  echo "The fuzzer found a problem (exit $status); see $dir/last-run.log and $dir/artifacts/"
fi
exit $status
