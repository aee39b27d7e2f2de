#!/usr/bin/env bash
# Builds the libFuzzer targets into build-fuzz/ with clang and runs each for SECONDS (default 30)
# on a copy of its seed corpus, so the committed corpus does not grow. Any finding fails the run;
# the input that found it is kept in build-fuzz/findings/. Without TARGETs it runs every target
# fuzz/CMakeLists.txt lists.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
shift || true
targets=("$@")

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DZADROVEC_FUZZ=ON -DZADROVEC_TESTS=OFF -DZADROVEC_BENCHMARKS=OFF >/dev/null
# The configuration writes the list of targets.
[ ${#targets[@]} -eq 0 ] && mapfile -t targets <build-fuzz/fuzz/targets.txt
# The build runs an instrumented helper; what it keeps until exit is no finding.
ASAN_OPTIONS=detect_leaks=0 cmake --build build-fuzz --target "${targets[@]}"

# The targets write their files often: memory-backed scratch space where there is some.
scratch_parent=${TMPDIR:-/tmp}
[ -d /dev/shm ] && [ -w /dev/shm ] && scratch_parent=/dev/shm
work=$(mktemp -d "$scratch_parent/zadrovec-fuzz-run.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p build-fuzz/findings
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

failed=()
for target in "${targets[@]}"; do
  corpus="$work/$target"
  mkdir -p "$corpus"
  cp fuzz/corpus/"$target"/* "$corpus"/
  log="build-fuzz/findings/$target.log"
  echo "== $target: ${seconds}s"
  if TMPDIR="$work" build-fuzz/fuzz/"$target" "$corpus" -max_total_time="$seconds" -max_len=4096 \
      -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="build-fuzz/findings/$target-" >"$log" 2>&1; then
    grep -E "^stat::number_of_executed_units" "$log" | tail -n 1 | sed "s/^/$target: /"
  else
    echo "$target: FINDING (see $log)"
    tail -n 40 "$log"
    failed+=("$target")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzz findings in: ${failed[*]}"
  exit 1
fi
echo "Fuzz targets: no findings"
