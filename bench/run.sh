#!/bin/bash
# Benchmarks of Pocketrix, each against a bare Qt 6 Widgets window with five empty tabs
# built in the same run. Prints a Markdown table.
#   bench/run.sh [idle-minutes] [runs]
# With 0 idle minutes only start-up and memory are measured.
# Needs the packages of ./setup test plus x11 development headers (libx11-dev).
set -euo pipefail
cd "$(dirname "$0")/.."
# On an X server of its own, as every desktop test runs.
[ -n "${POCKETRIX_DESKTOP:-}" ] || exec tests/desktop/run_on_desktop.sh x11 "$PWD/bench/run.sh" "$@"
root=$PWD
idle_minutes=${1:-3}
runs=${2:-7}
build=build-bench

cmake --preset $build >/dev/null
cmake --build $build --target pocketrix bench_bare xprobe >/dev/null
program=$PWD/$build/program/pocketrix
bare=$PWD/$build/bench/bench_bare
probe=$PWD/$build/bench/xprobe
faketime_lib=$(ls /usr/lib/*/faketime/libfaketimeMT.so.1 2>/dev/null | head -n 1)

work=$(mktemp -d)
# Like the installed launcher: a folder of its own with the help data linked in, and a
# quiet audio driver so no message box about a missing sound card stands in the way.
ln -s "$PWD/frontend" "$work/frontend"
export SDL_AUDIODRIVER=dummy
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
cd "$work"

fastest() { sort -n | head -n 1; }
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

start_run() { "$probe" start "$1" | awk '/mapped_ms/{m=$2} /^rss_kb/{r=$2} /uss_kb/{u=$2} END{print m, r, u}'; }
# A warm-up of each fills the file cache; then the two alternate, so that both meet the
# same state of the machine.
start_run "$program" >/dev/null
start_run "$bare" >/dev/null
ours="" theirs=""
for _ in $(seq 1 "$runs"); do
    ours+="$(start_run "$program")"$'\n'
    theirs+="$(start_run "$bare")"$'\n'
done
ours=${ours%$'\n'} theirs=${theirs%$'\n'}
column() { echo "$1" | awk -v c="$2" '{print $c}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN{printf "%.2f", a/b}'; }
ours_ms=$(column "$ours" 1 | median) bare_ms=$(column "$theirs" 1 | median)
ours_fastest=$(column "$ours" 1 | fastest) bare_fastest=$(column "$theirs" 1 | fastest)
ours_kb=$(column "$ours" 2 | median) bare_kb=$(column "$theirs" 2 | median)
ours_uss=$(column "$ours" 3 | median) bare_uss=$(column "$theirs" 3 | median)
# The median of the run-by-run ratios: each pair met the same state of the machine.
paired() { paste <(column "$ours" "$1") <(column "$theirs" "$1") | awk '{printf "%.4f\n", $1/$2}' | median; }

cat <<TABLE
| measure | Pocketrix | bare Qt window | ratio / target |
|---|---|---|---|
| start-up to window mapped (median of $runs) | ${ours_ms} ms | ${bare_ms} ms | $(ratio "$ours_ms" "$bare_ms")x, pairwise $(paired 1)x (target 1.15x) |
| start-up, fastest of $runs | ${ours_fastest} ms | ${bare_fastest} ms | $(ratio "$ours_fastest" "$bare_fastest")x |
| resident memory after 3 s (median of $runs) | ${ours_kb} kB | ${bare_kb} kB | $(ratio "$ours_kb" "$bare_kb")x (target 1.2x) |
| private memory (USS) after 3 s (median of $runs) | ${ours_uss} kB | ${bare_uss} kB | $(ratio "$ours_uss" "$bare_uss")x (target 1.2x) |
TABLE
if [ "$idle_minutes" -eq 0 ]; then
    rm -rf "$work"
    exit 0
fi

# Idle: CPU time and voluntary context switches (wake-ups) of all threads over the run.
"$program" >/dev/null 2>&1 &
pid=$!
sleep 10
counters() {
    local ticks switches=0
    ticks=$(awk '{print $14 + $15}' /proc/$pid/stat)
    for status in /proc/$pid/task/*/status; do
        switches=$((switches + $(awk '/^voluntary_ctxt_switches/{print $2}' "$status")))
    done
    echo "$ticks $switches"
}
read -r ticks0 switches0 < <(counters)
sleep $((idle_minutes * 60))
read -r ticks1 switches1 < <(counters)
threads=$(ls /proc/$pid/task | wc -l)
audio=$(ls -l /proc/$pid/fd 2>/dev/null | grep -c -E '/dev/snd|pulse|pipewire' || true)
kill $pid; wait $pid 2>/dev/null || true
hz=$(getconf CLK_TCK)
cpu_percent=$(awk -v t=$((ticks1 - ticks0)) -v hz="$hz" -v m="$idle_minutes" 'BEGIN{printf "%.3f", 100 * t / hz / (m * 60)}')
wakeups=$(awk -v s=$((switches1 - switches0)) -v m="$idle_minutes" 'BEGIN{printf "%.0f", s / m}')

# Minute latency: two turns of the minute.
latency=$("$probe" latency 2 "$program" | awk '{print $2}' | tr '\n' ' ')

# A simulated day at 720 times the speed: memory and the title at the end.
long=""
if [ -n "$faketime_lib" ]; then
    FAKETIME="@2026-12-07 00:00:00 x720" LD_PRELOAD="$faketime_lib" "$program" >/dev/null 2>&1 &
    pid=$!
    sleep 10
    rss_start=$(awk '/^VmRSS/{print $2}' /proc/$pid/status)
    sleep 115
    rss_end=$(awk '/^VmRSS/{print $2}' /proc/$pid/status)
    window=$(xdotool search --name "^Pocketrix - " | head -n 1 || true)
    # The World Time tab, then the title and the screen, to read the cities off by eye.
    xdotool mousemove --window "$window" 241 58 click 1
    sleep 1
    title=$(xdotool getwindowname "$window")
    "$probe" shot "$work/longrun.ppm" && python3 "$root/bench/ppm2png.py" "$work/longrun.ppm" "$root/$build/longrun.png"
    kill $pid; wait $pid 2>/dev/null || true
    long="RSS ${rss_start} kB after a simulated 2 hours, ${rss_end} kB after a simulated day and an hour; title then: ${title} (World Time page in $build/longrun.png)"
fi

cat <<TABLE
| idle CPU over ${idle_minutes} min | ${cpu_percent} % of one core | | target < 0.05 % |
| idle wake-ups (voluntary switches, all ${threads} threads) | ${wakeups} per minute | | two 1 s timers: about 120 |
| audio streams open while idle | ${audio} | | 0 |
| title after the turn of the minute | ${latency}ms | | target 50 ms |
TABLE
[ -n "$long" ] && echo && echo "Long run: $long"
echo
echo "Machine: $(nproc) cores, $(awk '/MemTotal/{printf "%.0f GiB", $2/1048576}' /proc/meminfo), $(uname -sr), Xvfb."
rm -rf "$work"
