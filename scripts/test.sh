#!/usr/bin/env bash
# Quick start, part two: install what is missing, build, and run every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
cd "${QUORVANE_BUILD_DIR:-build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" --timeout 600
