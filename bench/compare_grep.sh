#!/usr/bin/env bash
# Times `zadrovec-cli find TEXT` against `LC_ALL=C grep -a -o -F TEXT` over the same eight word
# files (a generated stock of 1,000,000 records), as whole processes, and prints both times and
# their ratio for each text.
#
#   bench/compare_grep.sh [BUILD_DIR] [ROUNDS] [TEXT...]
#
# BUILD_DIR holds zadrovec-cli and bench/allsearch_bench (default: build-bench, configured and
# built as Release when missing). Each tool runs ROUNDS times (default 7), the two taking turns,
# and its best run counts. The output goes through a pipe, as into a program that reads it (into
# /dev/null grep would stop at its first match). TEXTs are written in capitals, as the headwords
# are (default: a three-letter text found nowhere and the two-letter text with the most hits near
# 100,000). grep gets them in Windows-1250, as stored.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$repo/build-bench}
rounds=${2:-7}
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
# The stock's headwords are syllables of a consonant and a vowel: "QXW" is in none of them.
((${#texts[@]} > 0)) || texts=("QXW" "$many_hits")
files=()
for name in hlavni mesta chzn meny mpzspz osobnost letadla podniky; do
    files+=("$work/$name.dat")
done

run_grep() {
    LC_ALL=C grep -a -o -F -- "$1" "${files[@]}"
}

cat "${files[@]}" >/dev/null # both start from the page cache
printf '%-8s %10s %10s %8s %10s\n' text find_ms grep_ms ratio found
for text in "${texts[@]}"; do
    bytes=$(printf '%s' "$text" | iconv -f UTF-8 -t CP1250)
    found=$("$cli" --data "$work" find "$text" | sed '/^--$/q' | grep -c -v '^--$' || true)
    cli_ns=0
    grep_ns=0
    for _ in $(seq "$rounds"); do
        t=$(best_of_piped 1 "$cli" --data "$work" find "$text")
        ((cli_ns == 0 || t < cli_ns)) && cli_ns=$t
        t=$(best_of_piped 1 run_grep "$bytes")
        ((grep_ns == 0 || t < grep_ns)) && grep_ns=$t
    done
    awk -v t="$text" -v c="$cli_ns" -v g="$grep_ns" -v f="$found" \
        'BEGIN { printf "%-8s %10.1f %10.1f %8.2f %10d\n", t, c / 1e6, g / 1e6, c / g, f }'
done
echo "(best of $rounds runs in milliseconds; found: headwords zadrovec-cli lists;" \
    "ratio zadrovec-cli / grep)"
