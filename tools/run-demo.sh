#!/usr/bin/env bash
# Runs the demo: the Qt form when it is built, else the headless month printer. Without a display
# the Qt demo renders its form off screen to a PNG and says where.
set -euo pipefail
build=${1:-build}
if [ -x "$build/apps/demo/vemodemo" ]; then
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/vemo-runtime}
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    echo "No display found: rendering the demo form to $build/demo.png"
    exec "$build/apps/demo/vemodemo" --screenshot "$build/demo.png" "${@:2}"
  fi
  exec "$build/apps/demo/vemodemo" "${@:2}"
fi
exec "$build/apps/monthgrid" "${@:2}"
