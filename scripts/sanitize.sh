#!/usr/bin/env bash
# Builds the whole test suite with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs it. Any report fails the run: undefined behaviour is not recovered from.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
zadrovec_install_packages

flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DZADROVEC_BENCHMARKS=OFF >/dev/null

# Leaks are checked everywhere; what Qt and the libraries under it keep until exit is not ours.
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0"
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:abort_on_error=0:strict_string_checks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
# The build runs the command-line tool on the bundled data, so it is checked as well.
cmake --build build-asan

export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-asan --output-on-failure -j "$(nproc)" -LE package
