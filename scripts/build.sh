#!/bin/sh
# Configures and builds one tree. Usage: scripts/build.sh [release|asan] 
set -e
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
KIND="${1:-release}"
JOBS="$(nproc 2>/dev/null || echo 2)"

case "$KIND" in
    release) DIR="$ROOT/build";      FLAGS="-DCMAKE_BUILD_TYPE=RelWithDebInfo" ;;
    asan)    DIR="$ROOT/build-asan"; FLAGS="-DCMAKE_BUILD_TYPE=Debug -DNB_SANITIZE=ON -DNB_BUILD_BENCH=OFF" ;;
    *) echo "build: unknown kind '$KIND' (release or asan)" >&2; exit 2 ;;
esac

# shellcheck disable=SC2086
cmake -S "$ROOT" -B "$DIR" $FLAGS >/dev/null
cmake --build "$DIR" -j "$JOBS"
