#!/usr/bin/env bash
# Builds and runs every test, headless.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
zadrovec_install_packages
zadrovec_build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)"
