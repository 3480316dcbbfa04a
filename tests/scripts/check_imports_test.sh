#!/bin/sh
# scripts/check-imports against programs described by their objdump -p text:
# a stand-in objdump prints the file it is given.
# usage: check_imports_test.sh SOURCE_DIR WORK_DIR
set -eu
source_dir=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
cd "$work"
check="$source_dir/scripts/check-imports"

printf '#!/bin/sh\n[ -f "$2" ] && grep -q MajorOSystemVersion "$2" && cat "$2" || { echo "$2: file format not recognized"; exit 1; }\n' >objdump
chmod +x objdump
export OBJDUMP="$work/objdump"

cat >allow.txt <<'LIST'
# KERNEL32.dll
KERNEL32.dll!CloseHandle
KERNEL32.dll!ExitProcess  # with a reason
# USER32.dll
USER32.dll!MessageBoxA
msvcrt.dll!malloc
COMCTL32.dll!#17
LIST
cat >rules.txt <<'LIST'
# the stub
stub.exe KERNEL32.dll USER32.dll
LIST

# program NAME OS SUBSYSTEM [DLL FUNCTION]...: the objdump text of a program.
program() {
    name=$1 os=$2 subsystem=$3
    shift 3
    {
        printf 'Magic\t\t\t010b\t(PE32)\n'
        printf 'MajorOSystemVersion\t%s\nMinorOSystemVersion\t%s\n' "${os%.*}" "${os#*.}"
        printf 'MajorSubsystemVersion\t%s\nMinorSubsystemVersion\t%s\n' "${subsystem%.*}" "${subsystem#*.}"
        printf '\nThe Import Tables (interpreted .idata section contents)\n'
        while [ $# -gt 0 ]; do
            printf '\n\tDLL Name: %s\n\tvma:  Hint/Ord Member-Name Bound-To\n' "$1"
            case $2 in
                '#'*) printf '\t80000011\t %s  <none>\n' "${2#\#}" ;;
                *) printf '\t5762e\t  804  %s\n' "$2" ;;
            esac
            shift 2
        done
        printf '\n 00153078\t00000000 00000000 00000000 00000000 00000000\n'
    } >"$name"
}

failures=0
# expect STATUS TEXT PROGRAM...: check-imports exits with STATUS, and its output
# holds TEXT (or is empty when TEXT is "").
expect() {
    want=$1 text=$2
    shift 2
    set +e
    said=$("$check" --allowlist allow.txt --rules rules.txt "$@" 2>&1)
    got=$?
    set -e
    if [ "$got" -ne "$want" ]; then
        echo "FAILED: $*: exit status $got, not $want: $said"
        failures=$((failures + 1))
    elif [ -z "$text" ] && [ -n "$said" ]; then
        echo "FAILED: $*: said \"$said\", expected nothing"
        failures=$((failures + 1))
    elif [ -n "$text" ] && ! printf '%s\n' "$said" | grep -qF -- "$text"; then
        echo "FAILED: $*: \"$text\" not in \"$said\""
        failures=$((failures + 1))
    fi
}

program clean.exe 4.0 4.0 KERNEL32.dll CloseHandle USER32.dll MessageBoxA msvcrt.dll malloc
program lowercase.exe 4.0 4.0 kernel32.DLL ExitProcess COMCTL32.DLL '#17'
program unlisted.exe 4.0 4.0 KERNEL32.dll CloseHandle KERNEL32.dll CreateHardLinkW
program wrongcase.exe 4.0 4.0 KERNEL32.dll closehandle
program ordinal.exe 4.0 4.0 COMCTL32.dll '#18'
program unknowndll.exe 4.0 4.0 WS2_32.dll WSAStartup
program os5.exe 5.0 4.0 KERNEL32.dll CloseHandle
program sub410.exe 4.0 4.10 KERNEL32.dll CloseHandle
program old.exe 3.10 3.10 KERNEL32.dll CloseHandle
program noimports.exe 4.0 4.0
program stub.exe 4.0 4.0 KERNEL32.dll CloseHandle USER32.dll MessageBoxA
program STUB.EXE 4.0 4.0 KERNEL32.dll CloseHandle msvcrt.dll malloc
printf 'not a program\n' >text.exe

expect 0 "" clean.exe
expect 0 "" lowercase.exe
expect 0 "" old.exe
expect 0 "" stub.exe
expect 1 "unlisted.exe imports KERNEL32.dll!CreateHardLinkW, which is not on allow.txt" unlisted.exe
expect 1 "wrongcase.exe imports KERNEL32.dll!closehandle" wrongcase.exe
expect 1 "ordinal.exe imports COMCTL32.dll!#18" ordinal.exe
expect 1 "unknowndll.exe imports WS2_32.dll!WSAStartup" unknowndll.exe
expect 1 "os5.exe: the PE header asks for OS version 5.0" os5.exe
expect 1 "sub410.exe: the PE header asks for subsystem version 4.10" sub410.exe
expect 1 "noimports.exe: no import table found" noimports.exe
expect 1 "STUB.EXE imports from msvcrt.dll, which its rules in rules.txt do not allow" STUB.EXE
expect 1 "text.exe" text.exe
expect 2 "cannot read" --allowlist missing.txt clean.exe
# One bad program among good ones fails the run, and only it is named.
expect 1 "os5.exe" clean.exe os5.exe stub.exe
if "$check" --allowlist allow.txt --rules rules.txt clean.exe os5.exe 2>&1 | grep -q clean.exe; then
    echo "FAILED: a good program was named"
    failures=$((failures + 1))
fi

# The real lists: the package stub may import from KERNEL32 and USER32 only.
program package.exe 4.0 4.0 KERNEL32.dll CloseHandle msvcrt.dll malloc
set +e
said=$("$check" package.exe 2>&1)
set -e
printf '%s\n' "$said" | grep -qF "package.exe imports from msvcrt.dll" ||
    { echo "FAILED: the real rules let package.exe import msvcrt.dll: $said"; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] || exit 1
echo "check-imports: all cases behave"
