#!/usr/bin/env bash
# Builds the solver wizard's tests with ThreadSanitizer in a build of their own and runs them: the
# worker thread reads and writes the plan while the user interface runs, and a data race between
# the two must fail the run. Only the targets these tests need are built.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${TSAN_BUILD_DIR:-build-tsan}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORN_WITH_TSAN=ON -DVORN_WITH_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target solver_tests
# ThreadSanitizer ends the program with status 66 when it reported anything.
QT_QPA_PLATFORM=offscreen TSAN_OPTIONS="suppressions=$PWD/tests/solver/tsan.supp" "$build/bin/solver_tests"
