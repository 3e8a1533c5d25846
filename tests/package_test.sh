#!/bin/bash
# Builds the .deb (in its own build folder, for the installed paths), unpacks it into a
# scratch root, validates its desktop files, and starts the installed program from its
# launcher under Xvfb, with a fresh home folder.
set -euo pipefail
export QT_QPA_PLATFORM=xcb
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=$source_dir/build-package
cmake -S "$source_dir" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DPOCKETRIX_SOUND_DIR=/usr/share/pocketrix >/dev/null
cmake --build "$build" --target pocketrix >/dev/null
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
trap 'echo "FAIL: line $LINENO of the package test: $BASH_COMMAND"' ERR

(cd "$build" && cpack -G DEB -B "$scratch/package" >/dev/null)
deb=$(ls "$scratch"/package/*.deb)
info=$(dpkg-deb --info "$deb")
[[ "$info" == *"Package: pocketrix"* ]]
dpkg -x "$deb" "$scratch/root"
root=$scratch/root

for file in usr/bin/pocketrix usr/bin/pocketrix-launch usr/share/applications/org.pocketrix.Pocketrix.desktop \
            usr/share/metainfo/org.pocketrix.Pocketrix.metainfo.xml usr/share/icons/hicolor/48x48/apps/pocketrix.png \
            usr/share/pocketrix/frontend; do
    [ -e "$root/$file" ] || { echo "FAIL: the package lacks /$file"; exit 1; }
done
grep -q "^POCKETRIX_SOUND_DIR:PATH=/usr/share/pocketrix$" "$build/CMakeCache.txt" ||
    { echo "FAIL: the packaged program was not built to read its sound from the installed folder"; exit 1; }
[ -f "$root/usr/share/pocketrix/albeep.wav" ] || { echo "FAIL: the package lacks the alarm sound"; exit 1; }
desktop-file-validate "$root/usr/share/applications/org.pocketrix.Pocketrix.desktop"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/org.pocketrix.Pocketrix.metainfo.xml" >/dev/null

home=$scratch/home
mkdir -p "$home"
title=$(HOME=$home XDG_DATA_HOME= "$source_dir/tests/main_window_title.sh" "$root/usr/bin/pocketrix-launch")
case "$title" in
"Pocketrix - "*) echo "ok: the installed launcher opened: $title" ;;
*) echo "FAIL: no main window from the installed launcher"; exit 1 ;;
esac
folder=$home/.local/share/pocketrix
[ -L "$folder/frontend" ] || { echo "FAIL: the launcher prepared no folder with the help data"; exit 1; }
[ "$(readlink -f "$folder/frontend")" = "$(readlink -f "$root/usr/share/pocketrix/frontend")" ] ||
    { echo "FAIL: the help link points elsewhere"; exit 1; }
echo "ok: the launcher runs in $folder with frontend/ linked to the installed help"
