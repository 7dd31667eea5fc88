#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
# PEMO_SANITIZE=1 builds into build-sanitize/ and runs every test under the sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
build_dir=$(bash scripts/build_dir.sh)
if [ "${PEMO_SANITIZE:-0}" = 1 ]; then
  source scripts/sanitizer/environment.sh
fi
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
