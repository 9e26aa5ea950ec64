#!/bin/sh
# Configures and builds one tree.
# Usage: scripts/build.sh [release|asan|fuzz] [target...]
# Without targets the whole tree is built (the fuzz tree holds only the fuzz
# targets); with targets only those and what they need.
set -e
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
KIND="${1:-release}"
[ $# -gt 0 ] && shift
JOBS="$(nproc 2>/dev/null || echo 2)"
TARGETS=""

case "$KIND" in
    release) DIR="$ROOT/build";      FLAGS="-DCMAKE_BUILD_TYPE=RelWithDebInfo" ;;
    asan)    DIR="$ROOT/build-asan"; FLAGS="-DCMAKE_BUILD_TYPE=Debug -DNB_SANITIZE=ON -DNB_BUILD_BENCH=OFF" ;;
    fuzz)    DIR="$ROOT/build-fuzz"; FLAGS="-DCMAKE_BUILD_TYPE=RelWithDebInfo -DNB_SANITIZE=ON -DNB_FUZZ=ON -DNB_BUILD_BENCH=OFF"
             export CC=clang CXX=clang++
             TARGETS="--target fuzz_targets" ;;
    *) echo "build: unknown kind '$KIND' (release, asan or fuzz)" >&2; exit 2 ;;
esac

if [ $# -gt 0 ]; then
    TARGETS="--target $*"
fi

# A compiler cache, when the machine has one, makes rebuilds and parallel
# checkouts cheap; CI builds the same without it.
if command -v ccache >/dev/null 2>&1; then
    FLAGS="$FLAGS -DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(dirname "$ROOT")}"
    export CCACHE_NOHASHDIR=1
fi

# shellcheck disable=SC2086
cmake -S "$ROOT" -B "$DIR" $FLAGS >/dev/null
# shellcheck disable=SC2086
cmake --build "$DIR" -j "$JOBS" $TARGETS
