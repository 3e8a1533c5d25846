#!/bin/bash
# Starts the real program on the X server of run_on_desktop.sh with its own session bus
# (and so its own accessibility bus) and checks what a screen reader finds in it.
set -u
export QT_QPA_PLATFORM=xcb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export SDL_AUDIODRIVER=dummy
export NO_AT_BRIDGE=0
export LANG=C.UTF-8
program=$1
cd "$(dirname "$0")/../.."
for tool in dbus-run-session /usr/bin/python3; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 1; }
done
exec dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/accessibility_test.py" "$@"
