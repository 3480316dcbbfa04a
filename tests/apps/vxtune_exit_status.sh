#!/bin/sh
# The vxtune program itself: exit statuses, and what goes to which stream.
# Usage: vxtune_exit_status.sh VXTUNE SOURCE_DIR WORK_DIR
set -u
vxtune=$1
root=$2
work=$3
rm -rf "$work"
mkdir -p "$work/folder.reg"
printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\n' >"$work/broken.reg"
# A journal record of a type no registry value has: restoring it makes the
# journal show its message box, which a console tool prints on stderr.
printf '%s\n' REGEDIT4 '' '[HKEY_LOCAL_MACHINE\Software\Quorvex\Velocitrex\Original Settings]' \
    '"Counter"=dword:00000001' '"S001_1"="1"' '"S001_2"="HKEY_LOCAL_MACHINE"' '"S001_3"="Software\\Quorvex"' \
    '"S001_4"="V"' '"S001_5"="None"' '"S001_6"="x"' '' >"$work/journal.reg"

failures=0
# expect STATUS QUIET(yes|no: stdout empty or not) STDERR_PATTERN ARGS...
# An empty pattern means nothing on stderr.
expect() {
    status=$1 quiet=$2 pattern=$3
    shift 3
    "$vxtune" "$@" >"$work/out" 2>"$work/err"
    actual=$?
    problem=""
    [ "$actual" -eq "$status" ] || problem="exit $actual, not $status"
    if [ "$quiet" = yes ] && [ -s "$work/out" ]; then problem="$problem; output on stdout"; fi
    if [ "$quiet" = no ] && [ ! -s "$work/out" ]; then problem="$problem; nothing on stdout"; fi
    if [ -z "$pattern" ]; then
        [ ! -s "$work/err" ] || problem="$problem; output on stderr"
    else
        grep -q -- "$pattern" "$work/err" || problem="$problem; stderr lacks '$pattern'"
    fi
    if [ -n "$problem" ]; then
        echo "FAILED: vxtune $*: $problem"
        cat "$work/err"
        failures=$((failures + 1))
    else
        echo "ok: vxtune $*"
    fi
}

expect 2 yes '^usage: vxtune \[--registry FILE\] \[--os VERSION\] COMMAND$'
expect 2 yes '^usage: vxtune' --registry "$work/m.reg" nonsense
expect 2 yes '^usage: vxtune' --os 3.1 --registry "$work/m.reg" show
expect 3 yes 'folder.reg' --registry "$work/folder.reg" show
expect 3 yes 'broken.reg:' --registry "$work/broken.reg" show
expect 0 no '' --registry "$root/samples/winxp.reg" show
expect 0 no '' --registry "$work/m.reg" --os 98 platform
expect 0 yes '^Unexpected data type in S001_5$' --registry "$work/journal.reg" restore
[ ! -e "$work/m.reg" ] || { echo "FAILED: a missing registry file was created"; failures=$((failures + 1)); }
[ "$failures" -eq 0 ]
