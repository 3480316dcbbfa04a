# The shared start of the Wine checks that compare the Windows vxtune with the host
# one on Wine's real registry. Sourced by a check called with
# SOURCE_DIR HOST_VXTUNE WINDOWS_VXTUNE WORK_DIR.
root=$1
host_vxtune=$2
windows_vxtune=$3
work=$4

if [ ! -x "$host_vxtune" ]; then
    echo "SKIPPED: no host vxtune at $host_vxtune to compare with (build the host preset first)"
    exit 0
fi

# A prefix of its own: the checks change Wine's version and system keys.
export VX_WINEPREFIX="$work/wineprefix"
mkdir -p "$work"
cd "$work"

services='HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services'

# clear.reg deletes the keys the engine tunes, and the further keys given.
write_clear_reg() {
    {
        printf 'REGEDIT4\n\n'
        for key in 'VxD\MSTCP' 'VxD\NWLink' 'Class\NetTrans' 'Tcpip\Parameters' 'Netbt\Parameters'; do
            printf '[-%s\\%s]\n' "$services" "$key"
        done
        for key in "$@"; do
            printf '[-%s]\n' "$key"
        done
    } >clear.reg
}

in_wine() { "$root/scripts/wine-run" "$@" | tr -d '\r'; }
