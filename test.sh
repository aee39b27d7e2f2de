#!/usr/bin/env bash
# Builds and runs every test, headless; then the same tests built with the sanitizers, then each
# fuzz target for 30 seconds. A failure in any stage fails the run.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
zadrovec_install_packages
start=$SECONDS
zadrovec_build -DZADROVEC_WARNINGS_AS_ERRORS=ON
export QT_QPA_PLATFORM=offscreen
log=build/ctest.log
set +e
ctest --test-dir build --output-on-failure -j "$(nproc)" 2>&1 | tee "$log"
status=${PIPESTATUS[0]}
echo "== build and tests: $((SECONDS - start)) s"

# The checked runs; each stage is timed so the CI budget can be watched.
for stage in scripts/sanitize.sh "scripts/fuzz.sh 30"; do
  start=$SECONDS
  $stage
  stage_status=$?
  echo "== $stage: $((SECONDS - start)) s, exit $stage_status"
  [ "$stage_status" -ne 0 ] && status=$stage_status
done
set -e
# CTest lists skipped tests after its summary; the summary of the normal run closes the run.
grep -E '^[0-9]+% tests passed' "$log" | tail -n 1
exit "$status"
