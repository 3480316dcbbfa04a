#!/bin/sh
# Runs the Windows gallery under Wine on a virtual X display, takes a screenshot of
# the whole screen as DIR/gallery-wine.png (and of the component set window as
# DIR/components-wine.png) and fails when the window never came
# up or the picture is missing or blank. Every wait is bounded.
# Usage: gallery_screens.sh SOURCE_DIR GALLERY_EXE DIR
set -eu
root=$1
gallery=$2
dir=$3
shot="$dir/gallery-wine.png"
mkdir -p "$dir"
rm -f "$shot"
# Make the prefix first: its first start takes longer than the window may.
"$root/scripts/wine-prefix" >/dev/null

# One run per window: TITLE is the window to wait for, SHOT the picture; the
# program ends itself after 20 s, the screenshot is taken long before.
shoot() {
    title=$1; shot=$2; shift 2
    rm -f "$shot"
    timeout 120 xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
        root=$1; gallery=$2; shot=$3; title=$4; shift 4
        "$root/scripts/wine-run" "$gallery" --exit-after 20000 "$@" &
        program=$!
        tries=0
        until xdotool search --name "$title" >/dev/null 2>&1; do
            tries=$((tries + 1))
            if [ $tries -gt 300 ]; then
                echo "FAILED: the window $title did not appear within 60 s"
                kill $program 2>/dev/null || true
                exit 1
            fi
            sleep 0.2
        done
        sleep 2  # let it paint
        import -window root "$shot"
        wait $program
    ' sh "$root" "$gallery" "$shot" "$title" "$@"
    [ -s "$shot" ] || { echo "FAILED: no screenshot at $shot"; exit 1; }
    colours=$(identify -format '%k' "$shot")
    echo "$(basename "$shot"): $colours colours"
    [ "$colours" -gt 8 ] || { echo "FAILED: the screenshot is blank"; exit 1; }
}

shoot "Velocitrex Gallery" "$shot"
shoot "Velocitrex Components" "$dir/components-wine.png" --components
