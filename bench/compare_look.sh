#!/usr/bin/env bash
# Times `zadrovec-cli search hlavni TEXT` against look(1) on the same beginnings of words, as whole
# processes, one per search for both, and prints both times and their ratio for beginnings of
# one, two and three letters.
#
#   bench/compare_look.sh [BUILD_DIR] [COUNT] [ROUNDS]
#
# BUILD_DIR holds zadrovec-cli and hlavni.dat/.idx (default: build-bench, configured and built
# as Release when missing). Each case is COUNT beginnings (default 100) of the first letters of
# words spread evenly over the dictionary; each tool searches them all ROUNDS times (default 7),
# the two taking turns, and its best round counts. The output goes through a pipe, as into a
# program that reads it.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$repo/build-bench}
count=${2:-100}
rounds=${3:-7}
cli=$build/zadrovec-cli

source "$repo/bench/bench_common.sh"

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
total=$(wc -l <"$work/words")
step=$(((total + count - 1) / count))
awk -v step="$step" -v count="$count" 'NR % step == 1 && n++ < count' "$work/words" >"$work/spread"

run_cli() {
    for p in "${prefixes[@]}"; do
        "$cli" --data "$build" search hlavni "$p" || true
    done
}
run_look() {
    for p in "${prefixes[@]}"; do
        # look exits with 1 when nothing matches; that is no failure here.
        LC_ALL=C look -- "$p" "$work/words" || true
    done
}

cat "$build/hlavni.dat" "$build/hlavni.idx" "$work/words" >/dev/null # both from the page cache
echo "$total headwords; each case $count searches, one process each; best of $rounds rounds"
printf '%-9s %12s %12s %8s\n' letters cli_ms look_ms ratio
for letters in 1 2 3; do
    mapfile -t prefixes < <(LC_ALL=C.UTF-8 grep -o "^.\{1,$letters\}" "$work/spread")
    cli_ns=0
    look_ns=0
    for _ in $(seq "$rounds"); do
        t=$(best_of_piped 1 run_cli)
        ((cli_ns == 0 || t < cli_ns)) && cli_ns=$t
        t=$(best_of_piped 1 run_look)
        ((look_ns == 0 || t < look_ns)) && look_ns=$t
    done
    awk -v l="$letters" -v c="$cli_ns" -v k="$look_ns" -v n="${#prefixes[@]}" \
        'BEGIN { printf "%-9s %12.3f %12.3f %8.2f\n", l, c / 1e6 / n, k / 1e6 / n, c / k }'
done
echo "(milliseconds a search; ratio zadrovec-cli / look)"
