#!/bin/sh
# velocitrex.exe under Wine on a virtual X display, operated with a person's
# clicks (xdotool on screen coordinates), with Wine's version set to winxp and to
# win98 in turn and Wine's registry loaded with the engine's fixtures: the
# automatic cable path from start to "Reboot Later" must leave the registry as
# vxtune's "profile C" + "apply" leave it; a second copy ends at once without a
# window. Screenshots of every window go to SCREENS.
# Usage: wine_velocitrex.sh SOURCE_DIR HOST_VXTUNE VELOCITREX_EXE WORK_DIR SCREENS
set -eu
screens=$5
. "$(dirname "$0")/../wine_vxtune_common.sh"
write_clear_reg 'HKEY_LOCAL_MACHINE\Software\Quorvex'
mkdir -p "$screens"
exe=$windows_vxtune

flatten() {
    "$host_vxtune" --registry "$1" dump | grep -v '^REGEDIT4' | grep -v '^$' | LC_ALL=C sort
}
export_state() {
    printf 'REGEDIT4\n\n' >"$1"
    while read -r key; do
        rm -f part.reg
        if in_wine regedit /e part.reg "$key" >/dev/null 2>&1 && [ -s part.reg ]; then
            "$host_vxtune" --registry part.reg dump | tail -n +2 >>"$1"
        fi
    done <keys.txt
}

failures=0
# walk VERSION: the clicks, on the virtual display, with screenshots.
walk() {
    timeout 180 xvfb-run -a -s "-screen 0 1024x768x24" sh -s "$root" "$exe" "$screens/$1" <<'WALK'
root=$1 exe=$2 prefix=$3
wait_for() {  # TITLE: the window's id once it shows
    tries=0
    until id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) && [ -n "$id" ]; do
        tries=$((tries + 1))
        [ $tries -gt 300 ] && { echo "FAILED: no window $1" >&2; return 1; }
        sleep 0.2
    done
    echo "$id"
}
origin() {  # ID: "X Y" of the window
    xdotool getwindowgeometry "$1" | awk '/Position/ { split($2, p, ","); print p[1], p[2] }'
}
click() {  # X Y relative to the origin in ox, oy
    xdotool mousemove $((ox + $1)) $((oy + $2)) click 1
    sleep 0.6
}
shot() { import -window root "$prefix-$1.png"; }

"$root/scripts/wine-run" "$exe" &
program=$!
main=$(wait_for "Velocitrex - The full-featured") || exit 1
sleep 2
set -- $(origin "$main"); ox=$1; oy=$2
shot main-start
click 56 123                      # Velocitrex!
click 160 210                     # Cable Modem
shot main-connection
click 503 346                     # >> Next
shot main-method
click 503 346                     # >> Next: the automatic page
wait_for "Velocitrex - Automatic" >/dev/null || exit 1
sleep 5
shot automatic-mid
sleep 9
shot automatic-ready
click 505 405                     # Velocitrex Me!
screen=$(wait_for "Velocitrex is accelerating") || exit 1
sleep 1
shot apply-mid
sleep 3.5
shot apply-prompt
set -- $(origin "$screen"); ox=$1; oy=$2
click 236 160                     # Reboot Later
sleep 1
shot tray
# A second copy ends at once, without a window.
start=$(date +%s)
timeout 60 "$root/scripts/wine-run" "$exe" || { echo "FAILED: the second copy did not end" >&2; exit 1; }
echo "second copy ended after $(( $(date +%s) - start )) s"
kill $program 2>/dev/null || true
"$root/scripts/wine-run" wineboot -k >/dev/null 2>&1 || true
WALK
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
    flatten host.reg >expected.txt

    if ! walk "$version"; then
        echo "FAILED: $version: the walk"
        failures=$((failures + 1))
        return
    fi
    "$root/scripts/wine-run" wineboot -k >/dev/null 2>&1 || true
    export_state after.reg
    flatten after.reg >actual.txt
    if cmp -s expected.txt actual.txt; then
        echo "ok: $version: the registry equals vxtune's profile C + apply"
    else
        echo "FAILED: $version: the registry differs from vxtune's profile C + apply"
        diff expected.txt actual.txt || true
        failures=$((failures + 1))
    fi
}

run tests/engine/fixtures/winxp.reg xp winxp 'Tcpip\Parameters' 'Netbt\Parameters'
run tests/engine/fixtures/win98.reg 98 win98 'VxD\MSTCP' 'Class\NetTrans'
echo "screenshots: $screens"
[ $failures = 0 ]
