#!/bin/bash
# Asleep over the alarm, heard through the desktop's own sound server: the real program on
# an X display (run_on_desktop.sh x11), its clock faked from a timestamp file, and a
# PipeWire server of its own on a private session bus whose default output is a null sink,
# recorded from its monitor. SDL chooses its audio driver itself. The alarm is set for
# 00:00 at 23:59:45; then the clock jumps to 00:05, as when a laptop is opened after a
# suspend: the title turns to the new minute and the ringing window comes with it, audible
# samples reach the server while it rings and none came before, "STOP" hides it, and once
# the program has ended nothing it started is left running.
# Arguments: the program.
set -u
program=$1
repository=$(cd "$(dirname "$0")/../.." && pwd)
faketime_lib=$(ls /usr/lib/*/faketime/libfaketimeMT.so.1 2>/dev/null | head -n 1)
[ -n "$faketime_lib" ] || { echo "libfaketime is not installed"; exit 1; }
for tool in xdotool dbus-daemon pipewire pipewire-pulse wireplumber pactl parec od; do
    command -v $tool >/dev/null || { echo "$tool is not installed"; exit 1; }
done
source "$(dirname "$0")/common.sh"

# The sound server, as a desktop session runs it.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$work/bus" 4>"$work/bus.pid"
pids+=($(cat "$work/bus.pid"))
export DBUS_SESSION_BUS_ADDRESS=$(cat "$work/bus")
for server in pipewire pipewire-pulse wireplumber; do
    $server >"$work/$server.log" 2>&1 &
    pids+=($!)
done
server_logs() { for log in "$work"/pipewire*.log "$work"/wireplumber.log "$work"/parec.log; do
    [ -s "$log" ] && { echo "--- $(basename "$log")"; cat "$log"; }; done; }
# On a loaded machine each server may take long to answer; the session manager, last to
# come, is ready once it keeps the default output (until then that is "Not supported").
waitfor 60 pactl info >/dev/null || { echo "FAIL: the sound server did not start"; server_logs; exit 1; }
pactl load-module module-null-sink sink_name=alarm >/dev/null
waitfor 60 sh -c 'pactl set-default-sink alarm 2>/dev/null && pactl get-default-sink | grep -qx alarm' ||
    { echo "FAIL: the session manager never made the null sink the default output"; server_logs; exit 1; }
waitfor 30 sh -c 'pactl list short sources | grep -q "alarm\.monitor"' || { echo "FAIL: no null sink"; exit 1; }
# The recording is live once silence flows in; a loaded server may time the first try out.
for try in 1 2 3; do
    parec -d alarm.monitor --raw --format=s16le --rate=48000 --channels=1 >"$work/heard.raw" 2>>"$work/parec.log" &
    pids+=($!)
    waitfor 20 test -s "$work/heard.raw" && break
    [ $try -lt 3 ] || { echo "FAIL: the sound server's output cannot be recorded"; server_logs; exit 1; }
done
# The loudest sample heard from one byte of the recording to another.
loudest() {
    tail -c +$(($1 + 1)) "$work/heard.raw" | head -c $(($2 - $1)) | od -An -v -td2 -w2 |
        awk '{ v = $1 < 0 ? -$1 : $1; if (v > m) m = v } END { print m + 0 }'
}
heard_so_far() { local size; size=$(stat -c %s "$work/heard.raw"); echo $((size - size % 2)); }

cp -r "$repository/frontend" "$work/"
cd "$work"
set_clock "2026-12-09 23:59:45"
POCKETRIX_TEST_RUN=sleep FAKETIME_TIMESTAMP_FILE="$work/clock" FAKETIME_NO_CACHE=1 FAKETIME_DONT_FAKE_MONOTONIC=1 \
    LD_PRELOAD="$faketime_lib" "$program" >"$work/program.log" 2>&1 &
pid=$!
pids+=($pid)
waitfor 60 visible '^Pocketrix - ' || { echo "FAIL: the main window did not appear"; cat "$work/program.log"; exit 1; }
main=$(visible '^Pocketrix - ' | head -n 1)
xdotool windowactivate --sync "$main" 2>/dev/null
click_in "$main" 323 38  # the "Alarm Clock" tab
sleep 0.3
click_in "$main" 183 138 # "Alarm Set"
check "the alarm is set before its minute" sh -c "xdotool getwindowname $main | grep -q '11:59 PM'"

asleep=$(heard_so_far)
set_clock "2026-12-10 00:05:00"
check "the ringing window came" waitfor 20 visible '^Beep\.\.\.Beep\.\.\.$'
ringing=$(visible '^Beep\.\.\.Beep\.\.\.$' | head -n 1)
check "at the tick that turned the title to the new minute" \
    test "$(xdotool getwindowname "$main")" = "Pocketrix - December 10, 2026  12:05 AM"
heard_since() { test "$(loudest "$1" "$(heard_so_far)")" -gt 1000; }
check "the sound reached the server while it rang" waitfor 10 heard_since "$asleep"
check "nothing was heard before" test "$(loudest 0 "$asleep")" -le 16

[ -n "$ringing" ] && click_in "$ringing" 122 110 # "STOP"
check "STOP hides the ringing window" waitfor 5 sh -c "! xdotool search --onlyvisible --name '^Beep\.\.\.Beep\.\.\.\$'"
xdotool windowactivate --sync "$main" key --clearmodifiers alt+F4
check "the program ended by its close box" waitfor 5 sh -c "! kill -0 $pid 2>/dev/null"
check "nothing it started is still running" \
    test "$(grep -l -s -z -x POCKETRIX_TEST_RUN=sleep /proc/[0-9]*/environ | wc -l)" -eq 0
if grep -q -E "Sanitizer|runtime error" "$work/program.log"; then
    echo "FAIL: the program reported:"
    cat "$work/program.log"
    failures=$((failures + 1))
fi
exit $failures
