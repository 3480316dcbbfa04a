#!/bin/sh
# vxsetup-sim scenarios on a fresh temporary drive C each: the transcript, the
# files on the drive and the saved registry after each script.
# Usage: setup_sim_scenarios.sh VXSETUP_SIM SCENARIO_DIR WORK_DIR
set -eu
sim=$1; scenarios=$2; work=$3
failures=0
fail() { echo "FAILED ($scenario): $*"; failures=$((failures + 1)); }

# A machine: the distribution files unpacked into C:\WINDOWS\TEMP.
fresh() {
    scenario=$1
    rm -rf "$work"
    root="$work/root"; c="$root/C"
    mkdir -p "$c/WINDOWS/TEMP" "$c/WINDOWS/Desktop" "$c/WINDOWS/Start Menu/Programs" "$c/Program Files"
    for name in velocitrex.exe file_id.diz readme.txt vlxhelp.htm unvlx.exe startvlx.exe Reseller.txt; do
        echo "new $name" >"$c/WINDOWS/TEMP/$name"
    done
    cp "$scenarios/machine.reg" "$work/machine.reg"
}
# Runs the scenario's script; the exit status must be $1.
run() {
    expected=$1; shift
    status=0
    "$sim" --registry "$work/machine.reg" --root "$root" --script "$scenarios/$scenario.script" "$@" \
        >"$work/transcript" 2>"$work/errors" || status=$?
    [ "$status" = "$expected" ] || { fail "exit status $status, not $expected: $(cat "$work/errors")"; return 1; }
}
has() { grep -qF -- "$1" "$work/transcript" || fail "no transcript line with: $1"; }
hasnt() { ! grep -qF -- "$1" "$work/transcript" || fail "unexpected transcript line with: $1"; }
file_is() { [ "$(cat "$1" 2>/dev/null)" = "$2" ] || fail "$1 holds \"$(cat "$1" 2>/dev/null)\", not \"$2\""; }
exists() { [ -e "$1" ] || fail "$1 is missing"; }
missing() { [ ! -e "$1" ] || fail "$1 should not be there"; }
reg_has() { grep -qF -- "$1" "$work/machine.reg" || fail "the registry has no line $1"; }
dir="Program Files/Quorvex/Velocitrex"
group="WINDOWS/Start Menu/Programs/Velocitrex"

fresh install
run 0 && {
    for name in velocitrex.exe file_id.diz readme.txt vlxhelp.htm; do file_is "$c/$dir/$name" "new $name"; done
    file_is "$c/WINDOWS/unvlx.exe" "new unvlx.exe"
    for name in startvlx.exe Reseller.txt unvlx.exe; do missing "$c/$dir/$name"; done
    for name in velocitrex.exe file_id.diz readme.txt vlxhelp.htm unvlx.exe startvlx.exe Reseller.txt; do
        missing "$c/WINDOWS/TEMP/$name"
    done
    file_is "$c/$group/Uninstall.lnk" 'C:\WINDOWS\unvlx.exe'
    file_is "$c/WINDOWS/Desktop/Velocitrex.lnk" 'C:\Program Files\Quorvex\Velocitrex\velocitrex.exe'
    reg_has '"Velocitrex"="\"C:\\Program Files\\Quorvex\\Velocitrex\\velocitrex.exe\" /S"'
    reg_has '"UninstallString"="\"C:\\WINDOWS\\unvlx.exe\""'
    reg_has '"installdir"="C:\\Program Files\\Quorvex\\Velocitrex"'
    reg_has '"NoModify"=dword:00000001'
    has 'exec "\"C:\\Program Files\\Quorvex\\Velocitrex\\Velocitrex.exe\""'
    [ "$(grep -c ' exec ' "$work/transcript")" = 2 ] || fail "the program and the notes should both start"
}

fresh over-read-only
mkdir -p "$c/$dir" "$c/$group"
for name in velocitrex.exe readme.txt; do echo old >"$c/$dir/$name"; chmod a-w "$c/$dir/$name"; done
echo old >"$c/WINDOWS/unvlx.exe"; chmod a-w "$c/WINDOWS/unvlx.exe"
echo old >"$c/$group/VlxHelp.lnk"; echo mine >"$c/$group/Notes.txt"
run 0 && {
    file_is "$c/$dir/velocitrex.exe" "new velocitrex.exe"
    file_is "$c/$dir/readme.txt" "new readme.txt"
    file_is "$c/WINDOWS/unvlx.exe" "new unvlx.exe"
    missing "$c/$group/VlxHelp.lnk"
    file_is "$c/$group/Notes.txt" mine
    for name in Velocitrex VelocHelp ReadMe Uninstall; do exists "$c/$group/$name.lnk"; done
    has 'attributes "C:\\Program Files\\Quorvex\\Velocitrex\\velocitrex.exe" normal'
}

fresh nested
run 0 && {
    file_is "$c/A/B/C/velocitrex.exe" "new velocitrex.exe"
    has 'mkdir "C:\\A\\B"'
    reg_has '"installdir"="C:\\A\\B\\C"'
}

fresh options-clear
echo mine >"$c/WINDOWS/Desktop/Velocitrex.lnk"
run 0 && {
    file_is "$c/WINDOWS/Desktop/Velocitrex.lnk" mine
    missing "$c/$group"
    hasnt ' link '
    hasnt ' exec '
}

fresh browse
mkdir -p "$c/Tools"
run 0 && file_is "$c/Typed/By Hand/velocitrex.exe" "new velocitrex.exe"

fresh no-program-files
grep -v ProgramFilesDir "$scenarios/machine.reg" >"$work/machine.reg"
run 0

fresh copy-failure
rm "$c/WINDOWS/TEMP/readme.txt"
run 0 && {
    has 'messagebox "Warning" "There was an error copying the program over.'
    for name in velocitrex.exe file_id.diz vlxhelp.htm unvlx.exe startvlx.exe Reseller.txt; do
        exists "$c/WINDOWS/TEMP/$name"
    done
    missing "$c/$dir/vlxhelp.htm"
}

fresh same-directory
run 0 && {
    has 'You cannot extract files and install to the same directory.'
    for name in velocitrex.exe readme.txt Reseller.txt; do exists "$c/WINDOWS/TEMP/$name"; done
    hasnt ' copy '
}

fresh running-copy
run 0 --running-copy && has 'post-close "Velocitrex"'

fresh running-copy-declined
run 0 --running-copy && {
    has 'Please run the Setup program again when you have closed the program.'
    hasnt 'show frmLicense'
    hasnt 'post-close'
}

fresh not-administrator
run 0 --deny-writes 'HKEY_LOCAL_MACHINE\Software' && {
    has 'Velocitrex Setup needs administrator rights.'
    hasnt 'show frmMain'
    for name in velocitrex.exe readme.txt; do exists "$c/WINDOWS/TEMP/$name"; done
}

[ $failures = 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "vxsetup-sim: every scenario passed"
