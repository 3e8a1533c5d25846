#!/bin/bash
# Starts a program on the X display of DISPLAY (see desktop/run_on_desktop.sh) and prints
# the title of its main window once it shows one (or nothing after 30 s: a loaded machine,
# a sanitized build); the program's error output goes to the file given.
#   main_window_title.sh PROGRAM [ERROR-LOG]
program=$1
log=${2:-/dev/null}
export QT_QPA_PLATFORM=xcb
"$program" 2>>"$log" &
pid=$!
for _ in $(seq 1 300); do
    title=$(xdotool search --name "^Pocketrix - " getwindowname 2>/dev/null | head -n 1)
    [ -n "$title" ] && break
    sleep 0.1
done
kill $pid 2>/dev/null
wait $pid 2>/dev/null
printf "%s" "$title"
