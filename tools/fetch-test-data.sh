#!/usr/bin/env bash
# Fetches the large sample files that tests use but the repository does not carry.
# Usage: tools/fetch-test-data.sh <folder>
set -euo pipefail
target=${1:?folder}
mkdir -p "$target"
