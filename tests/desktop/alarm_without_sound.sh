#!/bin/bash
# The alarm on a machine with no usable sound, the real program on an X display with a
# window manager (run_on_desktop.sh x11): at the alarm minute the system bell stands in,
# again and again, while the "No MCI device open." box is up; Enter on the focused "STOP"
# silences it, the box still up. The boxes, one of them for a help text that is a named
# pipe, lie apart and clear of "STOP".
# Arguments: the program, and the bell listener (pocketrix_xbells); optionally a file to
# save a picture of the screen with the boxes in, and the X probe (bench/) that takes it.
set -u
program=$1
listen_for_bells=$2
screenshot=${3:-}
xprobe=${4:-}
repository=$(cd "$(dirname "$0")/../.." && pwd)
faketime_lib=$(ls /usr/lib/*/faketime/libfaketimeMT.so.1 2>/dev/null | head -n 1)
[ -n "$faketime_lib" ] || { echo "libfaketime is not installed"; exit 1; }
command -v xdotool >/dev/null || { echo "xdotool is not installed"; exit 1; }

source "$(dirname "$0")/common.sh"
bells_during() { # seconds, and the bells to wait for at most: the bells rung meanwhile
    "$listen_for_bells" >"$work/bells" &
    local listener=$!
    waitfor "$1" sh -c "test \$(grep -c '^bell\$' '$work/bells') -ge ${2:-1000}"
    kill $listener
    wait $listener 2>/dev/null
    grep -c '^bell$' "$work/bells"
}

cp -r "$repository/frontend" "$work/"
cd "$work"
# The Introduction's text, read once the main window is up, is a named pipe.
rm frontend/pktxtxt1.txt
mkfifo frontend/pktxtxt1.txt
# No sound output at all: opening it fails once the main window is up, which the
# program tells in a box that stays up. The alarm is left at its start-up time, 00:00.
SDL_AUDIODRIVER=nonexistent FAKETIME="@2026-12-09 23:59:40" FAKETIME_DONT_FAKE_MONOTONIC=1 \
    LD_PRELOAD="$faketime_lib" "$program" >"$work/program.log" 2>&1 &
pids+=($!)
waitfor 60 visible '^Pocketrix - ' || { echo "FAIL: the main window did not appear"; cat "$work/program.log"; exit 1; }
main=$(visible '^Pocketrix - ' | head -n 1)
boxes_up() { test "$(visible '^Pocketrix$' | wc -l)" -eq "$1"; }
check "the missing sound output and the pipe are told at start-up, in two boxes" waitfor 30 boxes_up 2
boxes_at_start=$(visible '^Pocketrix$')

xdotool windowactivate --sync "$main"
click_in "$main" 323 38  # the "Alarm Clock" tab
sleep 0.5
click_in "$main" 183 138 # "Alarm Set"
waitfor 30 visible '^Beep\.\.\.Beep\.\.\.$' || { echo "FAIL: the ringing window did not appear"; exit 1; }
ringing=$(visible '^Beep\.\.\.Beep\.\.\.$' | head -n 1)
for box in $boxes_at_start; do xdotool windowactivate --sync "$box"; done # the user brings them back
xdotool windowactivate --sync "$ringing"
check "one more box tells that no device is open" waitfor 20 boxes_up 3 # at the ringing window's first tick
# Client areas with their title bars: no two of the boxes and the ringing window overlap,
# once the window manager has put them where the program asked (slow on a loaded machine).
lie_apart() {
    for window in $(visible '^Pocketrix$') "$ringing"; do
        xdotool getwindowgeometry --shell "$window" | grep -E '^(X|Y|WIDTH|HEIGHT)=' | cut -d= -f2 | tr '\n' ' '
        echo
    done | awk '
        { x[NR] = $1; y[NR] = $2 - 25; r[NR] = $1 + $3; b[NR] = $2 + $4 }
        END { for (i = 1; i <= NR; i++) for (j = i + 1; j <= NR; j++)
                  if (x[i] < r[j] && x[j] < r[i] && y[i] < b[j] && y[j] < b[i]) exit 1 }'
}
check "the boxes and the ringing window lie apart" waitfor 20 lie_apart
lie_apart ||
    for window in $(visible '^Pocketrix$') "$ringing"; do
        echo "  $(xdotool getwindowname "$window"): $(xdotool getwindowgeometry "$window" | tr '\n' ' ')"
    done
[ -n "$screenshot" ] && "$xprobe" shot "$screenshot"

bells=$(bells_during 20 3)
check "the bell rings again and again with the box up (rang $bells)" test "$bells" -ge 3
check "no further box piled up" boxes_up 3

xdotool windowactivate --sync "$ringing" key Return # "STOP" holds the focus
check "Enter on STOP hides the ringing window" waitfor 3 sh -c "! xdotool search --onlyvisible --name '^Beep\.\.\.Beep\.\.\.\$'"
bells=$(bells_during 3)
check "no bell after STOP (rang $bells)" test "$bells" -eq 0
check "the boxes are still up" boxes_up 3

kill "${pids[0]}"
wait "${pids[0]}" 2>/dev/null
if grep -q -E "Sanitizer|runtime error" "$work/program.log"; then
    echo "FAIL: the program reported:"
    cat "$work/program.log"
    failures=$((failures + 1))
fi
exit $failures
