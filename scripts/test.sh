#!/usr/bin/env bash
# Builds everything and runs every test offscreen (store, tools, platform and windows).
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
bash scripts/build.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"
