#!/bin/bash
# Runs a command on a desktop of its own: "x11" is an X server (Xvfb) with the openbox
# window manager, "wayland" the weston compositor with its headless backend.
set -u
kind=$1
shift
source "$(dirname "$0")/common.sh"


case "$kind" in
x11)
    command -v Xvfb >/dev/null && command -v openbox >/dev/null || { echo "Xvfb or openbox is not installed"; exit 1; }
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    pids+=($!)
    waitfor 10 test -s "$work/display" || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
    export DISPLAY=":$(cat "$work/display")"
    unset WAYLAND_DISPLAY
    # On a loaded machine the window manager may give up on a server that is slow to
    # answer; it gets three tries. One that is merely slow is waited for: a second started
    # beside it would fight it for the screen, and the windows might never be shown.
    wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }
    wm_ready_or_gone() { wm_ready || ! kill -0 "$1" 2>/dev/null; }
    for try in 1 2 3; do
        openbox --sm-disable >"$work/openbox.log" 2>&1 &
        pids+=($!)
        waitfor 60 wm_ready_or_gone $!
        wm_ready && break
        [ $try -lt 3 ] && ! kill -0 $! 2>/dev/null || { echo "openbox did not start"; cat "$work/openbox.log" "$work/xvfb.log"; exit 1; }
    done
    export QT_QPA_PLATFORM=xcb
    ;;
wayland)
    command -v weston >/dev/null || { echo "weston is not installed"; exit 1; }
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    weston --backend=headless-backend.so --socket=pocketrix --idle-time=0 --width=1280 --height=800 \
        >"$work/weston.log" 2>&1 &
    pids+=($!)
    waitfor 10 test -S "$XDG_RUNTIME_DIR/pocketrix" || { echo "weston did not start"; cat "$work/weston.log"; exit 1; }
    export WAYLAND_DISPLAY=pocketrix QT_QPA_PLATFORM=wayland
    unset DISPLAY
    ;;
*)
    echo "usage: $0 x11|wayland command..." >&2
    exit 2
    ;;
esac

export POCKETRIX_DESKTOP=$kind
"$@"
