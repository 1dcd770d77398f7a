#!/usr/bin/env bash
# Builds and runs the batch-speed benchmark. Usage: tools/bench.sh [photo folder]
# The 32 test photos are made once in the folder (default /tmp/quendrasil-bench) and reused.
# BUILD_DIR chooses the build folder (default build/).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
build="${BUILD_DIR:-build}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build" --parallel "$(nproc)" --target batchbench
exec "$build/bin/batchbench" "$@"
