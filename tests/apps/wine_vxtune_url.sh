#!/bin/sh
# The Windows vxtune under Wine must put the version numbers of its own version
# resource into the update page's address, and read a package's distribution
# files as the setup does; its message boxes go to standard error.
# Usage: wine_vxtune_url.sh SOURCE_DIR WINDOWS_VXTUNE MAJOR MINOR BUILD WORK_DIR [HOST_VXTUNE]
set -eu
root=$1
windows_vxtune=$2
version="mjv=$3&mnv=$4&bld=$5"
work=$6
host_vxtune=${7:-}

rm -rf "$work"
mkdir -p "$work/pkg"
cd "$work"
printf '17\r\n' >pkg/SID.txt
printf 'NBL\r\n' >pkg/Reseller.txt
printf '[Identification]\r\ncd=a b\r\n[Url]\r\ndisp=C:\\windows\\notepad.exe\r\n' >pkg/Defs.ini

in_wine() { "$root/scripts/wine-run" "$@" | tr -d '\r'; }

failures=0
expect() {
    if [ "$2" = "$3" ]; then
        echo "ok: $1"
    else
        echo "FAILED: $1"
        echo "  expected: $3"
        echo "  actual:   $2"
        failures=$((failures + 1))
    fi
}

base="http://www.quorvex.example/php/disp0201.php?pc=41609"
# A fresh registry file: nothing stored, so the reseller number is 1.
expect "url 2 with nothing stored" "$(in_wine "$windows_vxtune" --registry empty.reg url 2)" \
    "$base&rc=1&ps=R&$version&oc=2"
expect "distribution pkg" "$(in_wine "$windows_vxtune" --registry machine.reg distribution pkg)" "-4"
expect "url 2 after the distribution files" "$(in_wine "$windows_vxtune" --registry machine.reg url 2)" \
    "$base&rc=-4&cd=a%20b&sid=17&ps=R&$version&oc=2"

# A console tool opens no window: the journal's message box goes to stderr, and
# the record restore could not use is reported after it.
printf '%s\r\n' REGEDIT4 '' '[HKEY_LOCAL_MACHINE\Software\Quorvex\Velocitrex\Original Settings]' \
    '"Counter"=dword:00000001' '"S001_1"="1"' '"S001_2"="HKEY_LOCAL_MACHINE"' '"S001_3"="Software\\Quorvex"' \
    '"S001_4"="V"' '"S001_5"="None"' '"S001_6"="x"' '' >journal.reg
expect "a journal message on stderr" \
    "$("$root/scripts/wine-run" "$windows_vxtune" --registry journal.reg restore 2>&1 >/dev/null | tr -d '\r')" \
    "Unexpected data type in S001_5
vxtune: journal record 1 not restorable: saved data of a type it cannot write back; removed"

if [ -x "$host_vxtune" ]; then
    "$host_vxtune" --registry host.reg distribution pkg >/dev/null
    expect "the host vxtune agrees" "$("$host_vxtune" --registry host.reg url 2)" \
        "$(in_wine "$windows_vxtune" --registry machine.reg url 2)"
else
    echo "SKIPPED: no host vxtune at '$host_vxtune' to compare with"
fi
[ "$failures" -eq 0 ]
