# Sourced by the comparison scripts: the tools they time, built when missing, and the timing of a
# whole process.

# bench_build BUILD_DIR TARGET...: configures BUILD_DIR as Release (no tests) and builds the
# targets, unless zadrovec-cli and the benchmark program named by the last target are there.
bench_build() {
    local repo build=$1
    shift
    repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
    local last=${*: -1}
    [[ -x $build/zadrovec-cli && -x $build/bench/$last ]] && return 0
    echo "Building $* in $build ..." >&2
    cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZADROVEC_TESTS=OFF \
        -DZADROVEC_BENCHMARKS=ON >/dev/null
    cmake --build "$build" --target "$@" >/dev/null
}

now_ns() { date +%s%N; }

# best_of ROUNDS OUTPUT COMMAND...: the fastest of ROUNDS runs in nanoseconds. The output goes to
# a file, not /dev/null: grep stops at the first match when it writes there. A failing status is
# no failure here (grep exits with 1 when nothing matches).
best_of() {
    local rounds=$1 output=$2 best=0 start t
    shift 2
    for _ in $(seq "$rounds"); do
        start=$(now_ns)
        "$@" >"$output" 2>/dev/null || true
        t=$(($(now_ns) - start))
        ((best == 0 || t < best)) && best=$t
    done
    echo "$best"
}

# best_of_piped ROUNDS COMMAND...: the fastest of ROUNDS runs in nanoseconds, the output read
# through a pipe by one reader that runs throughout, as a pipeline into a program reads it. Into
# /dev/null grep would stop at its first match, and a reader started for each run would be timed
# with it. The clock is the shell's own, so starting the clock costs no process either. A failing
# status is no failure here (grep and look exit with 1 when nothing matches).
best_of_piped() {
    local rounds=$1 best=0 start end t reader
    shift
    exec {reader}> >(cat >/dev/null)
    for _ in $(seq "$rounds"); do
        start=${EPOCHREALTIME/[.,]/}
        "$@" >&"$reader" 2>/dev/null || true
        end=${EPOCHREALTIME/[.,]/}
        t=$(((end - start) * 1000))
        ((best == 0 || t < best)) && best=$t
    done
    exec {reader}>&-
    echo "$best"
}
