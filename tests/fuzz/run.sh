#!/bin/bash
# Builds the fuzzers with clang and runs each on a copy of its seed corpus.
#   tests/fuzz/run.sh [seconds-per-target]      (the test command uses 20; a long run: 3600)
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-20}
build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B $build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
    -DPOCKETRIX_FUZZ=ON >/dev/null
targets=$(sed -n 's/^pocketrix_fuzzer(\([a-z_]*\).*/\1/p' tests/fuzz/CMakeLists.txt)
cmake --build $build --target $targets
status=0
for target in $targets; do
    corpus=$(mktemp -d)
    cp -r tests/fuzz/corpus/"${target#fuzz_}"/. "$corpus"/ 2>/dev/null || true
    echo "== $target for ${seconds}s"
    if ! (cd "$build" && QT_QPA_PLATFORM=offscreen ./tests/fuzz/"$target" -max_total_time="$seconds" \
            -max_len=4096 -print_final_stats=1 "$corpus" 2>&1 | grep -E "^#|ERROR|stat::number_of_executed_units|Done"); then
        status=1
    fi
    [ "${PIPESTATUS[0]:-0}" -eq 0 ] || status=1
    rm -rf "$corpus"
done
exit $status
