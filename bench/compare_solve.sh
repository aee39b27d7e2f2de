#!/usr/bin/env bash
# Times `zadrovec-cli solve PATTERN` as a whole process against `grep -x -E` over a plain text
# file of the same answers' squares (without diacritics, one a line), on a generated answer space
# of 1,000,000 answers, and prints both times and their ratio for each pattern.
#
#   bench/compare_solve.sh [BUILD_DIR] [ROUNDS] [PATTERN GREP_REGEX]...
#
# BUILD_DIR holds zadrovec-cli and bench/solver_bench (default: build-bench, configured and built
# as Release when missing). Each tool runs ROUNDS times (default 5) and its best round counts.
# The default patterns are fixed lengths with two known letters. zadrovec-cli is timed with the
# answers stored beside the dictionaries (odpovedi.idx, made by zadrovec-cli store-answers).
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$repo/build-bench}
rounds=${2:-5}
shift $(($# < 2 ? $# : 2))
cli=$build/zadrovec-cli
bench=$build/bench/solver_bench

source "$repo/bench/bench_common.sh"
bench_build "$build" zadrovec-cli solver_bench

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "Writing the answer space of 1,000,000 answers ..." >&2
"$bench" --write-stock "$work"
pairs=("$@")
((${#pairs[@]} > 0)) || pairs=("?A????K?" ".A....K." "??R???A?O" "..R...A.O")

# The answers stored beside the dictionaries, as a data build stores them.
"$cli" --data "$work" store-answers 2>/dev/null
cat "$work"/* >/dev/null # both start from the page cache
printf '%-14s %12s %12s %8s %8s\n' pattern solve_ms grep_ms ratio answers
for ((i = 0; i < ${#pairs[@]}; i += 2)); do
    pattern=${pairs[i]}
    regex=${pairs[i + 1]}
    solve_ns=$(best_of "$rounds" "$work/out" "$cli" --data "$work" solve "$pattern")
    answers=$("$cli" --data "$work" solve "$pattern" --json 2>/dev/null | grep -o '"count": [0-9]*' |
        grep -o '[0-9]*$')
    grep_ns=$(best_of "$rounds" "$work/out" env LC_ALL=C grep -x -E -- "$regex" "$work/squares.txt")
    lines=$(LC_ALL=C grep -c -x -E -- "$regex" "$work/squares.txt" || true)
    [[ $lines == "$answers" ]] || echo "warning: grep found $lines lines, solve $answers answers" >&2
    awk -v p="$pattern" -v s="$solve_ns" -v g="$grep_ns" -v n="$answers" \
        'BEGIN { printf "%-14s %12.2f %12.2f %8.2f %8d\n", p, s / 1e6, g / 1e6, s / g, n }'
done
