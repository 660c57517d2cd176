#!/usr/bin/env bash
# Configures and builds the project into build/ (or $BUILD_DIR) with the given extra CMake arguments.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${BUILD_DIR:-$top/build}
cmake -S "$top" -B "$build" "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
