#!/bin/sh
# Builds the fuzz targets of the stored data's readers and runs each for a
# bounded time. Usage: scripts/fuzz.sh [seconds per target, default 20]
# [target names, default all: layerdata_binary layerdata_text scene_text
# scene_binary settings]
# Each target starts from its checked-in corpus (tests/fuzz/corpus/<name>)
# and grows a corpus under build-fuzz/corpus/<name>; a finding stops the run
# with a failure and leaves the input in build-fuzz/findings/.
set -e
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
SECONDS_PER_TARGET="${1:-20}"
[ $# -gt 0 ] && shift
NAMES="${*:-layerdata_binary layerdata_text scene_text scene_binary settings}"

"$ROOT/scripts/build.sh" fuzz

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$ROOT/tests/fuzz/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
mkdir -p "$ROOT/build-fuzz/findings"
for name in $NAMES; do
    corpus="$ROOT/build-fuzz/corpus/$name"
    mkdir -p "$corpus"
    echo "== fuzzing $name for $SECONDS_PER_TARGET s"
    "$ROOT/build-fuzz/fuzz_$name" -max_total_time="$SECONDS_PER_TARGET" -timeout=10 \
        -rss_limit_mb=4096 -print_final_stats=1 \
        -artifact_prefix="$ROOT/build-fuzz/findings/$name-" \
        "$corpus" "$ROOT/tests/fuzz/corpus/$name"
done
