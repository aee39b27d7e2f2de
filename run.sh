#!/usr/bin/env bash
# Builds everything and starts Zadrovec with the bundled dictionaries.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
zadrovec_install_packages
zadrovec_build
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display here: start it under a virtual one with  xvfb-run ./build/zadrovec  (package xvfb), or search from the terminal:  ./build/zadrovec-cli search hlavni dům"
  exit 0
fi
exec ./build/zadrovec "$@"
