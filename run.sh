#!/usr/bin/env bash
# Installs what is missing, builds the Release configuration and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
build=${BUILD_DIR:-build-release}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORN_WITH_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target vorn-scheduler vorn-doc
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
document=${1:-samples/sample.xml}
exec "$build/bin/vorn-scheduler" "$document"
