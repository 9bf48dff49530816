#!/bin/bash
# A small full-able disk for the file tests: mounts a tmpfs of 64 KiB with
# room for only two entries and maps it as a Wine drive letter (a link in
# the prefix's dosdevices), or takes both away again.
#   scratch-drive.sh mount|unmount FOLDER LETTER
set -u
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/common.sh"

if [ $# -ne 3 ]; then
    echo "usage: scratch-drive.sh mount|unmount FOLDER LETTER" >&2
    exit 2
fi
action="$1"
folder="$2"
letter="$(echo "$3" | tr 'A-Z' 'a-z')"
link="$ZR8_WINEPREFIX/dosdevices/$letter:"

unmount() {
    if [ -L "$link" ] && [ "$(readlink "$link")" = "$folder" ]; then
        rm -f "$link"
    fi
    if mountpoint -q "$folder" 2>/dev/null; then
        umount "$folder" 2>/dev/null || umount -l "$folder"
    fi
}

case "$action" in
mount)
    unmount
    if [ -e "$link" ] || [ -L "$link" ]; then
        echo "scratch-drive: drive $letter: is already used in $ZR8_WINEPREFIX" >&2
        exit 1
    fi
    mkdir -p "$folder"
    if ! mount -t tmpfs -o size=64k,nr_inodes=3,mode=0777 zr8scratch "$folder"; then
        echo "scratch-drive: cannot mount a tmpfs on $folder (needs root)" >&2
        exit 1
    fi
    ln -s "$folder" "$link"
    ;;
unmount)
    unmount
    ;;
*)
    echo "scratch-drive: unknown action $action" >&2
    exit 2
    ;;
esac
