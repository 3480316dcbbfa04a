#!/bin/sh
# velocitrex-sim from the outside: a script run to its end, the registry it
# saves, and each exit status.
set -u
sim=$1 source=$2 work=$3
rm -rf "$work" && mkdir -p "$work"
fail=0
check() {  # NAME EXPECTED-STATUS ACTUAL-STATUS
    if [ "$2" != "$3" ]; then
        echo "FAIL $1: status $3, expected $2"
        fail=1
    fi
}

cp "$source/tests/engine/fixtures/winxp.reg" "$work/xp.reg"
"$sim" --registry "$work/xp.reg" --script "$source/tests/apps/velocitrex/scripts/cable-reboot-later.vxs" \
    > "$work/cable.out" 2> "$work/cable.err"
check cable 0 $?
grep -q '"DefaultTTL"=dword:00000040' "$work/xp.reg" || { echo "FAIL cable: TTL not written"; fail=1; }
tail -1 "$work/cable.out" | grep -q ' exit$' || { echo "FAIL cable: no exit in the transcript"; fail=1; }

cp "$source/tests/engine/fixtures/winxp.reg" "$work/kept.reg"
printf 'expect flag changesMade on\n' | "$sim" --registry "$work/kept.reg" > /dev/null 2> "$work/expect.err"
check failed-expectation 1 $?
grep -q '^<stdin>:1: expected changesMade on' "$work/expect.err" || { echo "FAIL expectation message"; fail=1; }
cmp -s "$work/kept.reg" "$source/tests/engine/fixtures/winxp.reg" || { echo "FAIL registry saved after a failure"; fail=1; }

"$sim" < /dev/null > /dev/null 2>&1
check usage 2 $?
printf 'not a registry\n' > "$work/broken.reg"
"$sim" --registry "$work/broken.reg" < /dev/null > /dev/null 2>&1
check registry-file 3 $?

[ $fail = 0 ] && echo "velocitrex-sim runs: all as expected"
exit $fail
