#!/bin/sh
# The Windows vxtune under Wine, against Wine's own registry and version query,
# must show what the host vxtune shows for the same machine.
# Usage: wine_vxtune_show.sh SOURCE_DIR HOST_VXTUNE WINDOWS_VXTUNE WORK_DIR
set -eu
. "$(dirname "$0")/wine_vxtune_common.sh"
write_clear_reg

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
