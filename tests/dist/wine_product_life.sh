#!/bin/sh
# The product's whole life under Wine on a virtual display, with the engine
# fixture of the mode's family: this build's package, the setup clicked through,
# the automatic cable tuning, "Reboot Later", unvlx.exe /S; scripts/product-life
# plays it and checks that the network keys are as at the start and that nothing
# of the product is left.
# usage: wine_product_life.sh SOURCE_DIR HOST_VXPACK HOST_VXTUNE BUILD_DIR MODE WORK_DIR
set -eu
root=$1 vxpack=$2 vxtune=$3 build=$4 mode=$5 work=$6
for tool in "$vxpack" "$vxtune"; do
    [ -x "$tool" ] || { echo "SKIPPED: no host tool at $tool (build the host preset first)"; exit 0; }
done
case $mode in winxp) fixture=winxp.reg ;; *) fixture=win98.reg ;; esac
rm -rf "$work"
"$root/scripts/pack-distribution" "$vxpack" "$build" "$root/dist" "$work" >/dev/null
export VX_WINEPREFIX="$work/wineprefix"
unset DISPLAY
exec timeout 500 xvfb-run -a -s "-screen 0 1024x768x24" "$root/scripts/product-life" "$mode" \
    "$work/velocitrex-setup.exe" "$root/tests/engine/fixtures/$fixture" "$vxtune" "$work/screens"
