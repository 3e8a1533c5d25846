# Shared by the desktop tests' scripts: background processes ended on exit, waiting,
# checks that count failures, and the windows on the X display.
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A clock faked by libfaketime from "$work/clock" (FAKETIME_TIMESTAMP_FILE) runs this many
# seconds ahead of the real one: set_clock "2026-12-09 23:59:45".
set_clock() { printf "%+d\n" $(($(date -d "$1" +%s) - $(date +%s))) >"$work/clock"; }
waitfor() { # seconds, then a command that succeeds once the wait is over
    local tries=$(($1 * 10))
    shift
    until "$@" >/dev/null 2>&1; do
        tries=$((tries - 1))
        [ $tries -gt 0 ] || return 1
        sleep 0.1
    done
}

failures=0
check() { # what, then a command that holds when it is right
    local what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAIL: $what"; failures=$((failures + 1)); fi
}
visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null; }
# A click at a point of a window's client area, in the definitions' pixels.
click_in() {
    local X Y
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^[XY]=')"
    xdotool mousemove $((X + $2)) $((Y + $3)) click 1
}
