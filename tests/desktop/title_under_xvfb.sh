#!/bin/bash
# Starts the real program on the X server of run_on_desktop.sh with a faked clock and reads
# its title bar, for each locale and moment below.
set -u
# The real windows on the X server, whatever the rest of the suite uses.
export QT_QPA_PLATFORM=xcb
program=$1
# From the repository root, where the help data is.
cd "$(dirname "$0")/../.."
here=$PWD
faketime_lib=$(ls /usr/lib/*/faketime/libfaketimeMT.so.1 2>/dev/null | head -n 1)
[ -n "$faketime_lib" ] || { echo "libfaketime is not installed"; exit 1; }

failures=0
log=$(mktemp)
trap 'rm -f "$log"' EXIT
check() {
    local lang=$1 start=$2 expected=$3
    local seen
    seen=$(LANG=$lang LC_ALL= LC_TIME= FAKETIME="@$start" LD_PRELOAD="$faketime_lib" \
        "$here/tests/desktop/main_window_title.sh" "$program" "$log")
    if [ "$seen" = "$expected" ]; then
        echo "ok: LANG=$lang at $start: $seen"
    else
        echo "FAIL: LANG=$lang at $start: expected '$expected', saw '$seen'"
        failures=$((failures + 1))
    fi
}

check en_US.UTF-8 "2026-12-07 22:28:05" "Pocketrix - Monday, December 7, 2026  10:28 PM"
check C "2026-12-07 22:28:05" "Pocketrix - December 7, 2026  10:28 PM"
check C "2027-01-01 00:05:00" "Pocketrix - January 1, 2027  12:05 AM"
if grep -q -E "Sanitizer|runtime error" "$log"; then
    echo "FAIL: the program reported:"
    cat "$log"
    failures=$((failures + 1))
fi
exit $failures
