# The shared part of the Wine checks of the advanced page: Wine set to 98 with the
# engine's win98 fixture, the page's clicks and typing, and the comparison of
# Wine's registry afterwards with what the host engine writes for the preferences
# the page stored. Sourced after wine_vxtune_common.sh.

# start_98_machine: Wine in 98 mode on the fixture; start.reg holds the keys' start.
start_98_machine() {
    write_clear_reg 'HKEY_LOCAL_MACHINE\Software\Quorvex'
    "$root/scripts/wine-prefix" >/dev/null
    "$root/scripts/wine-version" win98
    in_wine regedit /s clear.reg
    in_wine regedit /s "$root/tests/engine/fixtures/win98.reg"
    : >keys.txt
    : >patterns.txt
    for key in 'VxD\MSTCP' 'VxD\NWLink' 'Class\NetTrans'; do
        echo "$services\\$key" >>keys.txt
        printf '[%s]|\n[%s\\\n' "$services\\$key" "$services\\$key" >>patterns.txt
    done
    export_state start.reg
    # The session of the registry edits has no display; the page needs a new one.
    WINEPREFIX="$VX_WINEPREFIX" /usr/lib/wine/wineserver -w || true
}



failures=0
check() {  # what, expected, actual
    if [ "$2" = "$3" ]; then
        echo "ok: $1"
    else
        echo "FAILED: $1: expected $2, got $3"
        failures=$((failures + 1))
    fi
}

# The page's changes, as a person makes them, on the page whose controls' centres
# (window coordinates) PLACES lists; X and Y are the page's origin. Shell code for
# the display's session.
page_changes='
    at() { awk -v n="$1" "\$1 == n { print \$2 + $X, \$3 + $Y }" "$PLACES"; }
    click() { xdotool mousemove $(at "$1"); sleep 0.3; xdotool click 1; sleep 0.7; }
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
'

# check_stored_and_applied: the page stored mtu 1454 and rwin 8 x (1454 - 40), and
# Wine's registry holds what the host engine writes for the stored preferences on
# the same starting machine.
check_stored_and_applied() {
    in_wine regedit /e stored.reg 'HKEY_LOCAL_MACHINE\Software\Quorvex\Velocitrex' >/dev/null 2>&1 || true
    "$host_vxtune" --registry stored.reg --os 98 prefs >stored.txt
    check "stored mtu" "mtu=1454" "$(grep '^mtu=' stored.txt)"
    check "stored rwin" "rwin=11312" "$(grep '^rwin=' stored.txt)"
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
}

check_screenshots() {
    for shot in "$@"; do
        [ -s "$shot" ] || { echo "FAILED: no screenshot $shot"; failures=$((failures + 1)); }
    done
}
