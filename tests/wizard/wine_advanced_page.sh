#!/bin/sh
# The advanced page under Wine in 98 mode, with real clicks and typing: MTU 1492,
# "8 x MSS", 1454 typed into the manual MTU list and "Manual Setting", then
# "Velocitrex Me!", after which the program applies the stored profile. The page
# must have stored mtu 1454 and rwin 8 x (1454 - 40) = 11312, and Wine's registry
# must then hold what the host engine writes for the same preferences on the same
# machine. Screenshots of the page at opening and after the changes go to
# WORK_DIR/advanced-page-wine-*.png.
# Usage: wine_advanced_page.sh SOURCE_DIR HOST_VXTUNE PAGE_EXE WORK_DIR
set -eu
. "$1/tests/apps/wine_vxtune_common.sh"
page_exe=$windows_vxtune
write_clear_reg 'HKEY_LOCAL_MACHINE\Software\Quorvex'
"$root/scripts/wine-prefix" >/dev/null
"$root/scripts/wine-version" win98
in_wine regedit /s clear.reg
in_wine regedit /s "$root/tests/engine/fixtures/win98.reg"

keys='VxD\MSTCP
VxD\NWLink
Class\NetTrans'
: >keys.txt
: >patterns.txt
echo "$keys" | while read -r key; do
    echo "$services\\$key" >>keys.txt
    printf '[%s]|\n[%s\\\n' "$services\\$key" "$services\\$key" >>patterns.txt
done

export_state() {
    printf 'REGEDIT4\n\n' >"$1"
    while read -r key; do
        rm -f part.reg
        if in_wine regedit /e part.reg "$key" >/dev/null 2>&1 && [ -s part.reg ]; then
            "$host_vxtune" --registry part.reg dump | tail -n +2 >>"$1"
        fi
    done <keys.txt
}
flatten() {
    "$host_vxtune" --registry "$1" dump | awk '
        /^\[/ { section = $0; print section "|"; next }
        /^$/ || /^REGEDIT4/ { next }
        {
            line = $0
            while (line ~ /\\$/ && (getline more) > 0) { sub(/\\$/, "", line); sub(/^ +/, "", more); line = line more }
            print section "|" line
        }' | grep -F -f patterns.txt | LC_ALL=C sort
}
export_state start.reg

rm -f result.txt places.txt advanced-page-wine-*.png
# The session of the registry edits has no display; the page needs a new one.
WINEPREFIX="$VX_WINEPREFIX" /usr/lib/wine/wineserver -w || true
timeout 240 xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    set -eu
    root=$1; page=$2
    "$root/scripts/wine-run" "$page" --apply --result result.txt --places places.txt &
    program=$!
    tries=0
    until window=$(xdotool search --name "Velocitrex - Advanced Settings" 2>/dev/null | head -n 1) && [ -n "$window" ]; do
        tries=$((tries + 1))
        if [ $tries -gt 300 ]; then
            echo "FAILED: the page did not appear within 60 s"
            kill $program 2>/dev/null || true
            exit 1
        fi
        sleep 0.2
    done
    sleep 2
    eval "$(xdotool getwindowgeometry --shell "$window")"
    at() { awk -v n="$1" "\$1 == n { print \$2 + $X, \$3 + $Y }" places.txt; }
    click() { xdotool mousemove $(at "$1"); sleep 0.3; xdotool click 1; sleep 0.7; }
    import -window root advanced-page-wine-opening.png
    click rbtnMTU1492
    click rbtnRWIN8
    # The edit part of the list: the left half of the control.
    set -- $(at comboMTUManual)
    xdotool mousemove $(($1 - 20)) $2 click 1
    sleep 0.3
    xdotool key End BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
    xdotool type --delay 120 1454
    sleep 0.5
    click rbtnMTUManual
    import -window root advanced-page-wine-changed.png
    click JLAqua2
    wait $program
' sh "$root" "$page_exe"

failures=0
check() {  # what, expected, actual
    if [ "$2" = "$3" ]; then
        echo "ok: $1"
    else
        echo "FAILED: $1: expected $2, got $3"
        failures=$((failures + 1))
    fi
}
check "the page ended with the apply result" 6 "$(tr -d '\r\n' <result.txt 2>/dev/null || echo none)"

# What the page stored, as the host reads it.
in_wine regedit /e stored.reg 'HKEY_LOCAL_MACHINE\Software\Quorvex\Velocitrex' >/dev/null 2>&1 || true
"$host_vxtune" --registry stored.reg --os 98 prefs >stored.txt
check "stored mtu" "mtu=1454" "$(grep '^mtu=' stored.txt)"
check "stored rwin" "rwin=11312" "$(grep '^rwin=' stored.txt)"

# The host engine applies the same preferences to the same starting machine.
cp start.reg host.reg
for name in PMTUDiscover PMTUBlackHoleDetect sack acks mtu ndi rwin ska ttl; do
    value=$(grep "^$name=" stored.txt | cut -d= -f2)
    [ "$value" = "-1" ] || "$host_vxtune" --registry host.reg --os 98 set "$name" "$value"
done
"$host_vxtune" --registry host.reg --os 98 apply
flatten host.reg >host-applied.txt
export_state applied.reg
flatten applied.reg >wine-applied.txt
if cmp -s host-applied.txt wine-applied.txt; then
    echo "ok: Wine's registry holds what the engine writes for the stored preferences"
else
    echo "FAILED: the applied values differ from the host engine's"
    diff host-applied.txt wine-applied.txt || true
    failures=$((failures + 1))
fi
for shot in advanced-page-wine-opening.png advanced-page-wine-changed.png; do
    [ -s "$shot" ] || { echo "FAILED: no screenshot $shot"; failures=$((failures + 1)); }
done
[ "$failures" -eq 0 ]
