#!/bin/sh
# Sets up the machine, builds, and runs every test: first the optimised
# build, then the unit tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer, and last a short bounded run of the fuzz
# targets.
set -e
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
JOBS="$(nproc 2>/dev/null || echo 2)"

"$ROOT/scripts/setup.sh"

"$ROOT/scripts/build.sh" release
echo "== tests (release build)"
ctest --test-dir "$ROOT/build" --output-on-failure -j "$JOBS"

"$ROOT/scripts/build.sh" asan
echo "== tests (AddressSanitizer + UndefinedBehaviorSanitizer)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$ROOT/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir "$ROOT/build-asan" --output-on-failure -j "$JOBS" -LE gui

"$ROOT/scripts/fuzz.sh" 20
