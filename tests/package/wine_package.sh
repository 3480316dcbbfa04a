#!/bin/sh
# The win64 package under Wine: packed by the host packer with a stand-in
# vxSetup.exe, it must unpack every file into Wine's temporary directory, byte for
# byte, and start the stand-in there with a quoted path.
# usage: wine_package.sh SOURCE_DIR HOST_VXPACK STUB STAND_IN WORK_DIR
set -eu
root=$1
vxpack=$2
stub=$3
stand_in=$4
work=$5

if [ ! -x "$vxpack" ]; then
    echo "SKIPPED: no host packer at $vxpack (build the host preset first)"
    exit 0
fi
rm -rf "$work"
mkdir -p "$work/files"
cp "$stand_in" "$work/files/vxSetup.exe"
for name in vlxhelp.htm readme.txt file_id.diz Defs.ini SID.txt Reseller.txt; do
    cp "$root/dist/$name" "$work/files/$name"
done
head -c 300000 /dev/urandom >"$work/files/velocitrex.exe"  # a large file that is not text
"$vxpack" "$work/velocitrex-setup.exe" "$stub" "$work"/files/* >/dev/null

prefix="${VX_WINEPREFIX:-$root/build/wineprefix}"
"$root/scripts/wine-prefix" >/dev/null
temp_dirs() { find "$prefix/drive_c/users" -maxdepth 5 -type d -iname temp 2>/dev/null; }
for dir in $(temp_dirs); do
    rm -f "$dir/vxsetup-ran.txt"
done

"$root/scripts/wine-run" "$work/velocitrex-setup.exe"
record=
for _ in $(seq 1 100); do
    record=$(find "$prefix/drive_c/users" -maxdepth 6 -name vxsetup-ran.txt 2>/dev/null | head -n 1)
    [ -n "$record" ] && break
    sleep 0.2
done
[ -n "$record" ] || { echo "FAIL: the stand-in vxSetup.exe did not run"; exit 1; }
temp=$(dirname "$record")
status=0
for file in "$work"/files/*; do
    name=$(basename "$file")
    if ! cmp -s "$file" "$temp/$name"; then
        echo "FAIL: $name is not in $temp as packed"
        status=1
    fi
done
tr -d '\r' <"$record" >"$work/record.txt"
grep -q '^command="[A-Za-z]:\\.*\\vxSetup\.exe"$' "$work/record.txt" ||
    { echo "FAIL: not started with a quoted path:"; cat "$work/record.txt"; status=1; }
grep -qi '^directory=[A-Za-z]:\\.*temp' "$work/record.txt" ||
    { echo "FAIL: not started in the temporary directory:"; cat "$work/record.txt"; status=1; }
[ $status -eq 0 ] && echo "OK: unpacked into $temp and started vxSetup.exe"
exit $status
