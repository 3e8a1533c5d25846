#!/bin/bash
# Two instances of the real program in one folder on an X display with a window manager
# (run_on_desktop.sh x11), both started with today's reminder waiting. The first takes it
# at its Jotter press, its delete held back by strace's fault injection; meanwhile the
# second saves a new reminder for today. Neither is lost: the first Jotter shows the old
# reminder, the second instance's Jotter the new one, and no reminder file is left behind.
# Argument: the program.
set -u
program=$1
repository=$(cd "$(dirname "$0")/../.." && pwd)
faketime_lib=$(ls /usr/lib/*/faketime/libfaketimeMT.so.1 2>/dev/null | head -n 1)
[ -n "$faketime_lib" ] || { echo "libfaketime is not installed"; exit 1; }
for tool in xdotool xclip strace; do command -v $tool >/dev/null || { echo "$tool is not installed"; exit 1; }; done

source "$(dirname "$0")/common.sh"
cp -r "$repository/frontend" "$work/"
cd "$work"
printf 'Old reminder' >07122026.rem
clock=(FAKETIME="@2026-12-07 09:00:00" FAKETIME_DONT_FAKE_MONOTONIC=1 LD_PRELOAD="$faketime_lib" SDL_AUDIODRIVER=dummy)
env "${clock[@]}" "$program" >"$work/first.log" 2>&1 &
first=$!
env "${clock[@]}" "$program" >"$work/second.log" 2>&1 &
second=$!
pids+=($first $second)
window_of() { xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null | head -n 1 | grep .; }
waitfor 60 window_of "$first" '^Pocketrix - ' && waitfor 60 window_of "$second" '^Pocketrix - ' ||
    { echo "FAIL: the main windows did not appear"; exit 1; }
# From now on every delete of the first instance waits 8 s before it happens.
strace -f -p "$first" -o "$work/strace.log" -e trace=unlink,unlinkat -e inject=unlink,unlinkat:delay_enter=8000000 \
    2>"$work/strace.err" &
pids+=($!)
waitfor 10 grep -q attached "$work/strace.err" || { echo "FAIL: strace did not attach"; cat "$work/strace.err"; exit 1; }
press_in() { # instance, then a point of its main window
    local main
    main=$(window_of "$1" '^Pocketrix - ')
    xdotool windowactivate --sync "$main"
    click_in "$main" "$2" "$3"
    sleep 0.5
}
jotter_reads() { # instance, text: its reminder Jotter is up with the text, read by way of the clipboard
    local jotter
    jotter=$(window_of "$1" '^Jotter - Reminder!$') || return 1
    xdotool windowactivate --sync "$jotter" key --clearmodifiers ctrl+a ctrl+c
    sleep 0.3
    test "$(xclip -o -selection clipboard)" = "$2"
}

press_in "$first" 277 130 # the Jotter button
check "the first instance takes the reminder under a name of its own" \
    waitfor 5 sh -c '! test -e 07122026.rem && ls 07122026.rem.taken-*'
press_in "$second" 166 38  # the "Calendar" tab
press_in "$second" 289 138 # "Generate Reminder"
waitfor 30 window_of "$second" '^Generate Reminder For' || { echo "FAIL: the reminder window did not open"; exit 1; }
xdotool windowactivate --sync "$(window_of "$second" '^Generate Reminder For')"
xdotool type --delay 20 'New reminder'
xdotool key Tab space # "OK"
check "the second instance saves its reminder while the first still holds the old one" \
    waitfor 5 sh -c 'test "$(cat 07122026.rem)" = "New reminder" && ls 07122026.rem.taken-*'
check "the first instance's Jotter shows the old reminder" waitfor 20 jotter_reads "$first" "Old reminder"
press_in "$second" 19 38   # the "Programs" tab
press_in "$second" 277 130 # the Jotter button
check "the second instance's Jotter shows the new reminder" waitfor 10 jotter_reads "$second" "New reminder"
check "no reminder file is left" sh -c '! ls *.rem* 2>/dev/null'
check "no message box came up" test -z "$(xdotool search --onlyvisible --name '^Pocketrix$' 2>/dev/null)"

kill "${pids[2]}" "$first" "$second" # strace first, so that it lets go
wait 2>/dev/null
if grep -q -E "Sanitizer|runtime error" "$work/first.log" "$work/second.log"; then
    echo "FAIL: a program reported:"
    cat "$work/first.log" "$work/second.log"
    failures=$((failures + 1))
fi
exit $failures
