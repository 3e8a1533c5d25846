#!/bin/bash
# The real program on an X display (run_on_desktop.sh x11) with a sound check that goes
# wrong in each way below, against one with the real check. For each: at the minute the
# title turns, the ringing window comes and the alarm's sound reaches SDL's disk driver
# while it rings, and once the program has ended, by its close box or by SIGTERM, nothing
# it started is left running. How long each took and the memory it held are printed on a
# "figures:" line for bench/alarm_figures.sh; they are not checked here, so a busy
# machine cannot fail the test.
# Arguments: the program, and the real sound check.
set -u
program=$1
real_check=$2
faketime_lib=$(ls /usr/lib/*/faketime/libfaketimeMT.so.1 2>/dev/null | head -n 1)
[ -n "$faketime_lib" ] || { echo "libfaketime is not installed"; exit 1; }
command -v xdotool >/dev/null || { echo "xdotool is not installed"; exit 1; }
source "$(dirname "$0")/common.sh"
repository=$(cd "$(dirname "$0")/../.." && pwd)

# what | the check's body ("real": the real check) | how the program ends | when
rows=(
    "the real check|real|close|after the ring"
    "a check that crashes|kill -SEGV \$\$|close|after the ring"
    "a check that fails|echo 'no sound here'; exit 1|close|after the ring"
    "a check that prints 1 MB on a line|printf '%01000000d\n' 0; exit 1|term|after the ring"
    "a check that prints forever|yes garbage|term|after the ring"
    "a check that hangs with a process of its own|sleep 600 & sleep 600|close|after the ring"
    "a check that hangs, the program closed meanwhile|sleep 600 & sleep 600|close|at once"
    "a check that hangs, the program ended by SIGTERM meanwhile|sleep 600 & sleep 600|term|at once"
)

now_ms() { echo $(($(date +%s%N) / 1000000)); }
written_and_still() { local size; size=$(stat -c %s "$1" 2>/dev/null || echo 0); sleep 1; test "$(stat -c %s "$1" 2>/dev/null || echo 0)" = "$size"; }
# Every process still running that the run with this mark started.
left_running() { grep -l -s -z -x "POCKETRIX_TEST_RUN=$1" /proc/[0-9]*/environ | wc -l; }
ended() { ! kill -0 "$1" 2>/dev/null; }

index=0
for row in "${rows[@]}"; do
    IFS='|' read -r what body ending when <<<"$row"
    index=$((index + 1))
    echo "--- $what"
    run="$work/$index"
    mkdir -p "$run"
    cp -r "$repository/frontend" "$run/"
    # The check is found beside the program.
    cp "$program" "$run/pocketrix"
    if [ "$body" = real ]; then
        cp "$real_check" "$run/pocketrix-soundcheck"
    else
        printf '#!/bin/sh\n%s\n' "$body" >"$run/pocketrix-soundcheck"
        chmod +x "$run/pocketrix-soundcheck"
    fi
    cd "$run"
    # The clock stands well before the minute until the alarm is set, however long a loaded
    # machine takes to start the program; then it moves to a few seconds before it.
    set_clock "2026-12-09 23:59:00"
    POCKETRIX_TEST_RUN=$index SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$run/device.raw" \
        FAKETIME_TIMESTAMP_FILE="$work/clock" FAKETIME_NO_CACHE=1 FAKETIME_DONT_FAKE_MONOTONIC=1 \
        LD_PRELOAD="$faketime_lib" ./pocketrix >"$run/program.log" 2>&1 &
    pid=$!
    pids+=($pid)
    waitfor 60 visible '^Pocketrix - ' || { echo "FAIL: the main window did not appear"; cat "$run/program.log"; exit 1; }
    main=$(visible '^Pocketrix - ' | head -n 1)

    if [ "$when" = "after the ring" ]; then
        # The start-up check is over before the page is clicked: the box of a failed one
        # comes up over the main window and would take the clicks. What the real check
        # writes is no alarm sound: it is over once the device file stops growing.
        if [ "$body" = real ]; then
            waitfor 15 test -s "$run/device.raw"
            waitfor 15 written_and_still "$run/device.raw"
        else
            waitfor 30 visible '^Pocketrix$' || echo "note: no box told of the failed check"
        fi
        rm -f "$run/device.raw"
        xdotool windowactivate --sync "$main" 2>/dev/null
        click_in "$main" 323 38  # the "Alarm Clock" tab
        sleep 0.3
        click_in "$main" 183 138 # "Alarm Set"
        title_at=0 ringing_at=0 sound_at=0 rang_then=0 title_then=""
        set_clock "2026-12-09 23:59:56"
        minute=$(($(date -d "2026-12-10 00:00:00" +%s) * 1000 - $(cat "$work/clock") * 1000))
        while [ $sound_at -eq 0 ] && [ $(now_ms) -lt $((minute + 20000)) ]; do
            t=$(now_ms)
            [ $title_at -eq 0 ] && xdotool getwindowname "$main" | grep -q '12:00 AM' && title_at=$t
            if [ $ringing_at -eq 0 ] && [ -n "$(visible '^Beep\.\.\.Beep\.\.\.$')" ]; then
                ringing_at=$t
                title_then=$(xdotool getwindowname "$main")
            fi
            if [ -s "$run/device.raw" ]; then
                sound_at=$t
                rang_then=$(visible '^Beep\.\.\.Beep\.\.\.$' | wc -l)
            fi
            sleep 0.01
        done
        check "the ringing window came, the title turned to the minute by then" grep -q '  12:00 AM$' <<<"$title_then"
        check "the sound reached the output while it rang" test $sound_at -ne 0 -a "$rang_then" -ge 1
        rss=$(awk '/^VmRSS/ { print $2 }' /proc/$pid/status)
        echo "figures: $what|$((title_at - minute))|$((sound_at - minute))|$rss"
    else
        sleep 1
        check "the hanging check runs" test "$(left_running $index)" -ge 3
    fi

    if [ "$ending" = close ]; then
        xdotool windowactivate --sync "$main" key --clearmodifiers alt+F4
    else
        kill -TERM $pid
    fi
    check "the program ended by its $ending" waitfor 5 ended $pid
    check "nothing it started is still running" test "$(left_running $index)" -eq 0
    if grep -q -E "Sanitizer|runtime error" "$run/program.log"; then
        echo "FAIL: the program reported:"
        cat "$run/program.log"
        failures=$((failures + 1))
    fi
done
exit $failures
