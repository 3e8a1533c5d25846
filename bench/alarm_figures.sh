#!/bin/bash
# How soon the alarm is seen and heard after its minute, and the memory the program holds
# then, with a sound check that goes wrong in each way tests/desktop/alarm_with_failing_check.sh
# tries. That test checks what happens and in which order; this prints how long it took,
# one row per way. Prints a Markdown table.
#   bench/alarm_figures.sh
# Needs the packages of ./setup test.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-bench
cmake --preset $build >/dev/null
cmake --build $build --target pocketrix >/dev/null

echo "| sound check | title after the minute | first sound after the minute | resident memory then |"
echo "|---|---|---|---|"
LANG=C.UTF-8 TZ=UTC tests/desktop/run_on_desktop.sh x11 tests/desktop/alarm_with_failing_check.sh \
    "$PWD/$build/program/pocketrix" "$PWD/$build/program/pocketrix-soundcheck" |
    awk -F'|' '/^figures: / { sub(/^figures: /, "", $1); printf "| %s | %s ms | %s ms | %s kB |\n", $1, $2, $3, $4 }'
echo
echo "Machine: $(nproc) cores, $(uptime | sed 's/.*load average/load average/'), $(uname -sr), Xvfb."
