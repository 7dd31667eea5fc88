#!/usr/bin/env bash
# Installs what is missing, builds, and starts the runtime on the sample start menu.
# Without a display it runs under a virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
menu="$PWD/samples/START.FIL"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a build/bin/pemo "$menu"
fi
exec build/bin/pemo "$menu"
