#!/usr/bin/env bash
# Times `zadrovec-cli search hlavni TEXT` against look(1) on the same beginnings of words, one
# process per search for both, and prints both times and their ratio.
#
#   bench/compare_look.sh [BUILD_DIR] [COUNT] [LETTERS] [ROUNDS]
#
# BUILD_DIR holds zadrovec-cli and hlavni.dat/.idx (default: build-bench, configured and built
# as Release when missing). COUNT beginnings are taken (default 200), each of LETTERS letters
# (default 3); each tool runs them ROUNDS times (default 5) and its best round counts.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$repo/build-bench}
count=${2:-200}
letters=${3:-3}
rounds=${4:-5}
cli=$build/zadrovec-cli

if [[ ! -x $cli || ! -f $build/hlavni.dat ]]; then
    echo "Building zadrovec-cli and the main dictionary in $build ..." >&2
    cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DZADROVEC_TESTS=OFF -DZADROVEC_BENCHMARKS=OFF >/dev/null
    cmake --build "$build" --target zadrovec-cli dictionary_hlavni >/dev/null
fi
if ! command -v look >/dev/null; then
    echo "Installing look (bsdextrautils) ..." >&2
    sudo_cmd=()
    [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get install -y bsdextrautils >/dev/null
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# look searches a sorted file of lines by bisection: the headwords, one a line, in byte order.
"$cli" dump "$build/hlavni" | tail -n +2 | cut -d@ -f1 | LC_ALL=C sort -u >"$work/words"

# The beginnings: the first letters of words spread evenly over the dictionary.
total=$(wc -l <"$work/words")
step=$(((total + count - 1) / count))
awk -v step="$step" -v count="$count" 'NR % step == 1 && n++ < count' "$work/words" |
    LC_ALL=C.UTF-8 grep -o "^.\{1,$letters\}" >"$work/prefixes"
mapfile -t prefixes <"$work/prefixes"
echo "${#prefixes[@]} searches of up to $letters letters each, $total headwords"

now_ns() { date +%s%N; }

run_cli() {
    for p in "${prefixes[@]}"; do
        "$cli" --data "$build" search hlavni "$p" >/dev/null
    done
}
run_look() {
    for p in "${prefixes[@]}"; do
        # look exits with 1 when nothing matches; that is no failure here.
        LC_ALL=C look -- "$p" "$work/words" >/dev/null || true
    done
}

# Each tool's best of a few rounds, taken in turns, so that other load on the machine counts less.
cli_ns=0
look_ns=0
for _ in $(seq "$rounds"); do
    start=$(now_ns)
    run_cli
    t=$(($(now_ns) - start))
    ((cli_ns == 0 || t < cli_ns)) && cli_ns=$t
    start=$(now_ns)
    run_look
    t=$(($(now_ns) - start))
    ((look_ns == 0 || t < look_ns)) && look_ns=$t
done

awk -v c="$cli_ns" -v l="$look_ns" -v n="${#prefixes[@]}" -v r="$rounds" 'BEGIN {
    printf "best of %d rounds:\n", r
    printf "zadrovec-cli: %8.1f ms in all, %6.3f ms a search\n", c / 1e6, c / 1e6 / n
    printf "look:         %8.1f ms in all, %6.3f ms a search\n", l / 1e6, l / 1e6 / n
    printf "ratio zadrovec-cli / look: %.2f\n", c / l
}'
