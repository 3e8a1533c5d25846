#!/bin/bash
# Builds the .deb (in its own build folder, for the installed paths) and holds it to
# Debian's checker, lintian: any error or warning fails. Unpacks it to check its files,
# then installs it with apt into a clean Debian 12 root (a minimal debootstrap, in a
# throwaway chroot) and starts the installed program from its launcher on the X server of
# run_on_desktop.sh, with
# a fresh home folder. Where no clean root can be had (not root, no debootstrap, no
# network, no mounts) the program is started from the unpacked files instead.
#
# The clean root's base system and the packages apt fetched are kept in $cache, renewed
# every 30 days; delete that folder for a run from nothing.
set -euo pipefail
export QT_QPA_PLATFORM=xcb
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build=$source_dir/build-package
cache=/var/cache/pocketrix-package-test
suite=bookworm
mirror=http://deb.debian.org/debian
cmake -S "$source_dir" --preset build-package >/dev/null
cmake --build "$build" --target pocketrix >/dev/null
scratch=$(mktemp -d)
# --one-file-system: never follows into anything still mounted in a root.
trap 'rm -rf --one-file-system "$scratch"' EXIT
trap 'echo "FAIL: line $LINENO of the package test: $BASH_COMMAND"' ERR

(cd "$build" && cpack -G DEB -B "$scratch/package" >/dev/null)
deb=$(ls "$scratch"/package/pocketrix_*.deb)
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes, Installed-Size $(dpkg-deb -f "$deb" Installed-Size) KiB"

# Lintian's informational tags (I:) may stay; errors and warnings may not.
command -v lintian >/dev/null || { echo "FAIL: lintian is not installed"; exit 1; }
lintian_status=0
lintian_output=$(lintian --fail-on error,warning "$deb" 2>"$scratch/lintian.err") || lintian_status=$?
[ -z "$lintian_output" ] || echo "$lintian_output"
if [ "$lintian_status" -ne 0 ] || grep -q '^[EW]: ' <<<"$lintian_output"; then
    cat "$scratch/lintian.err"
    echo "FAIL: lintian finds errors or warnings in the package, or cannot check it (status $lintian_status)"
    exit 1
fi
echo "ok: lintian finds no error or warning"

[ "$(dpkg-deb -f "$deb" Package)" = pocketrix ]
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] || { echo "FAIL: the package does not recommend qt6-wayland"; exit 1; }
dpkg -x "$deb" "$scratch/root"
root=$scratch/root

for file in usr/bin/pocketrix usr/bin/pocketrix-launch usr/share/applications/org.pocketrix.Pocketrix.desktop \
            usr/share/metainfo/org.pocketrix.Pocketrix.metainfo.xml usr/share/icons/hicolor/48x48/apps/pocketrix.png \
            usr/share/pocketrix/frontend usr/share/man/man1/pocketrix.1.gz usr/share/man/man1/pocketrix-launch.1.gz \
            usr/share/doc/pocketrix/copyright usr/share/doc/pocketrix/changelog.gz; do
    [ -e "$root/$file" ] || { echo "FAIL: the package lacks /$file"; exit 1; }
done
grep -q "^POCKETRIX_SOUND_DIR:PATH=/usr/share/pocketrix$" "$build/CMakeCache.txt" ||
    { echo "FAIL: the packaged program was not built to read its sound from the installed folder"; exit 1; }
[ -f "$root/usr/share/pocketrix/albeep.wav" ] || { echo "FAIL: the package lacks the alarm sound"; exit 1; }
changelog_version=$(zcat "$root/usr/share/doc/pocketrix/changelog.gz" | sed -n '1s/^pocketrix (\([^)]*\)).*/\1/p')
[ "$changelog_version" = "$(dpkg-deb -f "$deb" Version)" ] ||
    { echo "FAIL: the changelog's latest entry ($changelog_version) is not the package's version"; exit 1; }
desktop-file-validate "$root/usr/share/applications/org.pocketrix.Pocketrix.desktop"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/org.pocketrix.Pocketrix.metainfo.xml" >/dev/null

# Runs a command as root in the root folder given, with /proc mounted in a mount namespace
# of its own: the mount goes when the command ends, however it ends.
in_root() {
    unshare --mount --propagation private sh -c 'mount -t proc proc "$0/proc" && exec chroot "$0" "$@"' "$@"
}

# Makes the cached base system: a minimal Debian 12 whose package lists are fetched once.
make_base() {
    local base=$scratch/base
    # In a mount namespace of its own, so that its mounts in the new root cannot outlive it.
    unshare --mount --propagation private debootstrap --variant=minbase "$suite" "$base" "$mirror" \
        >"$scratch/debootstrap.log" 2>&1 || { tail -n 5 "$scratch/debootstrap.log"; return 1; }
    printf 'deb %s %s main\n' "$mirror" "$suite" "$mirror" "$suite-updates" \
        http://deb.debian.org/debian-security "$suite-security" >"$base/etc/apt/sources.list"
    in_root "$base" apt-get update -qq >/dev/null 2>&1 || return 1
    rm -f "$base/var/cache/apt/archives/"*.deb
    tar -C "$base" -cf "$cache/base.tar.new" . && mv "$cache/base.tar.new" "$cache/base.tar" || return 1
    rm -rf --one-file-system "$base"
}

