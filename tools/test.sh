#!/usr/bin/env bash
# Builds and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
bash tools/fetch-test-data.sh build/test-data
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
