#!/usr/bin/env bash
# Quick start, part one: install what is missing, build, and start Quorvane on its default
# program folder. Arguments are passed to the program (e.g. --home DIR, or a command).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
exec "${QUORVANE_BUILD_DIR:-build}/bin/quorvane" "$@"
