#!/bin/bash
# Builds the fuzzers with clang, in the sanitized tree that ./setup test uses, and runs each
# on a copy of its seed corpus, as many at once as there are cores; exits non-zero when any
# target finds an input that fails, keeping that input in build-sanitize/findings/.
#   tests/fuzz/run.sh [seconds-per-target] [target...]   (the test command uses 20; a long run: 3600)
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-20}
shift || true
build=build-sanitize
findings=$PWD/$build/findings
suppressions=$PWD/tests/lsan.supp
# Stack traces of a finding name their functions and lines (llvm-14).
symbolizer=/usr/lib/llvm-14/bin/llvm-symbolizer
[ ! -x "$symbolizer" ] || export ASAN_SYMBOLIZER_PATH=$symbolizer
cmake --preset $build >/dev/null
targets=${*:-$(sed -n 's/^pocketrix_fuzzer(\([a-z_]*\).*/\1/p' tests/fuzz/CMakeLists.txt)}
# shellcheck disable=SC2086
cmake --build $build --target $targets
mkdir -p "$findings"
# One target a core: each runs in its own folder and prints its report when done.
fuzz() {
    local target=$1 corpus log status
    corpus=$(mktemp -d)
    log=$(mktemp)
    cp -r tests/fuzz/corpus/"${target#fuzz_}"/. "$corpus"/ 2>/dev/null || true
    # The outer limit catches a target that hangs before libFuzzer's own clock starts.
    if (cd "$build" && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
            LSAN_OPTIONS=suppressions="$suppressions":print_suppressions=0 \
            UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
            timeout --kill-after=10 $((seconds + 120)) ./tests/fuzz/"$target" -max_total_time="$seconds" \
            -timeout=10 -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1 \
            -artifact_prefix="$findings/$target-" "$corpus" >"$log" 2>&1); then
        echo "== $target for ${seconds}s"
        grep -E "^#[0-9]+.*DONE|stat::number_of_executed_units|stat::peak_rss_mb" "$log" || true
        status=0
    else
        echo "== $target for ${seconds}s"
        tail -n 80 "$log"
        echo "== $target FAILED (the failing input is kept in $findings)"
        status=1
    fi
    rm -rf "$corpus" "$log"
    return $status
}
status=0
running=()
for target in $targets; do
    fuzz "$target" &
    running+=($!)
    if [ ${#running[@]} -eq "$(nproc)" ]; then
        wait "${running[0]}" || status=1
        running=("${running[@]:1}")
    fi
done
for job in "${running[@]}"; do wait "$job" || status=1; done
exit $status
