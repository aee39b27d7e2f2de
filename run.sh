#!/usr/bin/env bash
# Builds everything and searches the main dictionary: ./run.sh [TEXT]
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
zadrovec_install_packages
zadrovec_build
text="${1:-dům}"
echo "== zadrovec-cli search hlavni \"$text\" --select 0"
./build/zadrovec-cli search hlavni "$text" --select 0
