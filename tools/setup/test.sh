#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test. Arguments go to CMake, e.g.
# -DDQX_SANITIZE=ON for the sanitizer build (README, "Tests").
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
"$here/deps.sh"
BUILD_DIR=${BUILD_DIR:-$top/build} "$here/build.sh" "$@"
cd "${BUILD_DIR:-$top/build}"
ctest --output-on-failure -j "$(nproc)"
