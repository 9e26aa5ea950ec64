#!/bin/sh
# Builds the fuzz targets of the stored document's readers and runs each for
# a bounded time. Usage: scripts/fuzz.sh [seconds per target, default 30]
# Each target starts from the seed records and grows a corpus under
# build-fuzz/corpus/<form>; a finding stops the run with a failure and leaves
# the crashing input in build-fuzz/findings/.
set -e
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
SECONDS_PER_TARGET="${1:-30}"

"$ROOT/scripts/build.sh" fuzz

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$ROOT/tests/fuzz/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
mkdir -p "$ROOT/build-fuzz/findings"
for form in binary text; do
    corpus="$ROOT/build-fuzz/corpus/$form"
    mkdir -p "$corpus"
    echo "== fuzzing the $form reader for $SECONDS_PER_TARGET s"
    "$ROOT/build-fuzz/fuzz_layerdata_$form" -max_total_time="$SECONDS_PER_TARGET" \
        -rss_limit_mb=4096 -print_final_stats=1 \
        -artifact_prefix="$ROOT/build-fuzz/findings/$form-" \
        "$corpus" "$ROOT/tests/data/node/seeds/$form"
done
