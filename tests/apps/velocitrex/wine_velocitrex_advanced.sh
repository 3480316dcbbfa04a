#!/bin/sh
# The advanced page reached from velocitrex.exe's main window under Wine in 98
# mode, with a person's clicks and typing: "Let me configure advanced settings."
# on the Method panel, MTU 1492, "8 x MSS", 1454 typed into the manual MTU list
# and "Manual Setting", "Velocitrex Me!", then "Reboot Later" on the apply screen.
# Wine's registry must then hold what the host engine writes for the preferences
# the page stored. The page's controls are found where advanced-page-show.exe
# lists them (the same page, alone). Screenshots go to SCREENS.
# Usage: wine_velocitrex_advanced.sh SOURCE_DIR HOST_VXTUNE VELOCITREX_EXE WORK_DIR PAGE_EXE SCREENS
set -eu
page_exe=$5 screens=$6
. "$1/tests/apps/wine_vxtune_common.sh"
. "$root/tests/apps/wine_advanced_compare.sh"
exe=$windows_vxtune
mkdir -p "$screens"
start_98_machine

rm -f places.txt
export PLACES="$work/places.txt"
timeout 300 xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    set -eu
    root=$1; exe=$2; page=$3; shots=$4; changes=$5
    wait_for() {  # TITLE: the window once it shows
        tries=0
        until id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) && [ -n "$id" ]; do
            tries=$((tries + 1))
            [ $tries -gt 300 ] && { echo "FAILED: no window $1" >&2; return 1; }
            sleep 0.2
        done
        echo "$id"
    }
    # Where the page puts its controls, from the page alone; it is ended at once.
    "$root/scripts/wine-run" "$page" --places places.txt &
    lister=$!
    wait_for "Velocitrex - Advanced Settings" >/dev/null
    kill $lister; wait $lister 2>/dev/null || true
    "$root/scripts/wine-run" wineboot -k >/dev/null 2>&1 || true
    WINEPREFIX="$VX_WINEPREFIX" /usr/lib/wine/wineserver -w || true

    "$root/scripts/wine-run" "$exe" &
    program=$!
    main=$(wait_for "Velocitrex - The full-featured")
    sleep 2
    eval "$(xdotool getwindowgeometry --shell "$main")"
    press() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; sleep 0.6; }
    press 56 123    # Velocitrex!
    press 160 210   # Cable Modem
    press 503 346   # >> Next
    press 182 227   # Let me configure advanced settings.
    import -window root "$shots/win98-main-method-advanced.png"
    press 503 346   # >> Next: the advanced page
    page_window=$(wait_for "Velocitrex - Advanced Settings")
    sleep 2
    eval "$(xdotool getwindowgeometry --shell "$page_window")"
    import -window root "$shots/win98-advanced-opening.png"
    eval "$changes"
    import -window root "$shots/win98-advanced-changed.png"
    click JLAqua2   # Velocitrex Me!
    screen=$(wait_for "Velocitrex is accelerating")
    sleep 4.5
    import -window root "$shots/win98-advanced-apply-prompt.png"
    eval "$(xdotool getwindowgeometry --shell "$screen")"
    press 236 160   # Reboot Later
    sleep 1
    kill $program 2>/dev/null || true
' sh "$root" "$exe" "$page_exe" "$screens" "$page_changes"
"$root/scripts/wine-run" wineboot -k >/dev/null 2>&1 || true

check_stored_and_applied
check_screenshots "$screens/win98-advanced-opening.png" "$screens/win98-advanced-changed.png"
[ "$failures" -eq 0 ]
