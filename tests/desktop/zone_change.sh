#!/bin/bash
# The computer's time zone changes under the running program: the real program on an X
# display (run_on_desktop.sh x11) with the real clock, in a mount namespace of its own
# whose /etc/localtime is a copy of the UTC zone. That file is rewritten with the zone of
# Berlin while the program runs; within a minute its title equals that of a copy started
# afterwards. Needs root, for the namespace.
# Arguments: the program.
set -u
if [ -z "${POCKETRIX_OWN_MOUNTS:-}" ]; then
    POCKETRIX_OWN_MOUNTS=1 exec unshare --mount --propagation private "$0" "$@"
fi
program=$1
repository=$(cd "$(dirname "$0")/../.." && pwd)
command -v xdotool >/dev/null || { echo "xdotool is not installed"; exit 1; }
source "$(dirname "$0")/common.sh"
unset TZ # the zone is the computer's

# A zone file installed long ago, as the system's usually is.
cp /usr/share/zoneinfo/UTC "$work/localtime"
touch -d @0 "$work/localtime"
mount --bind "$work/localtime" /etc/localtime || { echo "FAIL: cannot put a zone file of our own in place"; exit 1; }
cp -r "$repository/frontend" "$work/"
cd "$work"
titles() { for window in $(visible '^Pocketrix - '); do xdotool getwindowname "$window"; done | sort -u; }

POCKETRIX_TEST_RUN=zone SDL_AUDIODRIVER=dummy "$program" >"$work/first.log" 2>&1 &
pids+=($!)
if ! waitfor 60 visible '^Pocketrix - '; then
    echo "FAIL: the main window did not appear"
    cat "$work/first.log"
    echo "the program: $(grep -E '^State' "/proc/${pids[0]}/status" 2>/dev/null || echo ended), waiting in $(cat "/proc/${pids[0]}/wchan" 2>/dev/null)"
    echo "windows on the display: $(xdotool search --name . getwindowname %@ 2>&1 | sort -u | tr '\n' ';')"
    exit 1
fi
before=$(titles)
cat /usr/share/zoneinfo/Europe/Berlin >"$work/localtime"
POCKETRIX_TEST_RUN=zone SDL_AUDIODRIVER=dummy "$program" >"$work/second.log" 2>&1 &
pids+=($!)
check "a second copy starts" waitfor 60 sh -c "test \$(xdotool search --onlyvisible --name '^Pocketrix - ' | wc -l) -eq 2"
# Both copies read the same title once the first has followed the zone; at the turn of
# a minute one of them may have turned first, so they are compared until they agree.
check "the running copy follows the new zone" waitfor 61 sh -c "test \"\$(xdotool search --onlyvisible --name '^Pocketrix - ' getwindowname %@ | sort -u | wc -l)\" -eq 1"
check "on the zone of Berlin (it read \"$before\" before, \"$(titles)\" now)" test "$(titles)" != "$before"
for pid in "${pids[@]}"; do kill "$pid"; done
check "nothing the copies started is still running" \
    waitfor 5 sh -c "test \$(grep -l -s -z -x POCKETRIX_TEST_RUN=zone /proc/[0-9]*/environ | wc -l) -eq 0"
if grep -q -E "Sanitizer|runtime error" "$work"/*.log; then
    echo "FAIL: the program reported:"
    cat "$work"/*.log
    failures=$((failures + 1))
fi
exit $failures
