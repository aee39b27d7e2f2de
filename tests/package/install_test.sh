#!/usr/bin/env bash
# Installs the build into a DESTDIR with cmake --install and checks the installed copy: its
# stored answers are used and it answers as the build folder.
# Usage: install_test.sh CMAKE BUILD_DIR
set -euo pipefail
cmake=$1
build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

DESTDIR=$work/root "$cmake" --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
  { cat "$work/install.log"; echo "FAIL: cmake --install" >&2; exit 1; }
"$(dirname "$0")/check_answers.sh" "$work/root/usr/bin/zadrovec-cli" "$build"
echo "PASS"
