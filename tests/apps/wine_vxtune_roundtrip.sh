#!/bin/sh
# profile C, apply and restore with the Windows vxtune under Wine, on Wine's real
# registry: the journal and the applied values must match the host vxtune's run
# on the same machine, and restore must give back every exported key exactly.
# Usage: wine_vxtune_roundtrip.sh SOURCE_DIR HOST_VXTUNE WINDOWS_VXTUNE WORK_DIR
set -eu
. "$(dirname "$0")/wine_vxtune_common.sh"
write_clear_reg 'HKEY_LOCAL_MACHINE\Software\Quorvex'



failures=0
compare() {  # what, expected file, actual file
    if cmp -s "$2" "$3"; then
        echo "ok: $scenario: $1"
    else
        echo "FAILED: $scenario: $1"
        diff "$2" "$3" || true
        failures=$((failures + 1))
    fi
}

# run FIXTURE OS WINE_VERSION KEY...: the round trip on one machine.
run() {
    fixture=$1 os=$2 version=$3
    shift 3
    scenario="$fixture as $version"
    : >keys.txt
    : >patterns.txt
    for key in "$@"; do
        echo "$services\\$key" >>keys.txt
        printf '[%s]|\n[%s\\\n' "$services\\$key" "$services\\$key" >>patterns.txt
    done

    "$root/scripts/wine-version" "$version"
    in_wine regedit /s clear.reg
    in_wine regedit /s "$root/$fixture"
    export_state start.reg
    flatten start.reg >start.txt

    # The host run starts from the same state, read back from Wine.
    cp start.reg host.reg
    "$host_vxtune" --registry host.reg --os "$os" profile C
    "$host_vxtune" --registry host.reg --os "$os" apply
    "$host_vxtune" --registry host.reg --os "$os" journal >host-journal.txt
    flatten host.reg >host-applied.txt
    "$host_vxtune" --registry host.reg --os "$os" restore
    flatten host.reg >host-restored.txt

    in_wine "$windows_vxtune" profile C
    in_wine "$windows_vxtune" apply
    in_wine "$windows_vxtune" journal >wine-journal.txt
    export_state applied.reg
    flatten applied.reg >wine-applied.txt
    in_wine "$windows_vxtune" restore
    export_state restored.reg
    flatten restored.reg >wine-restored.txt

    [ -s host-journal.txt ] || { echo "FAILED: $scenario: the host run journalled nothing"; failures=$((failures + 1)); }
    compare "journal after apply" host-journal.txt wine-journal.txt
    compare "values after apply" host-applied.txt wine-applied.txt
    compare "host restore gives the start back" start.txt host-restored.txt
    compare "Wine restore gives the start back" start.txt wine-restored.txt
}

run tests/engine/fixtures/win98.reg 98 win98 'VxD\MSTCP' 'VxD\NWLink' 'Class\NetTrans'
run tests/engine/fixtures/winxp.reg xp winxp 'Tcpip\Parameters' 'Netbt\Parameters'
[ "$failures" -eq 0 ]
