#!/usr/bin/env bash
# A header named *_p.h is the inside of the library in its folder: only that folder's files
# include it, and the tests of its layer (tests/engine/ for a library under engine/), which may
# reach inside. Lists every include of one from elsewhere and fails when there is any.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0
while IFS= read -r header; do
  folder=$(dirname "$header")
  tests="tests/${folder%%/*}"
  while IFS= read -r hit; do
    echo "$hit: includes $header, the inside of $folder/" >&2
    status=1
  done < <(git ls-files -- '*.cpp' '*.h' | grep -v -e "^$folder/[^/]*$" -e "^$tests/" |
             xargs grep -Hn "#include \"$header\"" || true)
done < <(git ls-files -- '*_p.h')
[ "$status" -eq 0 ] && echo "private headers: $(git ls-files -- '*_p.h' | wc -l) kept inside their libraries"
exit "$status"
