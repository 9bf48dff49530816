#!/bin/bash
# The drives of the file tests, set up in the Wine prefix and taken away
# again:
#  - a small full-able disk: a tmpfs of 64 KiB with room for only two
#    entries, mapped as drive R;
#  - one drive of each kind Wine can report, typed through
#    HKLM\Software\Wine\Drives: F a floppy with a medium, G a floppy with
#    none (its folder is missing), N a network drive, O a CD-ROM.
# Wine's mount manager reads the drive types when the server starts, so the
# server is restarted (detached from our pipes) after the change. The old
# registry values are saved and put back.
#   drives.sh mount|unmount FOLDER
set -u
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/common.sh"
zr8_wine_env

if [ $# -ne 2 ]; then
    echo "usage: drives.sh mount|unmount FOLDER" >&2
    exit 2
fi
action="$1"
folder="$(realpath -m "$2")"  # the links in dosdevices need it absolute
scratch="$folder/scratch"
typed="$folder/typed"
key='HKEY_LOCAL_MACHINE\Software\Wine\Drives'
kinds="f:floppy:medium g:floppy:no-medium n:network:network o:cdrom:cdrom"

link() { echo "$ZR8_WINEPREFIX/dosdevices/$1:"; }

unmount() {
    local entry letter
    if [ -f "$folder/restore.reg" ]; then
        wine regedit /S "$(winepath -w "$folder/restore.reg" 2>/dev/null)" </dev/null >/dev/null 2>&1
        rm -f "$folder/restore.reg"
    fi
    for entry in r:scratch $kinds; do
        letter="${entry%%:*}"
        if [ -L "$(link "$letter")" ] && [[ "$(readlink "$(link "$letter")")" == "$folder"/* ]]; then
            rm -f "$(link "$letter")"
        fi
    done
    if mountpoint -q "$scratch" 2>/dev/null; then
        umount "$scratch" 2>/dev/null || umount -l "$scratch"
    fi
    rm -rf "$typed"
}

mount_all() {
    local entry letter kind target old
    for entry in r:scratch $kinds; do
        letter="${entry%%:*}"
        if [ -e "$(link "$letter")" ] || [ -L "$(link "$letter")" ]; then
            echo "drives: drive $letter: is already used in $ZR8_WINEPREFIX" >&2
            return 1
        fi
    done
    mkdir -p "$scratch" "$typed/medium" "$typed/network" "$typed/cdrom"
    if ! mount -t tmpfs -o size=64k,nr_inodes=3,mode=0777 zr8scratch "$scratch"; then
        echo "drives: cannot mount a tmpfs on $scratch (needs root)" >&2
        return 1
    fi
    ln -s "$scratch" "$(link r)"

    # Remember the old values (or their absence), then type the drives.
    local saved
    saved=$(wine reg query "$key" </dev/null 2>/dev/null | tr -d '\r')
    printf 'REGEDIT4\n\n[%s]\n' "$key" >"$folder/restore.reg"
    printf 'REGEDIT4\n\n[%s]\n' "$key" >"$folder/types.reg"
    for entry in $kinds; do
        IFS=: read -r letter kind target <<<"$entry"
        old=$(awk -v name="$letter:" '$1 == name && $2 == "REG_SZ" { print $3 }' <<<"$saved")
        if [ -n "$old" ]; then
            printf '"%s:"="%s"\n' "$letter" "$old" >>"$folder/restore.reg"
        else
            printf '"%s:"=-\n' "$letter" >>"$folder/restore.reg"
        fi
        printf '"%s:"="%s"\n' "$letter" "$kind" >>"$folder/types.reg"
        ln -s "$typed/$target" "$(link "$letter")"
    done
    wine regedit /S "$(winepath -w "$folder/types.reg")" </dev/null >/dev/null 2>&1
    rm -f "$folder/types.reg"
    zr8_stop_wine
    zr8_warm_wine
}

case "$action" in
mount)
    unmount
    mount_all || { unmount; exit 1; }
    ;;
unmount)
    unmount
    ;;
*)
    echo "drives: unknown action $action" >&2
    exit 2
    ;;
esac
