#!/usr/bin/env bash
# Times `zadrovec-cli find TEXT` against `LC_ALL=C grep -c -a -F TEXT` over the same eight word
# files (a generated stock of 1,000,000 records), one process per search for both, and prints
# both times and their ratio for each text.
#
#   bench/compare_grep.sh [BUILD_DIR] [ROUNDS] [TEXT...]
#
# BUILD_DIR holds zadrovec-cli and bench/allsearch_bench (default: build-bench, configured and
# built as Release when missing). Each tool runs ROUNDS times (default 10) and its best round
# counts. TEXTs are written in capitals, as the headwords are (default: a rare text and the
# two-letter text with the most hits near 100,000). grep gets them in Windows-1250, as stored.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$repo/build-bench}
rounds=${2:-10}
shift $(($# < 2 ? $# : 2))
cli=$build/zadrovec-cli
bench=$build/bench/allsearch_bench

source "$repo/bench/bench_common.sh"
bench_build "$build" zadrovec-cli allsearch_bench

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "Writing the stock of 1,000,000 records ..." >&2
many_hits=$("$bench" --write-stock "$work")
texts=("$@")
((${#texts[@]} > 0)) || texts=("KRÁV" "$many_hits")
files=()
for name in hlavni mesta chzn meny mpzspz osobnost letadla podniky; do
    files+=("$work/$name.dat")
done

run_grep() {
    # grep exits with 1 when nothing matches; that is no failure here.
    LC_ALL=C grep -c -a -F -- "$1" "${files[@]}" || true
}

cat "${files[@]}" >/dev/null # both start from the page cache
for text in "${texts[@]}"; do
    bytes=$(printf '%s' "$text" | iconv -f UTF-8 -t CP1250)
    found=$("$cli" --data "$work" find "$text" | sed '/^--$/q' | grep -c -v '^--$' || true)
    cli_ns=$(best_of "$rounds" "$work/out" "$cli" --data "$work" find "$text")
    grep_ns=$(best_of "$rounds" "$work/out" run_grep "$bytes")
    awk -v t="$text" -v f="$found" -v c="$cli_ns" -v g="$grep_ns" -v r="$rounds" 'BEGIN {
        printf "text %s: %d headwords found; best of %d rounds\n", t, f, r
        printf "  zadrovec-cli find: %7.1f ms\n", c / 1e6
        printf "  grep -c -a -F:     %7.1f ms\n", g / 1e6
        printf "  ratio zadrovec-cli / grep: %.2f\n", c / g
    }'
done