# Prepares $clean, a fresh copy of the base system, or sets $why to why there is none.
clean_root() {
    [ "$(id -u)" -eq 0 ] || { why="not root"; return 1; }
    command -v debootstrap >/dev/null || { why="debootstrap is not installed"; return 1; }
    unshare --mount --propagation private true 2>/dev/null || { why="no mount namespace"; return 1; }
    mkdir -p "$cache/archives" 2>/dev/null || { why="cannot write $cache"; return 1; }
    exec 9>"$cache/lock"
    flock -w 1200 9 || { why="$cache stays locked"; return 1; }
    if [ -z "$(find "$cache/base.tar" -mtime -30 2>/dev/null)" ]; then
        rm -f "$cache/archives/"*.deb
        make_base || { why="no base system from $mirror"; flock -u 9; return 1; }
    fi
    flock -u 9
    clean=$scratch/clean
    mkdir "$clean" && tar -C "$clean" -xf "$cache/base.tar" || { why="cannot unpack $cache/base.tar"; return 1; }
    # Hard links where the cache is on the same file system; apt only reads them.
    cp -l "$cache/archives/"*.deb "$clean/var/cache/apt/archives/" 2>/dev/null ||
        cp "$cache/archives/"*.deb "$clean/var/cache/apt/archives/" 2>/dev/null || true
    # The name server of today, not of the day the base was made.
    cp -L --remove-destination /etc/resolv.conf "$clean/etc/resolv.conf" 2>/dev/null || true
    in_root "$clean" apt-get update -qq >/dev/null 2>&1 || { why="apt could not reach $mirror"; return 1; }
}

why=
clean=
if clean_root; then
    # Recommends are left out, so the package's dependencies alone must carry the program.
    cp "$deb" "$clean/tmp/"
    if ! in_root "$clean" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
            -o Acquire::Retries=3 "/tmp/$(basename "$deb")" >"$scratch/apt.log" 2>&1; then
        cat "$scratch/apt.log"
        echo "FAIL: apt cannot install the package on a clean Debian 12"
        exit 1
    fi
    echo "ok: apt installed it on a clean Debian 12 with $(grep -o '[0-9]* newly installed' "$scratch/apt.log")"
    { flock -w 600 9 && cp -n "$clean/var/cache/apt/archives/"*.deb "$cache/archives/"; flock -u 9; } 2>/dev/null || true
    in_root "$clean" apt-get install -s -q qt6-wayland >/dev/null ||
        { echo "FAIL: the recommended qt6-wayland cannot be installed"; exit 1; }

    missing=$(in_root "$clean" ldd /usr/bin/pocketrix | grep 'not found' || true)
    [ -z "$missing" ] || { echo "FAIL: libraries missing on a clean system: $missing"; exit 1; }
    libraries=$(in_root "$clean" ldconfig -p)
    grep -q 'libSDL2-2\.0\.so\.0 ' <<<"$libraries" || { echo "FAIL: the sound library is missing on a clean system"; exit 1; }
    families=$(in_root "$clean" fc-list : family)
    for family in "Liberation Sans" "Liberation Serif"; do
        grep -qx "$family" <<<"$families" || { echo "FAIL: no font $family on a clean system"; exit 1; }
    done
    default_font=$(in_root "$clean" fc-match -f '%{family}' "Sans Serif")
    [ "$default_font" = "DejaVu Sans" ] ||
        { echo "FAIL: the default font on a clean system is $default_font, not DejaVu Sans"; exit 1; }
    echo "ok: its libraries, the sound library and its fonts are there"

    # Started through the launcher in the clean root, on the X server of run_on_desktop.sh,
    # which the root reaches through its abstract socket.
    printf '%s\n' '#!/bin/sh' \
        'exec unshare --mount --propagation private sh -c '\''mount -t proc proc "$0/proc" && exec chroot "$0" env -i HOME=/root PATH=/usr/bin:/bin LANG=C.UTF-8 DISPLAY="$1" QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy /usr/bin/pocketrix-launch'\'' "$CLEAN" "$DISPLAY"' \
        >"$scratch/start-in-clean-root"
    chmod +x "$scratch/start-in-clean-root"
    title=$(CLEAN=$clean "$source_dir/tests/desktop/main_window_title.sh" "$scratch/start-in-clean-root")
    where="the launcher installed on a clean Debian 12"
    folder=$clean/root/.local/share/pocketrix
    help_link=$(readlink "$folder/frontend" || true)
    installed_help=/usr/share/pocketrix/frontend
else
    echo "note: no clean root ($why); the program starts from the unpacked package instead"
    home=$scratch/home
    mkdir -p "$home"
    title=$(HOME=$home XDG_DATA_HOME= "$source_dir/tests/desktop/main_window_title.sh" "$root/usr/bin/pocketrix-launch")
    where="the unpacked launcher"
    folder=$home/.local/share/pocketrix
    help_link=$(readlink -f "$folder/frontend" || true)
    installed_help=$(readlink -f "$root/usr/share/pocketrix/frontend")
fi
case "$title" in
"Pocketrix - "*) echo "ok: $where opened: $title" ;;
*) echo "FAIL: no main window from $where"; exit 1 ;;
esac
[ -L "$folder/frontend" ] || { echo "FAIL: the launcher prepared no folder with the help data"; exit 1; }
[ "$help_link" = "$installed_help" ] || { echo "FAIL: the help link points to $help_link"; exit 1; }
echo "ok: the launcher runs in $folder with frontend/ linked to the installed help"
