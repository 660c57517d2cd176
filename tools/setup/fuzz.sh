#!/usr/bin/env bash
# Fuzzes the readers of untrusted bytes (tests/fuzz) with libFuzzer, each target for the given minutes:
#
#     bash tools/setup/fuzz.sh MINUTES [TARGET...]
#
# TARGET is fuzz_settings, fuzz_lists, fuzz_registry, fuzz_template or fuzz_text (all by default). The
# targets are built with clang, AddressSanitizer and UndefinedBehaviorSanitizer into build-fuzz/ (or
# $BUILD_DIR). Inputs that reach new code are kept in <build>/fuzz-corpus/<target>; an input that crashes
# or breaks a check is left in <build>/fuzz-findings/, and belongs in tests/fuzz/corpus/<target> once the
# fault is mended, so that ctest replays it ever after.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
minutes=${1:?usage: fuzz.sh MINUTES [TARGET...]}
shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_settings fuzz_lists fuzz_registry fuzz_template fuzz_text)

"$here/deps.sh" clang libclang-rt-14-dev
build=${BUILD_DIR:-$top/build-fuzz}
CC=clang CXX=clang++ cmake -S "$top" -B "$build" -DDQX_FUZZ=ON -DDQX_SANITIZE=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target fuzz_targets

status=0
for target in "${targets[@]}"; do
    mkdir -p "$build/fuzz-corpus/$target" "$build/fuzz-findings"
    mapfile -t seeds < "$build/tests/fuzz/$target.corpus"
    echo "== $target, $minutes minutes"
    "$build/tests/fuzz/$target" -max_total_time=$((minutes * 60)) -print_final_stats=1 \
        -artifact_prefix="$build/fuzz-findings/$target-" "$build/fuzz-corpus/$target" "${seeds[@]}" || status=1
done
exit $status
