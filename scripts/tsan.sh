#!/bin/sh
# Runs the tests of the work that crosses threads under ThreadSanitizer, in a
# tree of its own (build-tsan): the frame storage's worker pool (decoding and
# encoding off the GUI thread, results landing on it) and the stroke input
# thread (it samples the pointer and shares only the tablet pressure, read
# atomically, with the GUI thread). Usage: scripts/tsan.sh [gtest filter of
# the frame storage tests]
# Qt's own libraries are not instrumented; the suppressions file names the
# reports that come from inside them.
set -e
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
DIR="$ROOT/build-tsan"
FILTER="${1:-FrameStorage*}"
FLAGS="-DCMAKE_BUILD_TYPE=RelWithDebInfo -DNB_BUILD_BENCH=OFF"
FLAGS="$FLAGS -DCMAKE_CXX_FLAGS=-fsanitize=thread -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread"
FLAGS="$FLAGS -DCMAKE_SHARED_LINKER_FLAGS=-fsanitize=thread -DCMAKE_MODULE_LINKER_FLAGS=-fsanitize=thread"
if command -v ccache >/dev/null 2>&1; then
    FLAGS="$FLAGS -DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(dirname "$ROOT")}"
    export CCACHE_NOHASHDIR=1
fi
# shellcheck disable=SC2086
cmake -S "$ROOT" -B "$DIR" $FLAGS >/dev/null
cmake --build "$DIR" -j "$(nproc 2>/dev/null || echo 2)" --target test_model test_tools
export QT_QPA_PLATFORM=offscreen
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$ROOT/scripts/tsan.supp"
"$DIR/tests/test_model" --gtest_filter="$FILTER"
"$DIR/tests/test_tools"
