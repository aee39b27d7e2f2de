#!/usr/bin/env bash
# Times `zadrovec-cli solve PATTERN` as a whole process against `grep -x -E` over a plain UTF-8
# list of the same answers' squares (capitals without diacritics, one answer a line), both with
# their output read through a pipe, and prints both times and their ratio for each pattern:
#   - on the bundled stock and on a generated one of 1,000,000 answers,
#   - from the build folder and from an installed copy (cmake --install; the generated stock
#     copied with install(1), which keeps no times).
# zadrovec-cli is timed with the stored answers (odpovedi.idx) it finds beside the dictionaries;
# the script says so when they are not used.
#
#   bench/compare_solve.sh [BUILD_DIR] [ROUNDS] [PATTERN]...
#
# BUILD_DIR holds zadrovec-cli, bench/solver_bench and the bundled dictionaries (default:
# build-bench, configured and built as Release when missing). Each command runs ROUNDS times
# (default 7) and its best round counts. PATTERNs use only letters, "?" and "*".
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$repo/build-bench}
rounds=${2:-7}
shift $(($# < 2 ? $# : 2))

source "$repo/bench/bench_common.sh"
bench_build "$build" all solver_bench # all: the installation needs everything

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# best_piped COMMAND...: the fastest of $rounds runs in microseconds, its output read by cat
# through a pipe.
best_piped() {
    local best=0 start end t
    for _ in $(seq "$rounds"); do
        start=$EPOCHREALTIME
        { "$@" 2>/dev/null || true; } | cat >/dev/null
        end=$EPOCHREALTIME
        t=$((10#${end/./} - 10#${start/./}))
        ((best == 0 || t < best)) && best=$t
    done
    echo "$best"
}

# The squares of every answer a solve of "*" lists, without diacritics.
plain_squares() {
    "$1" --data "$2" solve '*' 2>/dev/null | awk -F'\t' 'NF > 1 { print $1 }' |
        LC_ALL=C.UTF-8 iconv -f UTF-8 -t ASCII//TRANSLIT | LC_ALL=C tr -cd 'A-Z\n'
}

regex_of() {
    printf '%s' "$1" | LC_ALL=C.UTF-8 iconv -f UTF-8 -t ASCII//TRANSLIT | tr 'a-z' 'A-Z' |
        sed 's/?/./g; s/\*/.*/g'
}

echo "Installing a copy and writing the stock of 1,000,000 answers ..." >&2
cmake --install "$build" --prefix "$work/prefix" >/dev/null
installed_cli=$work/prefix/lib/zadrovec/zadrovec-cli
mkdir -p "$work/generated" "$work/generated-installed"
"$build/bench/solver_bench" --write-stock "$work/generated"
"$build/zadrovec-cli" --data "$work/generated" store-answers 2>/dev/null # only hlavni is there
install -m 644 "$work/generated"/hlavni.* "$work/generated"/odpovedi.idx "$work/generated-installed"
plain_squares "$build/zadrovec-cli" "$build" >"$work/bundled.txt"
plain_squares "$build/zadrovec-cli" "$work/generated" >"$work/generated.txt"

patterns=("$@")
((${#patterns[@]} > 0)) || patterns=("?e?ka" "B?RL?N" "??R???A?O" "?A????K?" "K*A")

printf '%-10s %-10s %-11s %10s %10s %7s %8s\n' stock copy pattern solve_ms grep_ms ratio answers
for stock in bundled generated; do
    for copy in build installed; do
        case $stock/$copy in
        bundled/build) cli=$build/zadrovec-cli data=$build ;;
        bundled/installed) cli=$installed_cli data=$work/prefix/lib/zadrovec ;;
        generated/build) cli=$build/zadrovec-cli data=$work/generated ;;
        generated/installed) cli=$installed_cli data=$work/generated-installed ;;
        esac
        "$cli" --data "$data" answers >/dev/null ||
            echo "warning: $("$cli" --data "$data" answers)" >&2
        cat "$data"/*.dat "$data"/*.idx >/dev/null # every file starts from the page cache
        for pattern in "${patterns[@]}"; do
            regex=$(regex_of "$pattern")
            solve_us=$(best_piped "$cli" --data "$data" solve "$pattern")
            grep_us=$(best_piped env LC_ALL=C grep -x -E -- "$regex" "$work/$stock.txt")
            answers=$("$cli" --data "$data" solve "$pattern" --json 2>/dev/null | grep -o '"count": [0-9]*' |
                grep -o '[0-9]*$')
            lines=$(LC_ALL=C grep -c -x -E -- "$regex" "$work/$stock.txt" || true)
            [[ $lines == "$answers" ]] ||
                echo "warning: grep found $lines lines, solve $answers answers" >&2
            awk -v s="$stock" -v c="$copy" -v p="$pattern" -v a="$solve_us" -v b="$grep_us" \
                -v n="$answers" \
                'BEGIN { printf "%-10s %-10s %-11s %10.2f %10.2f %7.2f %8d\n", s, c, p, a / 1e3, b / 1e3, a / b, n }'
        done
    done
done
