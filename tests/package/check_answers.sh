#!/usr/bin/env bash
# Checks an installed zadrovec-cli: its stored answers are used, and its solve and clues answer
# exactly as the build folder's do.
# Usage: check_answers.sh INSTALLED_ZADROVEC_CLI BUILD_DIR
set -euo pipefail
installed=$1
build=$2
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

echo "== zadrovec-cli answers (installed)"
"$installed" answers || fail "the installed copy does not use its stored answers"
for question in "solve ?e?ka" "solve B?RL?N --json" "solve --anagram AHPAR" "solve P???? --clue Česko" \
  "solve CH?? --ch" "clues praha"; do
  read -r -a words <<<"$question"
  diff <("$build/zadrovec-cli" --data "$build" "${words[@]}" 2>&1) <("$installed" "${words[@]}" 2>&1) ||
    fail "zadrovec-cli $question answers otherwise when installed"
done
echo "the installed copy answers as the build folder"
