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
. "$root/tests/apps/wine_advanced_compare.sh"
page_exe=$windows_vxtune
start_98_machine

rm -f result.txt places.txt advanced-page-wine-*.png
export PLACES="$work/places.txt"
timeout 240 xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    set -eu
    root=$1; page=$2; changes=$3
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
    import -window root advanced-page-wine-opening.png
    eval "$changes"
    import -window root advanced-page-wine-changed.png
    click JLAqua2
    wait $program
' sh "$root" "$page_exe" "$page_changes"

check "the page ended with the apply result" 6 "$(tr -d '\r\n' <result.txt 2>/dev/null || echo none)"
check_stored_and_applied
check_screenshots advanced-page-wine-opening.png advanced-page-wine-changed.png
[ "$failures" -eq 0 ]
