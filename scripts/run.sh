#!/bin/sh
# Sets up the machine, builds nbhost and the plug-in (nothing else: the
# tests and benchmarks are built by scripts/test.sh), and starts nbhost with
# the plug-in loaded. Arguments are passed to nbhost (for example:
# -batch -script file.mel).
set -e
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
"$ROOT/scripts/setup.sh"
"$ROOT/scripts/build.sh" release nbhost nibline2
export NB_PLUGIN_PATH="${NB_PLUGIN_PATH:-$ROOT/build/plug-ins}"
exec "$ROOT/build/bin/nbhost" "$@"
