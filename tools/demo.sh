#!/usr/bin/env bash
# Builds the programs and starts the main program headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
QT_QPA_PLATFORM=offscreen build/bin/Quendrasil "$@"
