#!/usr/bin/env bash
# Runs the demo: the Qt form when it is built, else the headless month printer.
set -euo pipefail
build=${1:-build}
if [ -x "$build/qt/demo/vemodemo" ]; then
  exec "$build/qt/demo/vemodemo" "${@:2}"
fi
exec "$build/apps/monthgrid" "${@:2}"
