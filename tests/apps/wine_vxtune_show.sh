#!/bin/sh
# The Windows vxtune under Wine, against Wine's own registry and version query,
# must show what the host vxtune shows for the same machine.
# Usage: wine_vxtune_show.sh SOURCE_DIR HOST_VXTUNE WINDOWS_VXTUNE WORK_DIR
set -eu
root=$1
host_vxtune=$2
windows_vxtune=$3
work=$4

if [ ! -x "$host_vxtune" ]; then
    echo "SKIPPED: no host vxtune at $host_vxtune to compare with (build the host preset first)"
    exit 0
fi

# A prefix of its own: the checks change Wine's version and system keys.
export VX_WINEPREFIX="$work/wineprefix"
mkdir -p "$work"
cd "$work"
cat >clear.reg <<'REG'
REGEDIT4

[-HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\VxD\MSTCP]
[-HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\VxD\NWLink]
[-HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\NetTrans]
[-HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Tcpip\Parameters]
[-HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Netbt\Parameters]
REG

in_wine() { "$root/scripts/wine-run" "$@" | tr -d '\r'; }

failures=0
# check FILE OS WINE_VERSION: the machine in FILE, as Windows OS.
check() {
    cp "$root/$1" machine.reg
    "$root/scripts/wine-version" "$3"
    in_wine regedit /s clear.reg
    in_wine regedit /s machine.reg
    for command in platform show; do
        "$host_vxtune" --registry machine.reg --os "$2" "$command" >expected.txt
        in_wine "$windows_vxtune" "$command" >actual.txt
        if cmp -s expected.txt actual.txt; then
            echo "ok: $1 under Wine $3: $command"
        else
            echo "FAILED: $1 under Wine $3: $command differs from the host's --os $2"
            diff expected.txt actual.txt || true
            failures=$((failures + 1))
        fi
    done
}

check samples/win98.reg 98 win98
check samples/winxp.reg xp winxp
check tests/engine/fixtures/win98.reg 98 win98
check tests/engine/fixtures/win98.reg me winme
check tests/engine/fixtures/winxp.reg xp winxp
check tests/engine/fixtures/winxp.reg 2000 win2k
[ "$failures" -eq 0 ]
