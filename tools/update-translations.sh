#!/usr/bin/env bash
# Collects the interface texts of both programs into translations/Ln_*.ts (lupdate), keeping
# the translations already made. The build turns the .ts files into the .qm files it installs.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build --target update_translations
