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

# export_state FILE [KEY_LIST]: Wine's registry now, for the keys listed in
# KEY_LIST (keys.txt by default), as one REGEDIT4 file.
export_state() {
    printf 'REGEDIT4\n\n' >"$1"
    while read -r key; do
        rm -f part.reg
        if in_wine regedit /e part.reg "$key" >/dev/null 2>&1 && [ -s part.reg ]; then
            "$host_vxtune" --registry part.reg dump | tail -n +2 >>"$1"
        fi
    done <"${2:-keys.txt}"
}

# flatten FILE: the registry file as one line per key and per value
# ("[key]|value"), sorted, limited to the lines patterns.txt names: the same state
# gives the same text whatever order the values were written in.
flatten() {
    "$host_vxtune" --registry "$1" dump | awk '
        /^\[/ { section = $0; print section "|"; next }
        /^$/ || /^REGEDIT4/ { next }
        {
            line = $0
            while (line ~ /\\$/ && (getline more) > 0) { sub(/\\$/, "", line); sub(/^ +/, "", more); line = line more }
            print section "|" line
        }' | grep -F -f patterns.txt | LC_ALL=C sort
}
