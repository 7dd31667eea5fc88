#!/usr/bin/env bash
# Configures and builds everything into build/ (deliverables in build/bin/).
# With PEMO_SANITIZE=1 it builds into build-sanitize/ with AddressSanitizer and
# UndefinedBehaviorSanitizer, where undefined behaviour aborts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(bash scripts/build_dir.sh)
sanitize=OFF
[ "${PEMO_SANITIZE:-0}" = 1 ] && sanitize=ON
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPEMO_SANITIZE=$sanitize >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
