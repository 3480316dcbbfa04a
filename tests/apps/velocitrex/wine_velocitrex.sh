#!/bin/sh
# velocitrex.exe under Wine on a virtual X display, operated with a person's
# clicks (xdotool on screen coordinates), with Wine's version set to winxp and to
# win98 in turn and Wine's registry loaded with the engine's fixtures: the
# automatic cable path from start to "Reboot Later" must leave the registry as
# vxtune's "profile C" + "apply" leave it; the tray icon's menu opens on a right
# click and shows the About box; a second copy ends at once without a window; a
# "/S" run plays the animation, goes to the tray and writes nothing. Screenshots
# of every window go to SCREENS.
# Usage: wine_velocitrex.sh SOURCE_DIR HOST_VXTUNE VELOCITREX_EXE WORK_DIR SCREENS
set -eu
screens=$5
. "$(dirname "$0")/../wine_vxtune_common.sh"
write_clear_reg 'HKEY_LOCAL_MACHINE\Software\Quorvex'
mkdir -p "$screens"
exe=$windows_vxtune

# The values under the tuned keys, one "[key]|value" line each, sorted. Wine
# writes the host's own name into "Hostname" whenever a program starts.
flatten_services() {
    "$host_vxtune" --registry "$1" dump | awk '
        /^\[/ { section = $0; next }
        /^$/ || /^REGEDIT4/ { next }
        { print section "|" $0 }' | grep -F 'CurrentControlSet\Services' | grep -v '|"Hostname"=' | LC_ALL=C sort
}

failures=0
# walk VERSION: the clicks, on the virtual display, with screenshots.
walk() {
    timeout 180 xvfb-run -a -s "-screen 0 1024x768x24" "$root/scripts/velocitrex-walk" "$exe" "$screens/$1"
}

run() {
    fixture=$1 os=$2 version=$3
    shift 3
    : >keys.txt
    for key in "$@"; do echo "$services\\$key" >>keys.txt; done
    "$root/scripts/wine-version" "$version"
    in_wine regedit /s clear.reg
    in_wine regedit /s "$root/$fixture"
    export_state start.reg
    cp start.reg host.reg
    "$host_vxtune" --registry host.reg --os "$os" profile C >/dev/null
    "$host_vxtune" --registry host.reg --os "$os" apply >/dev/null
    flatten_services host.reg >expected.txt

    # Wine's processes from the imports have no display: let them end first, or
    # the program would join their display-less desktop and get no windows.
    WINEPREFIX="$VX_WINEPREFIX" /usr/lib/wine/wineserver -w
    if ! walk "$version"; then
        echo "FAILED: $version: the walk"
        failures=$((failures + 1))
        return
    fi
    "$root/scripts/wine-run" wineboot -k >/dev/null 2>&1 || true
    export_state after.reg
    flatten_services after.reg >actual.txt
    if cmp -s expected.txt actual.txt; then
        echo "ok: $version: the registry equals vxtune's profile C + apply"
    else
        echo "FAILED: $version: the registry differs from vxtune's profile C + apply"
        diff expected.txt actual.txt || true
        failures=$((failures + 1))
    fi
    silent_run "$version"
}

# silent_run VERSION: "/S" must leave the tuned keys and the program's own key as
# they were: the tuned values, the journal and the stored preferences.
silent_run() {
    cp keys.txt silent-keys.txt
    echo 'HKEY_LOCAL_MACHINE\Software\Quorvex' >>silent-keys.txt
    export_state silent-before.reg silent-keys.txt
    "$host_vxtune" --registry silent-before.reg dump | grep -v '"Hostname"=' >silent-before.txt
    WINEPREFIX="$VX_WINEPREFIX" /usr/lib/wine/wineserver -w
    if ! timeout 120 xvfb-run -a -s "-screen 0 1024x768x24" "$root/scripts/velocitrex-silent-walk" "$exe" "$screens/$1"; then
        echo "FAILED: $1: the /S run"
        failures=$((failures + 1))
        return
    fi
    "$root/scripts/wine-run" wineboot -k >/dev/null 2>&1 || true
    export_state silent-after.reg silent-keys.txt
    "$host_vxtune" --registry silent-after.reg dump | grep -v '"Hostname"=' >silent-after.txt
    if cmp -s silent-before.txt silent-after.txt; then
        echo "ok: $1: the /S run wrote nothing"
    else
        echo "FAILED: $1: the /S run changed the registry"
        diff silent-before.txt silent-after.txt || true
        failures=$((failures + 1))
    fi
}

run tests/engine/fixtures/winxp.reg xp winxp 'Tcpip\Parameters' 'Netbt\Parameters'
run tests/engine/fixtures/win98.reg 98 win98 'VxD\MSTCP' 'Class\NetTrans'
echo "screenshots: $screens"
[ $failures = 0 ]
